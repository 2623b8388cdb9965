#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace orvella {

// One desktop icon: its caption as the shell shows it and the top-left corner of its bounding
// rectangle in the desktop list's own coordinates.
struct IconPosition {
    std::string caption;
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const IconPosition&) const = default;
};

using IconLayout = std::vector<IconPosition>;

}  // namespace orvella
