#pragma once
#include <windows.h>

#include <commctrl.h>

#include "ui/check_list_box.h"
#include "ui/win32/list_view_control.h"

namespace orvella::ui::win32 {

// A check list box as a list view in report mode: one column as wide as the list, no header, a
// check box before every entry, one entry selected at most. The user's selection change runs
// OnClick, a box the user toggles OnClickCheck, each after the model has taken the change; a
// double click runs OnDblClick, a key OnKeyDown. What the program puts into the list raises none.
class NativeCheckListView : public ListViewControl {
public:
    // Taking the selection away leaves the focus on its entry.
    NativeCheckListView(CheckListBox& model, NativeControl* parent, BindingContext& context)
        : ListViewControl(model, parent, context, LVIS_SELECTED), list_(model) {}

    void Created() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

protected:
    void FillRow(int row, bool insert) override;
    void FitColumns() override;
    void StateChanged(const NMLISTVIEW& change) override;
    int RowCount() const override;
    int ModelRow() const override;
    void UserSelected(int row) override;

private:
    void CheckToggled(int index, bool checked);

    CheckListBox& list_;
};

}  // namespace orvella::ui::win32
