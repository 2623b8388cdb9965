#pragma once
#include "ui/page_control.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// A status bar as the system's, within the model's bounds, with the model's panels: their widths
// in pixels (a negative one takes the rest), their texts, centred where asked.
class NativeStatusBar : public NativeControl {
public:
    NativeStatusBar(StatusBar& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), bar_(model) {}

    void Created() override { ShowPanels(); }

protected:
    void Apply(Property property) override;

private:
    void ShowPanels();

    StatusBar& bar_;
};

}  // namespace orvella::ui::win32
