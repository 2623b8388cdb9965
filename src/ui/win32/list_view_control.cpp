#include "ui/win32/list_view_control.h"

#include "platform/win32/utf16.h"
#include "ui/win32/private_messages.h"

namespace orvella::ui::win32 {

void ListViewControl::Apply(Property property) {
    switch (property) {
        case Property::Items: Fill(); break;
        case Property::Selection: ShowSelectionQuietly(); break;
        case Property::Bounds:
            NativeControl::Apply(property);
            FitColumns();
            break;
        case Property::Text: break;  // the rows are the text
        default: NativeControl::Apply(property); break;
    }
}

void ListViewControl::Fill() {
    filling_ = true;
    FillList();
    ShowSelection();
    filling_ = false;
    FitColumns();
}

// Rows already shown are changed in place, so the list keeps its scroll position.
void ListViewControl::FillRows() {
    const int count = RowCount();
    const int shown = static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
    for (int row = shown - 1; row >= count; --row) SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    for (int row = 0; row < count; ++row) FillRow(row, row >= shown);
}

void ListViewControl::SetCell(int row, int column, const std::string& text, bool insert) {
    std::wstring wide = ToUtf16(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = wide.data();
    if (insert) {
        SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    } else {
        SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

void ListViewControl::ShowSelectionQuietly() {
    filling_ = true;
    ShowSelection();
    filling_ = false;
}

void ListViewControl::ShowSelection() {
    const int wanted = ModelRow();
    if (SelectedRow() == wanted) return;
    LVITEMW item{};
    item.stateMask = deselectedStates_;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (wanted < 0) return;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(wanted), reinterpret_cast<LPARAM>(&item));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(wanted), FALSE);
}

int ListViewControl::SelectedRow() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool ListViewControl::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!filling_ && (change.uChanged & LVIF_STATE) != 0) StateChanged(change);
    result = 0;
    return true;
}

// Moving the selection from one row to another first takes it from the old one: a selection lost
// is looked at once the list is done, when it may have gone to another row.
void ListViewControl::StateChanged(const NMLISTVIEW& change) {
    if (((change.uNewState ^ change.uOldState) & LVIS_SELECTED) == 0) return;
    if ((change.uNewState & LVIS_SELECTED) != 0 && change.iItem >= 0) {
        TakeSelection();
    } else if (!selectionCheckPosted_) {
        selectionCheckPosted_ = PostMessageW(Handle(), kTakeSelection, 0, 0) != FALSE;
    }
}

void ListViewControl::TakeSelection() {
    const int row = SelectedRow();
    if (row == ModelRow() || row >= RowCount()) return;
    UserSelected(row);
}

bool ListViewControl::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kTakeSelection) return false;
    selectionCheckPosted_ = false;
    TakeSelection();
    result = 0;
    return true;
}

}  // namespace orvella::ui::win32
