#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvella {

// Compares UTF-8 texts without regard to the case of Latin and Cyrillic letters, with Ё/ё
// right after Е/е as in the Russian alphabet; other characters by code point.
// Negative, zero or positive like strcmp.
int CompareIgnoringCase(std::string_view a, std::string_view b);

// The next code point of UTF-8 text at `i`, with Latin and Cyrillic capitals lowered; a byte that
// does not start a whole sequence stands for itself. Texts that compare equal above give equal
// sequences here, which makes it the base of a matching hash.
std::uint32_t NextFoldedCodePoint(std::string_view s, std::size_t& i);

inline bool LessIgnoringCase(std::string_view a, std::string_view b) { return CompareIgnoringCase(a, b) < 0; }

}  // namespace orvella
