#pragma once
#include "ui/text_controls.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A list box as a system list box: the model's lines, its selected one. The user's choice of
// another line (mouse or keyboard) goes into the model, then OnClick runs; what the program sets
// raises no event.
class NativeListBox : public NativeControl {
public:
    NativeListBox(ListBox& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), list_(model) {}

    void Created() override { Fill(); }
    bool OnCommand(WORD code) override;

protected:
    void Apply(Property property) override;

private:
    void Fill();
    void ShowSelection();

    ListBox& list_;
};

}  // namespace orvella::ui::win32
