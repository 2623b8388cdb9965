#include "ui/win32/native_form.h"

#include <algorithm>

#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/control_factory.h"
#include "ui/win32/screen_snap.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_style.h"

namespace orvella::ui::win32 {
namespace {

UINT_PTR TimerId(const Timer& timer) { return reinterpret_cast<UINT_PTR>(&timer); }

WindowStyle CurrentStyle(HWND window) {
    return {static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
            static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE))};
}

}  // namespace

NativeForm::NativeForm(Form& form, BindingContext& context)
    : NativeHost(form, nullptr, context), form_(form), hints_(*this, form, context.application) {}

NativeForm::~NativeForm() {
    if (Handle() == nullptr) return;
    ReleaseWindows();
    DestroyWindow(Handle());
}

void NativeForm::Create(HWND owner) {
    const std::wstring className = ToUtf16(form_.Name());
    RegisterFormClass(className);
    const WindowStyle style = FormWindowStyle(form_);
    const RECT outer = FormOuterRect(form_, style);
    // The window attaches itself while being created (see the window procedure).
    HWND window = CreateWindowExW(style.exStyle, className.c_str(), ToUtf16(form_.Text()).c_str(), style.style,
                                  outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, owner,
                                  nullptr, GetModuleHandleW(nullptr), static_cast<NativeControl*>(this));
    if (window == nullptr) ThrowLastOsError();
    if (form_.AlphaBlend()) ApplyAlpha();
    int nextId = kFirstControlId;
    CreateChildWindows(*this, Context(), nextId);
    for (Timer* timer : form_.Timers()) {
        timer->SetObserver(this);
        OnTimerChanged(*timer);
    }
}

void NativeForm::DetachModels() {
    for (Timer* timer : form_.Timers()) timer->SetObserver(nullptr);
    NativeHost::DetachModels();
}

void NativeForm::HideTaskbarEntry() {
    const auto exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if ((exStyle & WS_EX_TOOLWINDOW) != 0) return;
    // The shell only notices the change while the window is hidden.
    const bool visible = IsWindowVisible(Handle()) != FALSE;
    const bool active = GetActiveWindow() == Handle();
    if (visible) ShowWindow(Handle(), SW_HIDE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, (exStyle | WS_EX_TOOLWINDOW) & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
    if (visible) ShowWindow(Handle(), active ? SW_SHOW : SW_SHOWNA);
}

void NativeForm::OnTimerChanged(Timer& timer) {
    if (Handle() == nullptr) return;
    // As in the toolkit, an interval of 0 means the timer does not run.
    if (timer.Enabled() && timer.Interval() > 0) {
        SetTimer(Handle(), TimerId(timer), timer.Interval(), nullptr);
    } else {
        KillTimer(Handle(), TimerId(timer));
    }
}

void NativeForm::Apply(Property property) {
    switch (property) {
        case Property::Visible: ShowWindow(Handle(), form_.Visible() ? SW_SHOW : SW_HIDE); break;
        case Property::Bounds: ApplyBounds(); break;
        case Property::Alpha: ApplyAlpha(); break;
        default: NativeHost::Apply(property); break;
    }
}

void NativeForm::ApplyBounds() {
    const RECT outer = FormOuterRect(form_, CurrentStyle(Handle()));
    SetWindowPos(Handle(), nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeForm::ApplyAlpha() {
    const auto exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if ((exStyle & WS_EX_LAYERED) == 0) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    const int opacity = std::clamp(form_.AlphaBlend().value_or(255), 0, 255);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(opacity), LWA_ALPHA);
}

// The user moved or sized the window: the model takes the outer rectangle.
void NativeForm::AcceptBounds() {
    if (IsIconic(Handle())) return;
    RECT outer;
    GetWindowRect(Handle(), &outer);
    const Rect bounds{outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
    Form& form = form_;
    Context().application.Dispatch([&form, bounds] { form.AcceptNativeBounds(bounds); });
}

void NativeForm::FillClientArea(int width, int height) {
    if (IsIconic(Handle())) return;
    for (Control* child : form_.Children()) {
        if (!child->FillsForm()) continue;
        Context().application.Dispatch([child, width, height] { child->SetBounds({0, 0, width, height}); });
    }
}

void NativeForm::FireTimer(UINT_PTR id) {
    for (Timer* timer : form_.Timers()) {
        if (TimerId(*timer) == id) {
            Context().application.Dispatch([timer] { timer->Fire(); });
            return;
        }
    }
}

void NativeForm::RememberFocus() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(Handle(), focus)) lastFocus_ = focus;
}

// Back to the control that had the focus when the form was last left, else to the first one
// the keyboard reaches.
void NativeForm::RestoreFocus() {
    HWND target = lastFocus_;
    if (target == nullptr || !IsWindow(target) || !IsChild(Handle(), target) || !IsWindowVisible(target) ||
        !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    }
    if (target != nullptr) SetFocus(target);
}

// Enter presses the focused button, as in the toolkit's forms: the keyboard navigation asks the
// form for its default button and clicks it.
LRESULT NativeForm::FocusedButton() const {
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(Handle(), focus)) return 0;
    const NativeControl* control = FromHandle(focus);
    if (control == nullptr || control->Model().Kind() != ControlKind::Button) return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

// F1: the form's help, if it gives one; otherwise the request goes on to the owner window.
bool NativeForm::Help() {
    Form& form = form_;
    bool handled = false;
    Context().application.Dispatch([&form, &handled] { handled = form.FormHelp(); });
    return handled;
}

bool NativeForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE: {
            Form& form = form_;
            Context().application.Dispatch([&form] { form.Close(); });
            result = 0;
            return true;
        }
        case WM_MOVE: AcceptBounds(); return false;
        case WM_SIZE:
            AcceptBounds();
            FillClientArea(LOWORD(lParam), HIWORD(lParam));
            return false;
        case WM_ENTERSIZEMOVE: userMoving_ = true; return false;
        case WM_EXITSIZEMOVE: userMoving_ = false; return false;
        // Only the user's moves snap: a position the program sets is kept as it is.
        case WM_WINDOWPOSCHANGING:
            if (userMoving_ && form_.ScreenSnap()) SnapToWorkArea(Handle(), *reinterpret_cast<WINDOWPOS*>(lParam));
            return false;
        case WM_HELP:
            if (!Help()) return false;
            result = TRUE;
            return true;
        case WM_TIMER:
            if (hints_.OwnsTimer(wParam)) {
                hints_.TimerFired();
            } else {
                FireTimer(wParam);
            }
            return true;
        case WM_ENDSESSION:
            // No loop end follows a log-off: the process is stopped after this message.
            if (wParam != FALSE) Context().application.EndSession();
            result = 0;
            return true;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
            return false;
        case WM_SETFOCUS: RestoreFocus(); return true;
        case DM_GETDEFID: result = FocusedButton(); return true;
        default: return NativeHost::HandleMessage(message, wParam, lParam, result);
    }
}

}  // namespace orvella::ui::win32
