#include "ui/win32/check_list_view.h"

#include "ui/application.h"
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

void NativeCheckListView::FillRow(int row, bool insert) {
    const auto& entry = list_.Items()[static_cast<std::size_t>(row)];
    SetCell(row, 0, entry.text, insert);
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = CheckState(entry.checked);
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The one column fills the list's width, whether a scroll bar takes some of it or not.
void NativeCheckListView::FitColumns() {
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(client.right - client.left, 0));
}

int NativeCheckListView::RowCount() const { return list_.Count(); }

int NativeCheckListView::ModelRow() const { return list_.ItemIndex(); }

bool NativeCheckListView::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case NM_DBLCLK: {
            CheckListBox& list = list_;
            App().Dispatch([&list] {
                if (list.OnDblClick) list.OnDblClick();
            });
            result = 0;
            return true;
        }
        case LVN_KEYDOWN: {
            CheckListBox& list = list_;
            const int key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
            App().Dispatch([&list, key] {
                if (list.OnKeyDown) list.OnKeyDown(key);
            });
            result = 0;
            return true;
        }
        default: return ListViewControl::OnNotify(header, result);
    }
}

void NativeCheckListView::StateChanged(const NMLISTVIEW& change) {
    const UINT changed = change.uNewState ^ change.uOldState;
    // An entry without a state image yet is being added, not toggled.
    if ((changed & LVIS_STATEIMAGEMASK) != 0 && (change.uOldState & LVIS_STATEIMAGEMASK) != 0 && change.iItem >= 0) {
        CheckToggled(change.iItem, IsChecked(change.uNewState));
    }
    ListViewControl::StateChanged(change);
}

void NativeCheckListView::CheckToggled(int index, bool checked) {
    if (index >= list_.Count() || list_.Items()[static_cast<std::size_t>(index)].checked == checked) return;
    CheckListBox& list = list_;
    App().Dispatch([&list, index, checked] {
        list.AcceptNativeChecked(index, checked);
        if (list.OnClickCheck) list.OnClickCheck();
    });
}

void NativeCheckListView::UserSelected(int row) {
    CheckListBox& list = list_;
    App().Dispatch([&list, row] {
        list.AcceptNativeItemIndex(row);
        if (list.OnClick) list.OnClick();
    });
}

}  // namespace orvella::ui::win32
