#pragma once
#include <string>

#include "platform/instance_marker.h"
#include "platform/system_info.h"

namespace orvella {

class FakeInstanceMarker : public InstanceMarker {
public:
    bool TryClaim(const std::string& name) override {
        claimedName = name;
        return !anotherInstanceRuns;
    }
    bool anotherInstanceRuns = false;
    std::string claimedName;
};

class FakeSystemInfo : public SystemInfo {
public:
    std::string ExecutablePath() const override { return executablePath; }
    bool IsWin64() const override { return win64; }
    std::string executablePath;
    bool win64 = true;
};

}  // namespace orvella
