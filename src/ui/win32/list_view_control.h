#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A list view in report mode bound to a model with rows and one current row (-1: none). What the
// program puts into the list raises no event; the row the user selects goes into the model.
class ListViewControl : public NativeControl {
public:
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    // `deselectedStates`: what every row loses before the model's row is shown selected.
    ListViewControl(Control& model, NativeControl* parent, BindingContext& context, UINT deselectedStates)
        : NativeControl(model, parent, context), deselectedStates_(deselectedStates) {}

    void Apply(Property property) override;
    // The model's rows and selection go into the list, then the columns are fitted to its width.
    void Fill();
    // What the model holds goes into the list; by default its rows.
    virtual void FillList() { FillRows(); }
    void FillRows();
    // `insert`: the row is not in the list yet.
    virtual void FillRow(int row, bool insert) = 0;
    // `insert` adds the row with this, its first cell.
    void SetCell(int row, int column, const std::string& text, bool insert);
    virtual void FitColumns() = 0;
    // The model's current row is shown selected, without an event.
    void ShowSelectionQuietly();
    // A state change of a row the user made.
    virtual void StateChanged(const NMLISTVIEW& change);

    virtual int RowCount() const = 0;
    virtual int ModelRow() const = 0;
    // The user selected another row than the model's current one (-1: none).
    virtual void UserSelected(int row) = 0;

private:
    void ShowSelection();
    void TakeSelection();
    int SelectedRow() const;

    const UINT deselectedStates_;
    // The program is changing the list: its change notices are not the user's.
    bool filling_ = false;
    bool selectionCheckPosted_ = false;
};

}  // namespace orvella::ui::win32
