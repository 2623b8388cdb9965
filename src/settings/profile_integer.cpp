#include "settings/profile_integer.h"

#include <cstdint>

namespace orvella {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

// Read the way GetPrivateProfileIntW reads: leading control characters and blanks are skipped,
// one '+' or '-' is taken, then the leading digits; whatever follows them ("12abc") is ignored,
// and the value wraps modulo 2^32 ("4294967295" is -1). Where that call answers 0 for a text
// without digits, we give the caller's default instead, and "0X" counts as a hex prefix as
// well as "0x". A hex prefix with nothing hexadecimal after it ("0xg") is not an integer.
std::optional<int> ParseProfileInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t base = 10;
    if (text.size() - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::uint32_t value = 0;
    const std::size_t firstDigit = i;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i]);
        if (digit < 0 || static_cast<std::uint32_t>(digit) >= base) break;
        value = value * base + static_cast<std::uint32_t>(digit);
    }
    if (i == firstDigit) return std::nullopt;
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

}  // namespace orvella
