#pragma once
#include "platform/ansi_codec.h"

namespace orvella {

// Windows-1251 without the operating system, for native builds and tests.
class Cp1251Codec : public AnsiCodec {
public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace orvella
