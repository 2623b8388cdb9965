#pragma once
#include "ui/color_box.h"
#include "ui/win32/colors.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A colour box as an owner-drawn drop-down list: a swatch and a name per entry, the custom entry
// first when there is one. Choosing an entry takes its colour into the model and runs OnChange;
// choosing the custom entry asks for a colour in the system's dialog, and cancelling it puts the
// previous choice back without an event. A colour outside the list shows as the custom entry's.
class NativeColorCombo : public NativeControl {
public:
    NativeColorCombo(ColorBox& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), box_(model) {}

    void Created() override;
    bool OnCommand(WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void Apply(Property property) override;

private:
    int CustomRows() const { return box_.CustomEntryName().empty() ? 0 : 1; }
    int RowCount() const { return CustomRows() + static_cast<int>(box_.Entries().size()); }
    Color ColorOfRow(int row) const;
    const std::string& NameOfRow(int row) const;
    void FitItemHeight();
    void Fill();
    void ShowColor(Color color);
    void Picked();
    void PickCustom();

    ColorBox& box_;
    Color customColor_ = kBlack;
    // The user moves through the open list: the choice is made when it closes.
    bool choosing_ = false;
    // The custom entry was chosen: the dialog is on its way. A list closed by a click may report
    // the same choice twice.
    bool askPosted_ = false;
    SolidBrush swatch_;
};

}  // namespace orvella::ui::win32
