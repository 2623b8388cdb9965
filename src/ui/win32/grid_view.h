#pragma once
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "ui/text_controls.h"
#include "ui/win32/list_view_control.h"

namespace orvella::ui::win32 {

// A grid as a list view in report mode: the model's columns under a header the user can resize,
// its rows, whole rows selected, the current row selected and focused. The last column takes the
// width the others leave. The user's move to another row goes into the model, then OnClick runs;
// a mouse button pressed on the rows runs OnMouseDown before the list acts on it (a right click's
// context menu comes later); a key runs OnKeyDown before the list handles it (Enter included), a
// double click OnDblClick. What the program puts into the grid raises none.
class NativeGridView : public ListViewControl {
public:
    NativeGridView(Grid& model, NativeControl* parent, BindingContext& context)
        : ListViewControl(model, parent, context, LVIS_SELECTED | LVIS_FOCUSED), grid_(model) {}

    void Created() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void FillList() override;
    void FillRow(int row, bool insert) override;
    void FitColumns() override;
    int RowCount() const override;
    int ModelRow() const override;
    void UserSelected(int row) override;

private:
    void FillColumns();

    Grid& grid_;
    // The columns the list shows: only a change of them rebuilds the header (and drops the widths
    // the user gave).
    std::vector<Grid::Column> shownColumns_;
};

}  // namespace orvella::ui::win32
