#pragma once
#include <windows.h>

namespace orvella::ui::win32 {

// Hands a system control's own messages to its native control's HandleMessage before the
// control's class sees them, while the window is attached (findable).
void SubclassWindow(HWND window);

}  // namespace orvella::ui::win32
