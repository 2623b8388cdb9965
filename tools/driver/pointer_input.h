#pragma once
#include <windows.h>

#include <vector>

namespace orvdriver {

// The pointer moved to a point of a window's client area through the input queue, as a user moves
// it, with the window brought to the front first.
void PointAt(HWND window, POINT client);
// A left press and release where the pointer is.
void PressLeftButton();
void PressRightButton();
// Keys pressed and released one after the other, to the window that has the keyboard focus.
void PressKeys(const std::vector<WORD>& virtualKeys);

}  // namespace orvdriver
