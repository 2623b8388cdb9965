#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvella::ui {

class Application;
class Timer;

enum class BorderStyle {
    Sizeable,  // caption, sizing frame, all system buttons
    Single,    // caption, fixed frame, system menu and minimise button only
    None,      // no caption or frame
};

// A top-level window. Bounds are the outer rectangle on the screen; SetClientSize asks the
// binding to size the window so that its client area has exactly that size.
class Form : public Control {
public:
    Form(std::string name, Application& application);

    Application& App() const { return application_; }

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style) { borderStyle_ = style; }
    bool TopMost() const { return topMost_; }
    void SetTopMost(bool topMost) { topMost_ = topMost; }
    // Whether the window snaps to the screen's edges while the user moves it.
    bool ScreenSnap() const { return screenSnap_; }
    void SetScreenSnap(bool snap) { screenSnap_ = snap; }
    const std::optional<Rect>& ClientSize() const { return clientSize_; }
    void SetClientSize(int width, int height);
    // Opacity 0..255, or none for an opaque window without layering.
    const std::optional<int>& AlphaBlend() const { return alpha_; }
    void SetAlphaBlend(int opacity);

    // Makes the form visible and runs FormShow; showing a visible form does nothing.
    void Show();
    void Hide();
    // Shows the form and returns when it has been closed.
    void ShowModal();
    bool Modal() const { return modal_; }
    // FormClose, then hides the form; closing the main form ends the run.
    void Close();
    // Lets the user move the window with the mouse until the button is released; returns then.
    void Drag();
    // A visible window comes in front of the others.
    void BringToFront();

    const std::vector<Timer*>& Timers() const { return timers_; }
    void AddTimer(Timer& timer) { timers_.push_back(&timer); }

    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormHide() {}
    virtual void FormClose() {}
    virtual void FormDestroy() {}
    // A help request (F1); true when the form handled it.
    virtual bool FormHelp() { return false; }

    // The hint of the control under the pointer ("" over none) whose hint does not pop up as a tip,
    // each time that changes.
    std::function<void(const std::string& hint)> OnHint;

private:
    friend class Application;
    Application& application_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    bool topMost_ = false;
    bool screenSnap_ = false;
    std::optional<Rect> clientSize_;
    std::optional<int> alpha_;
    bool modal_ = false;
    std::vector<Timer*> timers_;
};

}  // namespace orvella::ui
