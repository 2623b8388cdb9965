#include "ui/win32/grid_view.h"

#include <algorithm>
#include <string>

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/window_subclass.h"

namespace orvella::ui::win32 {
namespace {

int ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

}  // namespace

void NativeGridView::Created() {
    SubclassWindow(Handle());
    constexpr DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    Fill();
}

void NativeGridView::FillList() {
    if (grid_.Columns() != shownColumns_) FillColumns();
    FillRows();
}

// The list aligns the column inserted first to the left whatever it is given: the columns go in
// after a placeholder, which then goes, so the first of them keeps its alignment.
void NativeGridView::FillColumns() {
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    for (int column = ColumnCount(Handle()) - 1; column >= 0; --column) {
        SendMessageW(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
    }
    shownColumns_ = grid_.Columns();
    LVCOLUMNW placeholder{};
    placeholder.mask = LVCF_WIDTH;
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&placeholder));
    for (std::size_t index = 0; index < shownColumns_.size(); ++index) {
        const Grid::Column& column = shownColumns_[index];
        std::wstring title = ToUtf16(column.title);
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        item.fmt = column.centred ? LVCFMT_CENTER : LVCFMT_LEFT;
        item.cx = std::max(column.width, 0);
        item.pszText = title.data();
        item.iSubItem = static_cast<int>(index);
        SendMessageW(Handle(), LVM_INSERTCOLUMNW, index + 1, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), LVM_DELETECOLUMN, 0, 0);
}

void NativeGridView::FillRow(int row, bool insert) {
    const auto& cells = grid_.Rows()[static_cast<std::size_t>(row)];
    const int columns = static_cast<int>(shownColumns_.size());
    for (int column = 0; column < std::max(columns, 1); ++column) {
        const auto cell = static_cast<std::size_t>(column);
        SetCell(row, column, cell < cells.size() ? cells[cell] : std::string(), insert && column == 0);
    }
}

// The widths given stay; the last column also takes what the list's width leaves over.
void NativeGridView::FitColumns() {
    const int columns = static_cast<int>(shownColumns_.size());
    if (columns == 0) return;
    RECT client;
    GetClientRect(Handle(), &client);
    int others = 0;
    for (int column = 0; column + 1 < columns; ++column) {
        others += static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
    }
    const int width = std::max(shownColumns_.back().width, static_cast<int>(client.right - client.left) - others);
    SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(columns - 1), MAKELPARAM(width, 0));
}

int NativeGridView::RowCount() const { return static_cast<int>(grid_.Rows().size()); }

int NativeGridView::ModelRow() const { return grid_.Row(); }

// A grid always has its current row: a click beside the rows leaves it where it was.
void NativeGridView::UserSelected(int row) {
    if (row < 0) {
        ShowSelectionQuietly();
        return;
    }
    Grid& grid = grid_;
    App().Dispatch([&grid, row] {
        grid.AcceptNativeRow(row);
        if (grid.OnClick) grid.OnClick();
    });
}

bool NativeGridView::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != NM_DBLCLK) return ListViewControl::OnNotify(header, result);
    Grid& grid = grid_;
    App().Dispatch([&grid] {
        if (grid.OnDblClick) grid.OnDblClick();
    });
    result = 0;
    return true;
}

bool NativeGridView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK: {
            Grid& grid = grid_;
            App().Dispatch([&grid] {
                if (grid.OnMouseDown) grid.OnMouseDown();
            });
            return false;
        }
        case WM_KEYDOWN: {
            Grid& grid = grid_;
            const int key = static_cast<int>(wParam);
            App().Dispatch([&grid, key] {
                if (grid.OnKeyDown) grid.OnKeyDown(key);
            });
            return false;
        }
        case WM_GETDLGCODE: result = DialogCodeTakingEnter(Handle(), wParam, lParam); return true;
        default: return ListViewControl::HandleMessage(message, wParam, lParam, result);
    }
}

}  // namespace orvella::ui::win32
