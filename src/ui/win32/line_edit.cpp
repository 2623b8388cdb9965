#include "ui/win32/line_edit.h"

#include "ui/application.h"
#include "ui/win32/window_subclass.h"
#include "ui/win32/window_text.h"

namespace orvella::ui::win32 {

void NativeEdit::Created() { SubclassWindow(Handle()); }

void NativeEdit::Apply(Property property) {
    setting_ = property == Property::Text;
    NativeControl::Apply(property);
    setting_ = false;
}

bool NativeEdit::OnCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (setting_) return true;
    Edit& edit = edit_;
    std::string text = WindowText(Handle());
    App().Dispatch([&edit, &text] {
        edit.AcceptNativeText(std::move(text));
        if (edit.OnChange) edit.OnChange();
    });
    return true;
}

bool NativeEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE: result = DialogCodeTakingEnter(Handle(), wParam, lParam); return true;
        case WM_KEYDOWN: {
            Edit& edit = edit_;
            const int key = static_cast<int>(wParam);
            App().Dispatch([&edit, key] {
                if (edit.OnKeyDown) edit.OnKeyDown(key);
            });
            return false;
        }
        // A one-line edit beeps at the Enter character.
        case WM_CHAR:
            if (wParam != L'\r') return false;
            result = 0;
            return true;
        default: return false;
    }
}

}  // namespace orvella::ui::win32
