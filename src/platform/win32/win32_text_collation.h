#pragma once
#include "platform/text_collation.h"

namespace orvella {

// The user's locale order, as sorted system list controls use it.
class Win32TextCollation : public TextCollation {
public:
    int Compare(std::string_view a, std::string_view b) const override;
};

}  // namespace orvella
