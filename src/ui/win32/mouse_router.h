#pragma once
#include <windows.h>

#include <functional>

#include "ui/control.h"

namespace orvella::ui {
class Application;
}

namespace orvella::ui::win32 {

class DrawnLayer;

// The mouse on one of our hosts (a form, panel, group box or page): the drawn child under the
// pointer, else the window's own model, takes the presses of any button; a left press and release
// over the same control is its click. The drawn child under the pointer is the hovered one: it
// gets the enter and leave events and picks the cursor. The hover and the press are kept here,
// not in the models.
class MouseRouter {
public:
    MouseRouter(HWND host, Control& hostModel, DrawnLayer& layer, Application& application);
    MouseRouter(const MouseRouter&) = delete;
    MouseRouter& operator=(const MouseRouter&) = delete;

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    const Control* Hovered() const { return hovered_; }
    // Controls were shown, hidden, moved or disabled: the one under the pointer is looked for again
    // once the running handler has returned.
    void Recheck();

private:
    Control* Target(POINT client) const;
    void Moved(POINT client);
    void Pressed(POINT client, bool left);
    void Released(POINT client);
    void HoverFromCursor();
    void HoverOver(Control* control);
    bool SetCursorFor(POINT screen) const;
    void Fire(Control& control, std::function<void()> Control::*event);

    HWND host_;
    Control& hostModel_;
    DrawnLayer& layer_;
    Application& application_;
    Control* hovered_ = nullptr;
    Control* pressed_ = nullptr;
    bool trackingLeave_ = false;
    bool recheckPosted_ = false;
};

}  // namespace orvella::ui::win32
