#pragma once
#include <string>

#include "e2e/child_process.h"

namespace orvella::e2e {

// What every scenario shares, made once per test run by tools/wine/orvwine.sh: the Wine
// environment (Russian locale, prefix template, 64-bit tools) and a private X server.
class WineSuite {
public:
    static WineSuite& Get();

    void Start();
    void Stop();

    bool Ready() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    // Environment of Wine runs, without WINEPREFIX.
    const Environment& WineEnvironment() const { return environment_; }
    std::string Script() const;                    // orvwine.sh
    std::string Value(const std::string& name) const;  // one of the prepared variables
    const std::string& Display() const { return display_; }

private:
    Environment environment_;
    std::string display_;
    std::string xvfbPid_;
    std::string error_ = "the Wine suite was not started";
};

}  // namespace orvella::e2e
