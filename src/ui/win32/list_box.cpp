#include "ui/win32/list_box.h"

#include "platform/win32/utf16.h"
#include "ui/application.h"

namespace orvella::ui::win32 {

void NativeListBox::Apply(Property property) {
    switch (property) {
        case Property::Items: Fill(); break;
        case Property::Selection: ShowSelection(); break;
        case Property::Text: break;  // the lines are the text
        default: NativeControl::Apply(property); break;
    }
}

void NativeListBox::Fill() {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const std::string& item : list_.Items()) {
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(item).c_str()));
    }
    ShowSelection();
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The list box tells nothing of a selection the program sets.
void NativeListBox::ShowSelection() {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
}

bool NativeListBox::OnCommand(WORD code) {
    if (code != LBN_SELCHANGE) return false;
    const auto selected = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    const int index = selected == LB_ERR ? -1 : static_cast<int>(selected);
    if (index == list_.ItemIndex()) return true;
    ListBox& list = list_;
    App().Dispatch([&list, index] {
        list.AcceptNativeItemIndex(index);
        if (list.OnClick) list.OnClick();
    });
    return true;
}

}  // namespace orvella::ui::win32
