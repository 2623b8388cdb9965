#pragma once
#include <windows.h>

#include "ui/form.h"

namespace orvella::ui::win32 {

struct WindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// The styles a form's window is created with, from its border style, top-most flag and alpha.
WindowStyle FormWindowStyle(const Form& form);

// The style bits a child window's text asks for: a push button whose text has a "\n" shows it on
// several lines (only then: single lines are not wrapped).
DWORD TextStyle(const Control& control);

// The outer rectangle for the form's bounds. While the bounds carry the size the form asked for
// as its client size, the frame of a window of the given style is added around it.
RECT FormOuterRect(const Form& form, const WindowStyle& style);

}  // namespace orvella::ui::win32
