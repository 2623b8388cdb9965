#pragma once
#include <string>
#include <string_view>

namespace orvella {

// Converts between the program's UTF-8 strings and 8-bit text in the system's ANSI code page,
// the form every stored file and database text takes.
class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;
    // Characters the code page lacks become '?'.
    virtual std::string ToAnsi(std::string_view utf8) const = 0;
    virtual std::string FromAnsi(std::string_view ansi) const = 0;
};

}  // namespace orvella
