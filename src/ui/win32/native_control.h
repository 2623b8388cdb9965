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

// One model control and its native window, kept in step with the model. The kinds that need more
// than the common properties derive from it; the windows that hold others (forms, panels, group
// boxes, pages) are NativeHost.
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
    // A control without a window of its own, painted by this one; only hosts take them.
    virtual void AddDrawn(Control& child);
    // The drawn children, for hosts; null for the others.
    virtual const DrawnLayer* Drawn() const { return nullptr; }
    // Stops listening to the models of this control and its descendants.
    virtual void DetachModels();
    // Makes the windows of this control and its descendants unfindable, before they go.
    virtual void ReleaseWindows();

    // The window exists and has its font: the rest of the model's state goes into it.
    virtual void Created() {}
    // A child's window and all of its descendants' exist.
    virtual void ChildCreated(NativeControl&) {}

    // Controls left at the default colour that show their parent's background take it.
    COLORREF BackgroundColor() const;
    HBRUSH BackgroundBrush();

    void OnChanged(Control& control, Property property) override;
    // Messages to this control's own window: our window classes send all of theirs, system
    // controls only when they are subclassed. False leaves a message to the default handling.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_CONTEXTMENU reached this control at `position` (its lParam): opens the model's popup menu.
    // False when the model has none, and the request goes on to the parent.
    bool OpenContextMenu(LPARAM position);

    // Notifications of this control's window, passed on by the window that receives them.
    virtual bool OnCommand(WORD code);
    virtual bool OnNotify(const NMHDR& header, LRESULT& result);
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);

protected:
    BindingContext& Context() const { return context_; }
    Application& App() const;
    const std::vector<std::unique_ptr<NativeControl>>& Children() const { return children_; }
    // The font the model asks for.
    HFONT Font() const;
    // Called when the window has been attached; hosts make their drawn layer here.
    virtual void Attached() {}
    virtual void Apply(Property property);

private:
    bool InheritsBackground() const;

    Control& model_;
    NativeControl* parent_;
    BindingContext& context_;
    HWND handle_ = nullptr;
    ATOM nameAtom_ = 0;
    SolidBrush brush_;
    std::vector<std::unique_ptr<NativeControl>> children_;
};

}  // namespace orvella::ui::win32
