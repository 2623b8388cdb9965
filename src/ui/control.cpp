#include "ui/control.h"

namespace orvella::ui {

Control::Control(ControlKind kind, std::string name, Control* parent)
    : kind_(kind), name_(std::move(name)), parent_(parent) {
    if (parent_ != nullptr) parent_->children_.push_back(this);
}

void Control::Notify(Property property) {
    if (observer_ != nullptr) observer_->OnChanged(*this, property);
}

void Control::SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Notify(Property::Text);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Notify(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(Property::Enabled);
}

void Control::SetBounds(Rect bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Notify(Property::Bounds);
}

void Control::SetHint(std::string hint) {
    if (hint == hint_) return;
    hint_ = std::move(hint);
    Notify(Property::Hint);
}

void Control::SetColor(Color color) {
    if (color == color_) return;
    color_ = color;
    Notify(Property::BackColor);
}

void Control::SetFontStyle(unsigned style) {
    if (style == fontStyle_) return;
    fontStyle_ = style;
    Notify(Property::Font);
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Property::Checked);
}

}  // namespace orvella::ui
