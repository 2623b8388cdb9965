#include "ui/win32/check_list_view.h"

#include <string>

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/window_subclass.h"

namespace orvella::ui::win32 {
namespace {

UINT CheckState(bool checked) { return INDEXTOSTATEIMAGEMASK(checked ? 2u : 1u); }

bool IsChecked(UINT state) { return (state & LVIS_STATEIMAGEMASK) == CheckState(true); }

}  // namespace

void NativeCheckListView::Created() {
    SubclassWindow(Handle());
    constexpr DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    Fill();
}

void NativeCheckListView::Apply(Property property) {
    switch (property) {
        case Property::Items: Fill(); break;
        case Property::Selection:
            filling_ = true;
            ShowSelection();
            filling_ = false;
            break;
        case Property::Bounds:
            NativeControl::Apply(property);
            FitColumn();
            break;
        case Property::Text: break;  // the entries are the text
        default: NativeControl::Apply(property); break;
    }
}

// Entries already shown are changed in place, so the list keeps its scroll position.
void NativeCheckListView::Fill() {
    filling_ = true;
    const auto& items = list_.Items();
    const int count = list_.Count();
    const int shown = static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = shown - 1; row >= count; --row) SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    for (int row = 0; row < count; ++row) {
        const auto& entry = items[static_cast<std::size_t>(row)];
        std::wstring text = ToUtf16(entry.text);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        if (row < shown) {
            SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        } else {
            SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = CheckState(entry.checked);
        SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    ShowSelection();
    filling_ = false;
    FitColumn();
}

void NativeCheckListView::ShowSelection() {
    const int wanted = list_.ItemIndex();
    if (SelectedRow() == wanted) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (wanted < 0) return;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(wanted), reinterpret_cast<LPARAM>(&item));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(wanted), FALSE);
}

// The one column fills the list's width, whether a scroll bar takes some of it or not.
void NativeCheckListView::FitColumn() {
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(client.right - client.left, 0));
}

int NativeCheckListView::SelectedRow() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool NativeCheckListView::OnNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
        case LVN_ITEMCHANGED: ItemChanged(reinterpret_cast<const NMLISTVIEW&>(header)); return true;
        case NM_DBLCLK: {
            CheckListBox& list = list_;
            App().Dispatch([&list] {
                if (list.OnDblClick) list.OnDblClick();
            });
            return true;
        }
        case LVN_KEYDOWN: {
            CheckListBox& list = list_;
            const int key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
            App().Dispatch([&list, key] {
                if (list.OnKeyDown) list.OnKeyDown(key);
            });
            return true;
        }
        default: return false;
    }
}

// Moving the selection from one entry to another first takes it from the old one: a selection
// lost is looked at once the list is done, when it may have gone to another entry.
void NativeCheckListView::ItemChanged(const NMLISTVIEW& change) {
    if (filling_ || (change.uChanged & LVIF_STATE) == 0) return;
    const UINT changed = change.uNewState ^ change.uOldState;
    // An entry without a state image yet is being added, not toggled.
    if ((changed & LVIS_STATEIMAGEMASK) != 0 && (change.uOldState & LVIS_STATEIMAGEMASK) != 0 && change.iItem >= 0) {
        CheckToggled(change.iItem, IsChecked(change.uNewState));
    }
    if ((changed & LVIS_SELECTED) == 0) return;
    if ((change.uNewState & LVIS_SELECTED) != 0 && change.iItem >= 0) {
        TakeSelection();
    } else if (!selectionCheckPosted_) {
        selectionCheckPosted_ = PostMessageW(Handle(), kTakeSelection, 0, 0) != FALSE;
    }
}

void NativeCheckListView::CheckToggled(int index, bool checked) {
    if (index >= list_.Count() || list_.Items()[static_cast<std::size_t>(index)].checked == checked) return;
    CheckListBox& list = list_;
    App().Dispatch([&list, index, checked] {
        list.AcceptNativeChecked(index, checked);
        if (list.OnClickCheck) list.OnClickCheck();
    });
}

void NativeCheckListView::TakeSelection() {
    const int row = SelectedRow();
    if (row == list_.ItemIndex() || row >= list_.Count()) return;
    CheckListBox& list = list_;
    App().Dispatch([&list, row] {
        list.AcceptNativeItemIndex(row);
        if (list.OnClick) list.OnClick();
    });
}

bool NativeCheckListView::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kTakeSelection) return false;
    selectionCheckPosted_ = false;
    TakeSelection();
    result = 0;
    return true;
}

}  // namespace orvella::ui::win32
