#include "pictures/case_insensitive_multiset.h"

#include <cstdint>

#include "settings/text_order.h"

namespace orvella {
namespace {

// Hashes the code points CompareIgnoringCase compares, each with its case folded as there. It
// decodes UTF-8 the same way (a byte that does not start a whole sequence stands for itself), so
// texts that compare equal hash alike, malformed ones included.
class FoldingHasher {
public:
    std::uint64_t Hash(std::string_view s) {
        for (std::size_t i = 0; i < s.size();) Mix(Fold(NextCodePoint(s, i)));
        return hash_;
    }

private:
    void Mix(std::uint32_t value) { hash_ = (hash_ ^ value) * 0x100000001B3ull; }

    static std::uint32_t NextCodePoint(std::string_view s, std::size_t& i) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t extra = lead >= 0xF0 && lead < 0xF8   ? 3
                                  : lead >= 0xE0 && lead < 0xF0 ? 2
                                  : lead >= 0xC0 && lead < 0xE0 ? 1
                                                                : 0;
        std::uint32_t cp = lead & (0x3Fu >> extra);
        if (extra == 0 || i + extra >= s.size()) {
            ++i;
            return lead;
        }
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

    static std::uint32_t Fold(std::uint32_t cp) {
        if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
        if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;
        if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;
        if (cp == 0x0490) return 0x0491;
        return cp;
    }

    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

}  // namespace

std::size_t CaseInsensitiveMultiset::Hash::operator()(std::string_view text) const {
    return static_cast<std::size_t>(FoldingHasher().Hash(text));
}

bool CaseInsensitiveMultiset::Equal::operator()(std::string_view a, std::string_view b) const {
    return CompareIgnoringCase(a, b) == 0;
}

bool CaseInsensitiveMultiset::TakeOne(std::string_view text) {
    const auto found = counts_.find(text);
    if (found == counts_.end() || found->second == 0) return false;
    --found->second;
    return true;
}

}  // namespace orvella
