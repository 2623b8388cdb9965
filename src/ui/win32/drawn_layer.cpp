#include "ui/win32/drawn_layer.h"

#include "ui/win32/drawn_painting.h"
#include "ui/win32/geometry.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

bool IsDrawn(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Bevel:
        case ControlKind::SpeedButton:
        case ControlKind::ProgressBar:
        case ControlKind::Image: return true;
        case ControlKind::Form:
        case ControlKind::Panel:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::GroupBox:
        case ControlKind::RadioButton:
        case ControlKind::SpinEdit:
        case ControlKind::Memo:
        case ControlKind::CheckListBox:
        case ControlKind::ColorBox:
        case ControlKind::PageControl:
        case ControlKind::TabSheet:
        case ControlKind::StatusBar:
        case ControlKind::Edit:
        case ControlKind::Grid:
        case ControlKind::ListBox: return false;
    }
    return false;
}

DrawnLayer::DrawnLayer(HWND host, Control& hostModel, BindingContext& context)
    : host_(host), context_(context), router_(host, hostModel, *this, context.application), tips_(host) {}

void DrawnLayer::Add(Control& control) {
    children_.push_back({&control, control.Bounds()});
    control.SetObserver(this);
    tips_.Update(control);
    if (control.Visible()) Invalidate(control.Bounds());
}

void DrawnLayer::DetachModels() {
    for (const Child& child : children_) child.model->SetObserver(nullptr);
}

DrawnLayer::Child* DrawnLayer::Find(const Control& control) {
    for (Child& child : children_) {
        if (child.model == &control) return &child;
    }
    return nullptr;
}

void DrawnLayer::Invalidate(const Rect& bounds) const {
    const RECT area = ToRect(bounds);
    // Not erased: the paint covers the area with the background itself, so nothing flickers.
    InvalidateRect(host_, &area, FALSE);
}

void DrawnLayer::OnChanged(Control& control, Property property) {
    Child* child = Find(control);
    if (child == nullptr) return;
    switch (property) {
        case Property::Bounds:
            if (control.Visible()) {
                Invalidate(child->shownBounds);
                Invalidate(control.Bounds());
            }
            child->shownBounds = control.Bounds();
            tips_.Update(control);
            router_.Recheck();
            break;
        case Property::Visible:
            Invalidate(control.Bounds());
            tips_.Update(control);
            router_.Recheck();
            break;
        case Property::Enabled:
            if (control.Visible()) Invalidate(control.Bounds());
            router_.Recheck();
            break;
        case Property::Hint: tips_.Update(control); break;
        case Property::Text:
        case Property::BackColor:
        case Property::Font:
        case Property::Look:
            if (control.Visible()) Invalidate(control.Bounds());
            break;
        case Property::Cursor:   // picked at the pointer's next move
        case Property::Alpha:    // forms only
        case Property::Checked:  // windowed kinds only
        case Property::Items:
        case Property::Selection:
        case Property::Value: break;
    }
}

void DrawnLayer::HoverChanged(const Control& control) {
    // Only speed buttons look different under the pointer.
    if (control.Kind() == ControlKind::SpeedButton && control.Visible()) Invalidate(control.Bounds());
}

void DrawnLayer::Paint(HDC dc, const RECT& area) const {
    for (const Child& child : children_) {
        const Control& control = *child.model;
        if (!control.Visible()) continue;
        const RECT bounds = ToRect(control.Bounds());
        RECT overlap;
        if (!IntersectRect(&overlap, &bounds, &area)) continue;
        // Nothing a control draws reaches outside its bounds.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
        PaintDrawnControl(dc, control, router_.Hovered() == &control, context_.fonts);
        RestoreDC(dc, saved);
    }
}

bool DrawnLayer::OwnsPoint(POINT client) const {
    RECT area;
    if (!GetClientRect(host_, &area) || !PtInRect(&area, client)) return false;
    return ChildWindowFromPointEx(host_, client, CWP_SKIPINVISIBLE) == host_;
}

Control* DrawnLayer::HitTest(POINT client) const {
    if (!OwnsPoint(client)) return nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control& control = *it->model;
        const RECT bounds = ToRect(control.Bounds());
        if (TakesMouse(control) && PtInRect(&bounds, client)) return &control;
    }
    return nullptr;
}

}  // namespace orvella::ui::win32
