#include "ui/win32/native_button.h"

#include "ui/application.h"
#include "ui/win32/window_style.h"

namespace orvella::ui::win32 {

void NativeButton::Created() {
    if (Model().Kind() != ControlKind::Button) Apply(Property::Checked);
}

void NativeButton::Apply(Property property) {
    if (property == Property::Checked) {
        if (Model().Kind() == ControlKind::Button) return;
        const bool checked = static_cast<CheckBox&>(Model()).Checked();
        SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    if (property == Property::Text && Model().Kind() == ControlKind::Button) {
        // The new text may have lines where the old one had none, or the other way round.
        const auto style = GetWindowLongPtrW(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(BS_MULTILINE);
        SetWindowLongPtrW(Handle(), GWL_STYLE, style | static_cast<LONG_PTR>(TextStyle(Model())));
    }
    NativeControl::Apply(property);
}

bool NativeButton::OnCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    switch (Model().Kind()) {
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(Model());
            const bool checked = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
            App().Dispatch([&box, checked] {
                box.AcceptNativeChecked(checked);
                if (box.OnClick) box.OnClick();
            });
            break;
        }
        case ControlKind::RadioButton: {
            auto& radio = static_cast<RadioButton&>(Model());
            // Only a change of the choice is an event: a click on the chosen button, or the focus
            // coming to it, changes nothing.
            if (radio.Checked()) break;
            App().Dispatch([&radio] {
                radio.AcceptNativeChoice();
                if (radio.OnClick) radio.OnClick();
            });
            break;
        }
        default: {
            Control& button = Model();
            App().Dispatch([&button] {
                if (button.OnClick) button.OnClick();
            });
            break;
        }
    }
    return true;
}

}  // namespace orvella::ui::win32
