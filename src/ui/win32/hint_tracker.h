#pragma once
#include <windows.h>

#include <string>

#include "ui/form.h"

namespace orvella::ui::win32 {

class NativeControl;

// The control under the pointer in one form, for the form's OnHint: each time another control
// (or none) is under it, or its hint has changed, OnHint runs through the dispatch with that
// control's hint, "" for a control whose hint pops up as a tip. A drawn control counts where it
// lies, else the window there. The message loop reports the pointer's moves over the form's
// windows; while the pointer is over the form, a timer looks again, and notices when it has left.
class HintTracker {
public:
    HintTracker(const NativeControl& form, Form& model, Application& application)
        : form_(form), model_(model), application_(application) {}
    HintTracker(const HintTracker&) = delete;
    HintTracker& operator=(const HintTracker&) = delete;

    void PointerAt(POINT screen);
    bool OwnsTimer(UINT_PTR id) const { return id == TimerId(); }
    void TimerFired();

private:
    UINT_PTR TimerId() const { return reinterpret_cast<UINT_PTR>(this); }
    Control* ControlAt(POINT screen) const;
    void HoverOver(Control* control);

    const NativeControl& form_;
    Form& model_;
    Application& application_;
    Control* hovered_ = nullptr;
    std::string shownHint_;
    bool watching_ = false;
};

}  // namespace orvella::ui::win32
