#pragma once
#include <string_view>

namespace orvella {

// Files that start with it hold UTF-8 rather than ANSI text: editors add it, we never write it.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace orvella
