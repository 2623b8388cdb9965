#pragma once
#include <string>
#include <vector>

namespace orvella {

// Trims the list as one text: characters 0 to 32 go from the very beginning and the very end, so
// blank entries at either end vanish, the first entry loses its leading and the last its
// trailing blanks; inner entries stay as they are.
void TrimListText(std::vector<std::string>& list);

// For each entry of `shown`, in order, removes its first match in `next`, letter case ignored.
void RemoveShown(std::vector<std::string>& next, const std::vector<std::string>& shown);

}  // namespace orvella
