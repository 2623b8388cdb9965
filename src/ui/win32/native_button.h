#pragma once
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A system button: a push button, a check box or a radio button. A user's click runs OnClick
// through the dispatch; a check box first takes the new state into its model, a radio button
// its choice (the model unticks its siblings, whose windows follow).
class NativeButton : public NativeControl {
public:
    using NativeControl::NativeControl;

    void Created() override;
    bool OnCommand(WORD code) override;

protected:
    void Apply(Property property) override;
};

}  // namespace orvella::ui::win32
