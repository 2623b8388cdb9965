#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/win32/colors.h"

namespace orvella::ui {
class Application;
}

namespace orvella::ui::win32 {

class DrawnLayer;
class FontCache;

// What every native control needs of the binding.
struct BindingContext {
    Application& application;
    FontCache& fonts;
};

// Window properties that make a window findable: the first leads from a handle to its native
// control inside the program, the second holds a global atom with the model's name, so tools
// outside the process can find a control by the name the code gives it.
inline constexpr const wchar_t* kControlProperty = L"Orvella.Control";
inline constexpr const wchar_t* kNameProperty = L"Orvella.Name";

// One model control and its native window, kept in step with the model. Forms and panels also
// take their children's notifications (clicks, background colours) back to the models, and paint
// and route the mouse to their drawn children.
class NativeControl : public ControlObserver {
public:
    NativeControl(Control& model, NativeControl* parent, BindingContext& context);
    ~NativeControl() override;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    // The native control of one of our windows; null for any other window.
    static NativeControl* FromHandle(HWND window);

    Control& Model() const { return model_; }
    HWND Handle() const { return handle_; }

    // Takes over a newly created window: findable from now on, and listening to the model.
    void Attach(HWND window);
    NativeControl& Adopt(std::unique_ptr<NativeControl> child);
    // A control without a window of its own, painted by this one (a form or a panel).
    void AddDrawn(Control& child);
    // Stops listening to the models of this control and its descendants.
    virtual void DetachModels();
    // Makes the windows of this control and its descendants unfindable, before they go.
    void ReleaseWindows();

    // Check boxes and buttons left at the default colour show their parent's background.
    COLORREF BackgroundColor() const;
    HBRUSH BackgroundBrush();

    void OnChanged(Control& control, Property property) override;
    // Messages to our own window classes (forms and panels); false leaves a message to the
    // default handling.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    BindingContext& Context() const { return context_; }
    virtual void Apply(Property property);

private:
    bool InheritsBackground() const;
    void Clicked();
    void Paint();
    void PaintCaption(HDC dc);

    Control& model_;
    NativeControl* parent_;
    BindingContext& context_;
    HWND handle_ = nullptr;
    ATOM nameAtom_ = 0;
    SolidBrush brush_;
    std::unique_ptr<DrawnLayer> drawn_;  // forms and panels only
    std::vector<std::unique_ptr<NativeControl>> children_;
};

}  // namespace orvella::ui::win32
