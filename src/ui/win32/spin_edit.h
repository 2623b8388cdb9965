#pragma once
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A spin edit as an edit with an up-down control beside it. A number the user types or steps to
// goes to the model's SetValue (which clamps it and runs OnChange) through the dispatch; a text
// that is no number, or out of range, is replaced by the model's value when the edit loses the
// focus. The edit carries the control's name; the arrows lead to the same native control.
class NativeSpinEdit : public NativeControl {
public:
    NativeSpinEdit(SpinEdit& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), spin_(model) {}

    void Created() override;
    void ReleaseWindows() override;
    bool OnCommand(WORD code) override;

protected:
    void Apply(Property property) override;

private:
    // The value the model makes of a number.
    int Clamped(int number) const;
    void ApplyRange();
    void ApplyValue();
    void ShowValue();
    void Typed();

    SpinEdit& spin_;
    HWND arrows_ = nullptr;
    // The program is setting the text: the edit's change notice is not the user's.
    bool setting_ = false;
};

}  // namespace orvella::ui::win32
