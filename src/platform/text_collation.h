#pragma once
#include <string_view>

namespace orvella {

// The user's locale order for texts shown in sorted lists, ignoring letter case.
class TextCollation {
public:
    virtual ~TextCollation() = default;
    // UTF-8 texts; negative, zero or positive like strcmp.
    virtual int Compare(std::string_view a, std::string_view b) const = 0;
};

}  // namespace orvella
