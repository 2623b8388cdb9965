#include "settings/text_order.h"

#include <cstdint>

namespace orvella {
namespace {

// The next code point of UTF-8 text; a malformed byte stands for itself.
std::uint32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        extra = 1;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        extra = 2;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
    }
    if (extra == 0 || i + extra >= s.size()) {
        ++i;
        return lead;
    }
    std::uint32_t cp = lead & (0x3Fu >> extra);
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    i += extra + 1;
    return cp;
}

std::uint32_t Lower(std::uint32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;  // А..Я
    if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;  // Ѐ..Џ, Ё among them
    if (cp == 0x0490) return 0x0491;                     // Ґ
    return cp;
}

// Sort weight of a lowered code point: ё goes between е and ж.
std::uint32_t Weight(std::uint32_t cp) {
    constexpr std::uint32_t kIe = 0x0435, kIo = 0x0451;
    return cp == kIo ? kIe * 2 + 1 : cp * 2;
}

}  // namespace

std::uint32_t NextFoldedCodePoint(std::string_view s, std::size_t& i) { return Lower(NextCodePoint(s, i)); }

int CompareIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const std::uint32_t wa = Weight(NextFoldedCodePoint(a, i));
        const std::uint32_t wb = Weight(NextFoldedCodePoint(b, j));
        if (wa != wb) return wa < wb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

}  // namespace orvella
