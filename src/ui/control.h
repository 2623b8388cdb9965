#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/bitmap.h"

namespace orvella::ui {

// A colour value as the configuration stores it: 0x00BBGGRR, or with the top bit set a system
// colour whose index is the low byte.
using Color = std::int32_t;
constexpr Color kDefaultColor = static_cast<Color>(0x80000000u | 15u);      // the system's button face
constexpr Color kDefaultTextColor = static_cast<Color>(0x80000000u | 18u);  // the system's button text
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kSilver = 0xC0C0C0;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum FontStyle : unsigned { kFontRegular = 0, kFontBold = 1, kFontItalic = 2, kFontUnderline = 4 };

// Labels, bevels, speed buttons, progress bars and images are drawn by the window they lie on, in
// the order of creation (a later control lies above an earlier one); the other kinds are windows
// of their own.
enum class ControlKind {
    Form,
    Panel,
    Label,
    Button,
    CheckBox,
    Bevel,
    SpeedButton,
    ProgressBar,
    Image,
    GroupBox,
    RadioButton,
    SpinEdit,
    Memo,
    CheckListBox,
    ColorBox,
    PageControl,
    TabSheet,
    StatusBar,
    Edit,
    Grid,
    ListBox,
};

// Look: anything else that only changes how a drawn control is painted.
// Items: a list's entries; Selection: the chosen entry, page or colour; Value: a number.
enum class Property { Text, Visible, Enabled, Bounds, Hint, BackColor, Font, Checked, Alpha, Cursor, Look, Items, Selection, Value };

enum class Cursor { Default, SizeAll };

class Control;
class PopupMenu;

// The native binding listens to its models to keep the native windows in step.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void OnChanged(Control& control, Property property) = 0;
};

// A toolkit-independent control: plain properties, change notification, no native handle.
class Control {
public:
    Control(ControlKind kind, std::string name, Control* parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    Control* Parent() const { return parent_; }
    const std::vector<Control*>& Children() const { return children_; }

    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(Rect bounds);
    void SetPosition(int left, int top) { SetBounds({left, top, bounds_.width, bounds_.height}); }
    void SetSize(int width, int height) { SetBounds({bounds_.left, bounds_.top, width, height}); }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    unsigned GetFontStyle() const { return fontStyle_; }
    void SetFontStyle(unsigned style);
    // Character height in pixels; 0 for the system's message font size.
    int FontHeight() const { return fontHeight_; }
    void SetFontHeight(int pixels);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);
    // Whether the hint pops up as a tip under the pointer (otherwise the form shows it itself).
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    ui::Cursor GetCursor() const { return cursor_; }
    void SetCursor(ui::Cursor cursor);
    // Whether the control fills its form's client area, following its size.
    bool FillsForm() const { return fillsForm_; }
    void SetFillsForm(bool fills) { fillsForm_ = fills; }

    // Mouse events; the binding runs them through the application's dispatch. A click is a press
    // and release of the left button over the same control.
    std::function<void()> OnClick;
    std::function<void()> OnMouseDown;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;
    // The context menu that a right click or the menu key opens on this control; none when null.
    PopupMenu* popupMenu = nullptr;

    void SetObserver(ControlObserver* observer) { observer_ = observer; }
    // For the binding: takes a change the user made natively, without echoing it back.
    void AcceptNativeBounds(Rect bounds) { bounds_ = bounds; }

protected:
    void Notify(Property property);
    // Changes the flag without telling the binding yet; the caller notifies when it is time.
    void MarkVisible(bool visible) { visible_ = visible; }
    void SetTextQuietly(std::string text) { text_ = std::move(text); }

private:
    ControlKind kind_;
    std::string name_;
    Control* parent_;
    std::vector<Control*> children_;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    Rect bounds_;
    std::string hint_;
    Color color_ = kDefaultColor;
    unsigned fontStyle_ = kFontRegular;
    int fontHeight_ = 0;
    Color fontColor_ = kDefaultTextColor;
    bool showHint_ = false;
    ui::Cursor cursor_ = ui::Cursor::Default;
    bool fillsForm_ = false;
    ControlObserver* observer_ = nullptr;
};

class Panel : public Control {
public:
    Panel(std::string name, Control* parent) : Control(ControlKind::Panel, std::move(name), parent) {}
};

// A frame with its title (Text) at the top left, around the controls it holds.
class GroupBox : public Control {
public:
    GroupBox(std::string name, Control* parent) : Control(ControlKind::GroupBox, std::move(name), parent) {}
};

