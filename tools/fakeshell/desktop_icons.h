#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "fakeshell/icons_file.h"

namespace fakeshell {

// Inserts the icons into the list view with a few stock shell images.
void AddIcons(HWND listView, const std::vector<IconSpec>& icons);

// Moves the icons that have a position there (item i is icons[i]).
void PlaceIcons(HWND listView, const std::vector<IconSpec>& icons);

// `caption:x:y` per item in item order (LVM_GETITEMPOSITION), UTF-8, CR LF after each line.
std::string DescribeIcons(HWND listView);

}  // namespace fakeshell
