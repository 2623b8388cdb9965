#pragma once
#include <optional>
#include <string_view>

namespace orvella {

// The integer a profile value stands for, or nothing when the text is not an integer.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace orvella
