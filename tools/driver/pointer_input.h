#pragma once
#include <windows.h>

namespace orvdriver {

// The pointer moved to a point of a window's client area through the input queue, as a user moves
// it, with the window brought to the front first.
void PointAt(HWND window, POINT client);
// A left press and release where the pointer is.
void PressLeftButton();

}  // namespace orvdriver
