#include "ui/win32/memo_edit.h"

#include "ui/application.h"
#include "ui/win32/window_subclass.h"
#include "ui/win32/window_text.h"

namespace orvella::ui::win32 {

// Subclassed for a context menu of the model's own in place of the edit's.
void NativeMemo::Created() { SubclassWindow(Handle()); }

void NativeMemo::Apply(Property property) {
    setting_ = property == Property::Text;
    NativeControl::Apply(property);
    setting_ = false;
}

bool NativeMemo::OnCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (setting_) return true;
    Memo& memo = memo_;
    std::string text = WindowText(Handle());
    App().Dispatch([&memo, &text] { memo.AcceptNativeText(std::move(text)); });
    return true;
}

}  // namespace orvella::ui::win32
