#pragma once
#include <memory>

#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A window of our own class that holds other controls: a form, a panel, a group box or a page. It
// paints its background, its own decoration (a panel's caption, a group box's frame) and its drawn
// children, routes the mouse to them, and passes its child windows' notifications (commands,
// notifications, owner drawing, background colours) to their native controls.
class NativeHost : public NativeControl {
public:
    NativeHost(Control& model, NativeControl* parent, BindingContext& context);
    ~NativeHost() override;

    void AddDrawn(Control& child) override;
    const DrawnLayer* Drawn() const override { return drawn_.get(); }
    void DetachModels() override;
    void ReleaseWindows() override;
    void OnChanged(Control& control, Property property) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void Attached() override;
    void Apply(Property property) override;
    // The window was shown or hidden other than through the model.
    void VisibilityChanged();

private:
    bool PassToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Paint();

    std::unique_ptr<DrawnLayer> drawn_;
};

}  // namespace orvella::ui::win32
