#pragma once
#include <windows.h>

#include <commctrl.h>

#include "ui/check_list_box.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A check list box as a list view in report mode: one column as wide as the list, no header, a
// check box before every entry, one entry selected at most. The user's selection change runs
// OnClick, a box the user toggles OnClickCheck, each after the model has taken the change; a
// double click runs OnDblClick, a key OnKeyDown. What the program puts into the list raises none.
class NativeCheckListView : public NativeControl {
public:
    NativeCheckListView(CheckListBox& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), list_(model) {}

    void Created() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void Apply(Property property) override;

private:
    void Fill();
    void ShowSelection();
    void FitColumn();
    void ItemChanged(const NMLISTVIEW& change);
    void CheckToggled(int index, bool checked);
    void TakeSelection();
    int SelectedRow() const;

    CheckListBox& list_;
    // The program is changing the list: its change notices are not the user's.
    bool filling_ = false;
    bool selectionCheckPosted_ = false;
};

}  // namespace orvella::ui::win32
