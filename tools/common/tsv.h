#pragma once
#include <string>
#include <string_view>

namespace orvtools {

// Escapes a field for the driver's tab-separated output: backslash, tab, CR and LF become
// \\, \t, \r and \n, so every record stays on one line.
std::string EscapeField(std::string_view text);

}  // namespace orvtools
