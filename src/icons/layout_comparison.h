#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

// The name of a layout line: its caption, read from the right end so that a caption holding ":"
// stays whole; a line that is no layout line is named by its text up to its first ":".
std::string LayoutName(std::string_view line);

// The report of comparing a saved layout with the desktop's current one (layout lines both): the
// counts, then the sections of matched, deleted, moved and new icons that are not empty.
std::vector<std::string> CompareLayouts(const std::vector<std::string>& saved, const std::vector<std::string>& current);

}  // namespace orvella
