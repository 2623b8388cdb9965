#pragma once
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/win32/hint_tracker.h"
#include "ui/win32/native_host.h"

namespace orvella::ui::win32 {

// A form's top-level window with its controls and timers. Destroying it destroys the windows
// but leaves the models alone; DetachModels first when they are still alive.
class NativeForm : public NativeHost, public TimerObserver {
public:
    NativeForm(Form& form, BindingContext& context);
    ~NativeForm() override;

    // Creates the window hidden, owned by `owner` (none for the main form), then its controls.
    void Create(HWND owner);
    void DetachModels() override;
    // Takes the window off the task bar (and out of the task switcher).
    void HideTaskbarEntry();
    // The message loop saw the pointer move over one of the form's windows.
    void PointerAt(POINT screen) { hints_.PointerAt(screen); }

    void OnTimerChanged(Timer& timer) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void Apply(Property property) override;

private:
    void ApplyBounds();
    void ApplyAlpha();
    void AcceptBounds();
    // Children that fill the form follow its client area.
    void FillClientArea(int width, int height);
    void FireTimer(UINT_PTR id);
    void RememberFocus();
    void RestoreFocus();
    LRESULT FocusedButton() const;
    bool Help();

    Form& form_;
    HintTracker hints_;
    HWND lastFocus_ = nullptr;
    // Inside the system's move or size loop: the user is moving the window.
    bool userMoving_ = false;
};

}  // namespace orvella::ui::win32
