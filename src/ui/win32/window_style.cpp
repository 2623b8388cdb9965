#include "ui/win32/window_style.h"

#include <string>

namespace orvella::ui::win32 {

WindowStyle FormWindowStyle(const Form& form) {
    WindowStyle result;
    switch (form.GetBorderStyle()) {
        case BorderStyle::Sizeable: result.style = WS_OVERLAPPEDWINDOW; break;
        case BorderStyle::Single: result.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; break;
        case BorderStyle::None: result.style = WS_POPUP; break;
    }
    result.style |= WS_CLIPCHILDREN;
    // Lets the dialog keyboard navigation walk into panels.
    result.exStyle = WS_EX_CONTROLPARENT;
    if (form.TopMost()) result.exStyle |= WS_EX_TOPMOST;
    if (form.AlphaBlend()) result.exStyle |= WS_EX_LAYERED;
    return result;
}

DWORD TextStyle(const Control& control) {
    if (control.Kind() != ControlKind::Button) return 0;
    const bool lines = control.Text().find('\n') != std::string::npos;
    return lines || static_cast<const Button&>(control).WordWrap() ? BS_MULTILINE : 0;
}

RECT FormOuterRect(const Form& form, const WindowStyle& style) {
    const Rect& bounds = form.Bounds();
    RECT outer{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
    const auto& client = form.ClientSize();
    if (client && client->width == bounds.width && client->height == bounds.height) {
        RECT frame{0, 0, client->width, client->height};
        AdjustWindowRectEx(&frame, style.style, FALSE, style.exStyle);
        outer.right = outer.left + (frame.right - frame.left);
        outer.bottom = outer.top + (frame.bottom - frame.top);
    }
    return outer;
}

}  // namespace orvella::ui::win32
