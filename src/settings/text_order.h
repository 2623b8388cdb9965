#pragma once
#include <string_view>

namespace orvella {

// Compares UTF-8 texts without regard to the case of Latin and Cyrillic letters, with Ё/ё
// right after Е/е as in the Russian alphabet; other characters by code point.
// Negative, zero or positive like strcmp.
int CompareIgnoringCase(std::string_view a, std::string_view b);

inline bool LessIgnoringCase(std::string_view a, std::string_view b) { return CompareIgnoringCase(a, b) < 0; }

}  // namespace orvella
