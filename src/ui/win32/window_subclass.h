#pragma once
#include <windows.h>

namespace orvella::ui::win32 {

// Hands a system control's own messages to its native control's HandleMessage before the
// control's class sees them, while the window is attached (findable).
void SubclassWindow(HWND window);

// WM_GETDLGCODE of a subclassed control that takes Enter itself, where the form's keyboard
// navigation would otherwise keep it.
LRESULT DialogCodeTakingEnter(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace orvella::ui::win32
