#include "ui/win32/hint_tracker.h"

#include "ui/application.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {
namespace {

// How often the pointer is looked for while it is over the form.
constexpr UINT kWatchMilliseconds = 200;

}  // namespace

void HintTracker::PointerAt(POINT screen) { HoverOver(ControlAt(screen)); }

void HintTracker::TimerFired() {
    POINT cursor;
    HoverOver(GetCursorPos(&cursor) ? ControlAt(cursor) : nullptr);
}

// The innermost of our windows under the point (an arrow of a spin edit, say, leads to the spin
// edit), then the drawn control there if that window holds drawn controls.
Control* HintTracker::ControlAt(POINT screen) const {
    HWND window = WindowFromPoint(screen);
    if (window == nullptr || GetAncestor(window, GA_ROOT) != form_.Handle()) return nullptr;
    NativeControl* native = nullptr;
    for (; window != nullptr && native == nullptr; window = GetAncestor(window, GA_PARENT)) {
        native = NativeControl::FromHandle(window);
    }
    if (native == nullptr) return nullptr;
    if (const DrawnLayer* layer = native->Drawn()) {
        POINT client = screen;
        ScreenToClient(native->Handle(), &client);
        if (Control* drawn = layer->HitTest(client)) return drawn;
    }
    return &native->Model();
}

void HintTracker::HoverOver(Control* control) {
    if (control != nullptr && !watching_) {
        watching_ = SetTimer(form_.Handle(), TimerId(), kWatchMilliseconds, nullptr) != 0;
    } else if (control == nullptr && watching_) {
        KillTimer(form_.Handle(), TimerId());
        watching_ = false;
    }
    std::string hint = control != nullptr && !control->ShowHint() ? control->Hint() : std::string();
    if (control == hovered_ && hint == shownHint_) return;
    hovered_ = control;
    shownHint_ = hint;
    Form& form = model_;
    application_.Dispatch([&form, &hint] {
        if (form.OnHint) form.OnHint(hint);
    });
}

}  // namespace orvella::ui::win32
