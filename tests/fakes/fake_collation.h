#pragma once
#include "platform/text_collation.h"
#include "settings/text_order.h"

namespace orvella {

// The portable case-insensitive order standing in for the user's locale.
class FakeCollation : public TextCollation {
public:
    int Compare(std::string_view a, std::string_view b) const override { return CompareIgnoringCase(a, b); }
};

}  // namespace orvella
