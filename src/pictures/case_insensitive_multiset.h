#pragma once
#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace orvella {

// Counts of texts that are equal without regard to letter case (CompareIgnoringCase), so that
// many look-ups take constant time each. The texts are viewed, not copied: they must outlive it.
class CaseInsensitiveMultiset {
public:
    void Add(std::string_view text) { ++counts_[text]; }
    // Takes one occurrence of a text equal to `text` out; false when none is left.
    bool TakeOne(std::string_view text);

    // Consistent with CompareIgnoringCase: texts that compare equal hash alike.
    struct Hash {
        std::size_t operator()(std::string_view text) const;
    };
    struct Equal {
        bool operator()(std::string_view a, std::string_view b) const;
    };

private:
    std::unordered_map<std::string_view, std::size_t, Hash, Equal> counts_;
};

}  // namespace orvella
