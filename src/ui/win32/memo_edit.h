#pragma once
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A memo as a multi-line edit: what the user types goes into the model's text, without an event.
class NativeMemo : public NativeControl {
public:
    NativeMemo(Memo& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), memo_(model) {}

    void Created() override;
    bool OnCommand(WORD code) override;

protected:
    void Apply(Property property) override;

private:
    Memo& memo_;
    // The program is setting the text: the edit's change notice is not the user's.
    bool setting_ = false;
};

}  // namespace orvella::ui::win32
