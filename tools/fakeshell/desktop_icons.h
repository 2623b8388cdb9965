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

enum class IconPoint {
    Position,  // where the item is placed (LVM_GETITEMPOSITION)
    Bounds,    // the top left corner of the item's bounding rectangle (LVM_GETITEMRECT, LVIR_BOUNDS)
};

// `caption:x:y` per item in item order, UTF-8, CR LF after each line.
std::string DescribeIcons(HWND listView, IconPoint point);

}  // namespace fakeshell
