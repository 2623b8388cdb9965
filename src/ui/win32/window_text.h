#pragma once
#include <windows.h>

#include <string>

namespace orvella::ui::win32 {

// The window's text as UTF-8.
std::string WindowText(HWND window);

}  // namespace orvella::ui::win32
