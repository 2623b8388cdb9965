#pragma once
#include "platform/ansi_codec.h"

namespace orvella {

// The system's ANSI code page, whatever the user's Windows is set to.
class Win32AnsiCodec : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace orvella
