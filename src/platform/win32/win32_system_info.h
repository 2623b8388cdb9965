#pragma once
#include "platform/system_info.h"

namespace orvella {

class Win32SystemInfo : public SystemInfo {
public:
    std::string ExecutablePath() const override;
    bool IsWin64() const override;
};

}  // namespace orvella
