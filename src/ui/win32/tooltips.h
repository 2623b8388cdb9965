#pragma once
#include <windows.h>

#include <set>

#include "ui/control.h"

namespace orvella::ui::win32 {

// The pop-up tips of the drawn controls of one window: while a control is visible and shows its
// hint, a tool over its rectangle pops the hint up under the pointer. The tip window is made when
// the first tip is needed; without it the controls simply have no tips.
class TipTools {
public:
    explicit TipTools(HWND host) : host_(host) {}
    ~TipTools() { Release(); }
    TipTools(const TipTools&) = delete;
    TipTools& operator=(const TipTools&) = delete;

    // Adds, changes or removes the control's tool to match the model.
    void Update(const Control& control);
    // Destroys the tip window while the host is still there.
    void Release();

private:
    bool MakeWindow();

    HWND host_;
    HWND tips_ = nullptr;
    std::set<const Control*> tools_;
};

}  // namespace orvella::ui::win32
