#pragma once
#include <windows.h>

namespace orvella::ui::win32 {

// Moves a window's new position onto the edges of its monitor's work area when it comes within a
// few pixels of them. For WM_WINDOWPOSCHANGING; a change that does not move the window is left.
void SnapToWorkArea(HWND window, WINDOWPOS& position);

}  // namespace orvella::ui::win32
