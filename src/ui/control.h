#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvella::ui {

// A colour value as the configuration stores it: 0x00BBGGRR, or with the top bit set a system
// colour whose index is the low byte.
using Color = std::int32_t;
constexpr Color kDefaultColor = static_cast<Color>(0x80000000u | 15u);  // the system's button face

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

enum FontStyle : unsigned { kFontRegular = 0, kFontBold = 1, kFontItalic = 2, kFontUnderline = 4 };

enum class ControlKind { Form, Panel, Label, Button, CheckBox };

enum class Property { Text, Visible, Enabled, Bounds, Hint, BackColor, Font, Checked, Alpha };

class Control;

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

    void SetObserver(ControlObserver* observer) { observer_ = observer; }
    // For the binding: takes a change the user made natively, without echoing it back.
    void AcceptNativeBounds(Rect bounds) { bounds_ = bounds; }

protected:
    void Notify(Property property);

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
    ControlObserver* observer_ = nullptr;
};

class Panel : public Control {
public:
    Panel(std::string name, Control* parent) : Control(ControlKind::Panel, std::move(name), parent) {}
};

class Label : public Control {
public:
    Label(std::string name, Control* parent) : Control(ControlKind::Label, std::move(name), parent) {}
};

class Button : public Control {
public:
    Button(std::string name, Control* parent) : Control(ControlKind::Button, std::move(name), parent) {}
    std::function<void()> OnClick;
};

class CheckBox : public Control {
public:
    CheckBox(std::string name, Control* parent) : Control(ControlKind::CheckBox, std::move(name), parent) {}
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // For the binding: the user toggled the box.
    void AcceptNativeChecked(bool checked) { checked_ = checked; }
    std::function<void()> OnClick;

private:
    bool checked_ = false;
};

}  // namespace orvella::ui
