#pragma once
#include <windows.h>

#include <vector>

#include "ui/control.h"
#include "ui/win32/mouse_router.h"
#include "ui/win32/tooltips.h"

namespace orvella::ui::win32 {

struct BindingContext;

// Labels, bevels, speed buttons, progress bars and images have no window: the window they lie on
// (a form, panel, group box or page) paints them.
bool IsDrawn(ControlKind kind);

// The drawn children of one window, in the order they lie on each other (a later one above an
// earlier one; the window's child windows lie above them all). It keeps the window's picture in
// step with their models, paints them, finds the one under a point, routes the mouse to them and
// pops up their tips.
class DrawnLayer : public ControlObserver {
public:
    DrawnLayer(HWND host, Control& hostModel, BindingContext& context);
    DrawnLayer(const DrawnLayer&) = delete;
    DrawnLayer& operator=(const DrawnLayer&) = delete;

    void Add(Control& control);
    void DetachModels();
    // Before the window goes.
    void ReleaseWindows() { tips_.Release(); }

    // Paints the visible children that meet `area`, bottom one first.
    void Paint(HDC dc, const RECT& area) const;
    // Whether the point lies in the window's own client area, not on one of its child windows.
    bool OwnsPoint(POINT client) const;
    // The topmost visible and enabled child at the point, if any.
    Control* HitTest(POINT client) const;
    static bool TakesMouse(const Control& control) { return control.Visible() && control.Enabled(); }
    void HoverChanged(const Control& control);
    // The window was shown or hidden.
    void HostVisibilityChanged() { router_.Recheck(); }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return router_.HandleMessage(message, wParam, lParam, result);
    }
    void OnChanged(Control& control, Property property) override;

private:
    struct Child {
        Control* model;
        Rect shownBounds;  // where the window last showed it
    };

    Child* Find(const Control& control);
    void Invalidate(const Rect& bounds) const;

    HWND host_;
    BindingContext& context_;
    std::vector<Child> children_;
    MouseRouter router_;
    TipTools tips_;
};

}  // namespace orvella::ui::win32
