#include "ui/win32/mouse_router.h"

#include <windowsx.h>

#include <utility>

#include "ui/application.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/private_messages.h"

namespace orvella::ui::win32 {
namespace {

POINT ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

MouseRouter::MouseRouter(HWND host, Control& hostModel, DrawnLayer& layer, Application& application)
    : host_(host), hostModel_(hostModel), layer_(layer), application_(application) {}

bool MouseRouter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_MOUSEMOVE: Moved(ClientPoint(lParam)); return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: Pressed(ClientPoint(lParam), true); return true;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: Pressed(ClientPoint(lParam), false); return true;
        case WM_LBUTTONUP: Released(ClientPoint(lParam)); return true;
        case WM_CAPTURECHANGED: pressed_ = nullptr; return true;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            // While the mouse is captured its moves still come here.
            if (GetCapture() != host_) HoverFromCursor();
            return true;
        case kRecheckHover:
            recheckPosted_ = false;
            HoverFromCursor();
            return true;
        case WM_SETCURSOR: {
            if (reinterpret_cast<HWND>(wParam) != host_ || LOWORD(lParam) != HTCLIENT) return false;
            POINT cursor;
            if (!GetCursorPos(&cursor) || !SetCursorFor(cursor)) return false;
            result = TRUE;
            return true;
        }
        default: return false;
    }
}

void MouseRouter::Recheck() {
    if (recheckPosted_) return;
    recheckPosted_ = PostMessageW(host_, kRecheckHover, 0, 0) != FALSE;
}

// The drawn child at the point, else the window itself; none outside the window's own area.
Control* MouseRouter::Target(POINT client) const {
    if (!layer_.OwnsPoint(client)) return nullptr;
    if (Control* child = layer_.HitTest(client)) return child;
    return &hostModel_;
}

void MouseRouter::Moved(POINT client) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, host_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    HoverOver(layer_.HitTest(client));
}

void MouseRouter::Pressed(POINT client, bool left) {
    Control* target = Target(client);
    if (target == nullptr) return;
    // Held until the release decides about the click; a handler that starts a drag of the window
    // takes the capture away, and with it the click.
    if (left) {
        pressed_ = target;
        SetCapture(host_);
    }
    Fire(*target, &Control::OnMouseDown);
}

void MouseRouter::Released(POINT client) {
    Control* pressed = std::exchange(pressed_, nullptr);
    if (GetCapture() == host_) ReleaseCapture();
    // The click's handler may run a modal loop: nothing of the press is left by then.
    if (pressed != nullptr && Target(client) == pressed) Fire(*pressed, &Control::OnClick);
}

void MouseRouter::HoverFromCursor() {
    POINT cursor;
    Control* under = nullptr;
    if (GetCursorPos(&cursor) && IsWindowVisible(host_) && WindowFromPoint(cursor) == host_ &&
        ScreenToClient(host_, &cursor)) {
        under = layer_.HitTest(cursor);
    }
    HoverOver(under);
}

// The old control's leave comes before the new one's enter. Each handler may show or hide
// controls, so what is under the pointer is looked for again when the newcomer no longer takes
// the mouse or another hover change came in between.
void MouseRouter::HoverOver(Control* control) {
    if (control == hovered_) return;
    if (Control* previous = std::exchange(hovered_, nullptr)) {
        layer_.HoverChanged(*previous);
        Fire(*previous, &Control::OnMouseLeave);
        if (hovered_ != nullptr || (control != nullptr && !layer_.TakesMouse(*control))) {
            Recheck();
            return;
        }
    }
    if (control == nullptr) return;
    hovered_ = control;
    layer_.HoverChanged(*control);
    Fire(*control, &Control::OnMouseEnter);
}

bool MouseRouter::SetCursorFor(POINT screen) const {
    if (!ScreenToClient(host_, &screen)) return false;
    const Control* target = Target(screen);
    if (target == nullptr) return false;
    switch (target->GetCursor()) {
        case Cursor::Default: return false;  // the class's arrow
        case Cursor::SizeAll: SetCursor(LoadCursorW(nullptr, IDC_SIZEALL)); return true;
    }
    return false;
}

void MouseRouter::Fire(Control& control, std::function<void()> Control::*event) {
    application_.Dispatch([&control, event] {
        if (control.*event) (control.*event)();
    });
}

}  // namespace orvella::ui::win32
