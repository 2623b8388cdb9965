#include "ui/control.h"

#include <algorithm>

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

void Control::SetFontHeight(int pixels) {
    if (pixels == fontHeight_) return;
    fontHeight_ = pixels;
    Notify(Property::Font);
}

void Control::SetFontColor(Color color) {
    if (color == fontColor_) return;
    fontColor_ = color;
    Notify(Property::Font);
}

void Control::SetShowHint(bool show) {
    if (show == showHint_) return;
    showHint_ = show;
    Notify(Property::Hint);
}

void Control::SetCursor(ui::Cursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Notify(Property::Cursor);
}

void Button::SetWordWrap(bool wrap) {
    if (wrap == wordWrap_) return;
    wordWrap_ = wrap;
    Notify(Property::Text);
}

void Label::SetAlignment(TextAlign alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Notify(Property::Look);
}

void SpeedButton::SetGlyph(ui::Glyph glyph) {
    if (glyph == glyph_) return;
    glyph_ = glyph;
    Notify(Property::Look);
}

void SpeedButton::SetHoverLook(ui::HoverLook look) {
    if (look == hoverLook_) return;
    hoverLook_ = look;
    Notify(Property::Look);
}

void SpeedButton::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Notify(Property::Look);
}

void SpeedButton::SetFramed(bool framed) {
    if (framed == framed_) return;
    framed_ = framed;
    Notify(Property::Look);
}

void ProgressBar::SetMax(int max) {
    if (max == max_) return;
    max_ = max;
    position_ = std::clamp(position_, 0, std::max(max_, 0));
    Notify(Property::Look);
}

void ProgressBar::SetPosition(int position) {
    position = std::clamp(position, 0, std::max(max_, 0));
    if (position == position_) return;
    position_ = position;
    Notify(Property::Look);
}

void ProgressBar::SetBarColor(Color color) {
    if (color == barColor_) return;
    barColor_ = color;
    Notify(Property::Look);
}

void Image::SetPicture(std::shared_ptr<const Bitmap> picture) {
    if (picture == picture_) return;
    picture_ = std::move(picture);
    Notify(Property::Look);
}

void RadioButton::SetChecked(bool checked) {
    CheckBox::SetChecked(checked);
    if (checked) UntickSiblings();
}

void RadioButton::AcceptNativeChoice() {
    AcceptNativeChecked(true);
    UntickSiblings();
}

void RadioButton::UntickSiblings() {
    if (Parent() == nullptr) return;
    for (Control* sibling : Parent()->Children()) {
        if (sibling != this && sibling->Kind() == ControlKind::RadioButton) {
            static_cast<RadioButton*>(sibling)->CheckBox::SetChecked(false);
        }
    }
}

void SpinEdit::SetValue(int value) {
    value = std::clamp(value, min_, std::max(min_, max_));
    if (value == value_) return;
    value_ = value;
    Notify(Property::Value);
    if (OnChange) OnChange();
}

void SpinEdit::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    Notify(Property::Value);
    SetValue(value_);
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Property::Checked);
}

}  // namespace orvella::ui
