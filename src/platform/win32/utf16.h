#pragma once
#include <string>
#include <string_view>

namespace orvella {

// The program keeps UTF-8; the wide Windows APIs take UTF-16.
std::wstring ToUtf16(std::string_view utf8);
std::string FromUtf16(std::wstring_view utf16);

}  // namespace orvella
