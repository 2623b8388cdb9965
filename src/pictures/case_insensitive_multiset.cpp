#include "pictures/case_insensitive_multiset.h"

#include <cstdint>

#include "settings/text_order.h"

namespace orvella {
namespace {

// FNV-1a over the folded code points, so texts that compare equal hash alike.
std::uint64_t FoldingHash(std::string_view s) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (std::size_t i = 0; i < s.size();) hash = (hash ^ NextFoldedCodePoint(s, i)) * 0x100000001B3ull;
    return hash;
}

}  // namespace

std::size_t CaseInsensitiveMultiset::Hash::operator()(std::string_view text) const {
    return static_cast<std::size_t>(FoldingHash(text));
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
