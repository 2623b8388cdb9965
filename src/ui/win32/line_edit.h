#pragma once
#include "ui/text_controls.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// An edit as a one-line system edit. What the user types or pastes goes into the model's text,
// then OnChange runs; a key pressed in it runs OnKeyDown before the edit handles it, Enter
// included (the form's keyboard navigation leaves it to the edit). Text the program sets raises
// no event.
class NativeEdit : public NativeControl {
public:
    NativeEdit(Edit& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), edit_(model) {}

    void Created() override;
    bool OnCommand(WORD code) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void Apply(Property property) override;

private:
    Edit& edit_;
    // The program is setting the text: the edit's change notice is not the user's.
    bool setting_ = false;
};

}  // namespace orvella::ui::win32
