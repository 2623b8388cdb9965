#include "ui/win32/spin_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>
#include <string>

#include "platform/win32/system_error_text.h"
#include "ui/application.h"
#include "ui/win32/window_subclass.h"
#include "ui/win32/window_text.h"

namespace orvella::ui::win32 {
namespace {

// The number a text stands for, spaces around it allowed; one beyond the range of int counts as
// the nearest int.
std::optional<int> ParseNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const char* begin = text.data() + first;
    const char* end = text.data() + text.find_last_not_of(' ') + 1;
    long long value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (stop != end || (error != std::errc() && error != std::errc::result_out_of_range)) return std::nullopt;
    if (error == std::errc::result_out_of_range) value = *begin == '-' ? LLONG_MIN : LLONG_MAX;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

void NativeSpinEdit::Created() {
    // For a context menu of the model's own in place of the edit's.
    SubclassWindow(Handle());
    DWORD style = WS_CHILD | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK;
    if (spin_.Visible()) style |= WS_VISIBLE;
    if (!spin_.Enabled()) style |= WS_DISABLED;
    arrows_ = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, style, 0, 0, 0, 0, GetParent(Handle()), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (arrows_ == nullptr) ThrowLastOsError();
    // The pointer over the arrows is over this control.
    SetPropW(arrows_, kControlProperty, this);
    // Placed at the edit's right edge, inside the control's bounds: the edit gives up the room.
    SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    ApplyRange();
    ShowValue();
}

void NativeSpinEdit::ReleaseWindows() {
    if (arrows_ != nullptr) RemovePropW(arrows_, kControlProperty);
    NativeControl::ReleaseWindows();
}

void NativeSpinEdit::Apply(Property property) {
    switch (property) {
        case Property::Text: break;  // the text is the value
        case Property::Value: ApplyValue(); break;
        case Property::Visible:
            NativeControl::Apply(property);
            ShowWindow(arrows_, spin_.Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
            break;
        case Property::Enabled:
            NativeControl::Apply(property);
            EnableWindow(arrows_, spin_.Enabled() ? TRUE : FALSE);
            break;
        case Property::Bounds:
            NativeControl::Apply(property);
            SendMessageW(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
            break;
        default: NativeControl::Apply(property); break;
    }
}

int NativeSpinEdit::Clamped(int number) const {
    return std::clamp(number, spin_.MinValue(), std::max(spin_.MinValue(), spin_.MaxValue()));
}

void NativeSpinEdit::ApplyRange() {
    const int low = spin_.MinValue();
    const int high = Clamped(spin_.MaxValue());
    SendMessageW(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    // Digits only, unless the range takes a minus sign.
    const auto style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const auto wanted = low >= 0 ? style | ES_NUMBER : style & ~static_cast<LONG_PTR>(ES_NUMBER);
    if (wanted != style) SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

// While the user types, a number the model has clamped stays as typed until the focus leaves.
void NativeSpinEdit::ApplyValue() {
    ApplyRange();
    if (GetFocus() == Handle()) {
        const auto typed = ParseNumber(WindowText(Handle()));
        if (typed && Clamped(*typed) == spin_.Value()) return;
    }
    ShowValue();
}

void NativeSpinEdit::ShowValue() {
    setting_ = true;
    SendMessageW(arrows_, UDM_SETPOS32, 0, static_cast<LPARAM>(spin_.Value()));
    SetWindowTextW(Handle(), std::to_wstring(spin_.Value()).c_str());
    setting_ = false;
}

void NativeSpinEdit::Typed() {
    const auto number = ParseNumber(WindowText(Handle()));
    if (!number) return;
    SpinEdit& spin = spin_;
    App().Dispatch([&spin, value = *number] { spin.SetValue(value); });
}

bool NativeSpinEdit::OnCommand(WORD code) {
    switch (code) {
        case EN_CHANGE:
            if (!setting_) Typed();
            return true;
        case EN_KILLFOCUS:
            if (WindowText(Handle()) != std::to_string(spin_.Value())) ShowValue();
            return true;
        default: return false;
    }
}

}  // namespace orvella::ui::win32
