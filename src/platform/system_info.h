#pragma once
#include <string>

namespace orvella {

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // Full path of the running executable, UTF-8.
    virtual std::string ExecutablePath() const = 0;
    // True when this 32-bit program runs on 64-bit Windows. Asked afresh every time.
    virtual bool IsWin64() const = 0;
};

}  // namespace orvella
