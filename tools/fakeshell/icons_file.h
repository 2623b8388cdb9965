#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace fakeshell {

struct IconSpec {
    std::wstring caption;
    bool placed = false;  // false: the list view's own arrangement decides
    int x = 0;
    int y = 0;
};

// One icon per non-blank line: `caption` or `caption:x:y`. The two numbers are taken from the right,
// so a caption may itself hold ':' ("Локальный диск (C:)"); a line whose last two parts are not both
// integers is a caption only.
std::vector<IconSpec> ParseIconsFile(std::string_view utf8);

// A desktop of a dozen icons, some with Cyrillic captions, used when no icons file is given.
std::vector<IconSpec> DefaultIcons();

}  // namespace fakeshell
