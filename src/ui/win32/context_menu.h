#pragma once
#include <windows.h>

#include "ui/popup_menu.h"

namespace orvella::ui {
class Application;
}

namespace orvella::ui::win32 {

// Opens `menu` for the window that got WM_CONTEXTMENU at `position` (its lParam: screen
// coordinates, or -1 from the keyboard, when the menu opens at the window's top left corner).
// OnPopup runs first and the chosen item's onClick after the menu has closed, both through the
// dispatch.
void ShowContextMenu(PopupMenu& menu, HWND window, LPARAM position, Application& application);

}  // namespace orvella::ui::win32