enum class TextAlign { Left, Center };

// Text drawn on its parent's background; "\n" starts a new line.
class Label : public Control {
public:
    Label(std::string name, Control* parent) : Control(ControlKind::Label, std::move(name), parent) {}
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign alignment);

private:
    TextAlign alignment_ = TextAlign::Left;
};

// A system push button. Its text breaks at "\n", and also between words when it wraps.
class Button : public Control {
public:
    Button(std::string name, Control* parent) : Control(ControlKind::Button, std::move(name), parent) {}
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);

private:
    bool wordWrap_ = false;
};

// A thin sunken line across its bounds.
class Bevel : public Control {
public:
    Bevel(std::string name, Control* parent) : Control(ControlKind::Bevel, std::move(name), parent) {}
};

// Small pictures a speed button can carry instead of text.
enum class Glyph { None, RedBar, GreenTick };

// How a speed button shows that the pointer is over it.
enum class HoverLook { RedText, Bold };

// A flat button drawn by its parent: only its text or glyph, centred, on the parent's background
// unless it is opaque (then on its own colour). It takes the clicks of its whole rectangle.
class SpeedButton : public Control {
public:
    SpeedButton(std::string name, Control* parent) : Control(ControlKind::SpeedButton, std::move(name), parent) {}
    ui::Glyph GetGlyph() const { return glyph_; }
    void SetGlyph(ui::Glyph glyph);
    ui::HoverLook GetHoverLook() const { return hoverLook_; }
    void SetHoverLook(ui::HoverLook look);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool Framed() const { return framed_; }
    void SetFramed(bool framed);

private:
    ui::Glyph glyph_ = ui::Glyph::None;
    ui::HoverLook hoverLook_ = ui::HoverLook::RedText;
    bool transparent_ = true;
    bool framed_ = false;
};

// A bar filled in BarColor from the left in proportion Position / Max, on the control's colour.
class ProgressBar : public Control {
public:
    ProgressBar(std::string name, Control* parent) : Control(ControlKind::ProgressBar, std::move(name), parent) {}
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    // Kept within 0..Max.
    void SetPosition(int position);
    Color BarColor() const { return barColor_; }
    void SetBarColor(Color color);

private:
    int max_ = 100;
    int position_ = 0;
    Color barColor_ = kRed;
};

// A picture stretched over the control's whole rectangle, proportions not kept.
class Image : public Control {
public:
    Image(std::string name, Control* parent) : Control(ControlKind::Image, std::move(name), parent) {}
    const std::shared_ptr<const Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::shared_ptr<const Bitmap> picture);

private:
    std::shared_ptr<const Bitmap> picture_;
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, Control* parent) : CheckBox(ControlKind::CheckBox, std::move(name), parent) {}
    bool Checked() const { return checked_; }
    virtual void SetChecked(bool checked);
    // For the binding: the user toggled the box.
    void AcceptNativeChecked(bool checked) { checked_ = checked; }

protected:
    CheckBox(ControlKind kind, std::string name, Control* parent) : Control(kind, std::move(name), parent) {}

private:
    bool checked_ = false;
};

// One of the radio buttons of its parent: ticking it unticks the others.
class RadioButton : public CheckBox {
public:
    RadioButton(std::string name, Control* parent) : CheckBox(ControlKind::RadioButton, std::move(name), parent) {}
    void SetChecked(bool checked) override;
    // For the binding: the user chose this button; its siblings follow.
    void AcceptNativeChoice();

private:
    void UntickSiblings();
};

// A number field with up and down arrows, kept within MinValue..MaxValue.
class SpinEdit : public Control {
public:
    SpinEdit(std::string name, Control* parent) : Control(ControlKind::SpinEdit, std::move(name), parent) {}
    int Value() const { return value_; }
    // Clamped to the range; OnChange runs when the value changes, whoever changes it.
    void SetValue(int value);
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    void SetRange(int min, int max);
    std::function<void()> OnChange;

private:
    int value_ = 0;
    int min_ = 0;
    int max_ = 100;
};

// Editable text of several lines ("\r\n" between them).
class Memo : public Control {
public:
    Memo(std::string name, Control* parent) : Control(ControlKind::Memo, std::move(name), parent) {}
    // For the binding: the user typed.
    void AcceptNativeText(std::string text) { SetTextQuietly(std::move(text)); }
};

}  // namespace orvella::ui
