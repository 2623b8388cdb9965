#include "ui/win32/control_factory.h"

#include <stdexcept>

#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/fonts.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_style.h"

namespace orvella::ui::win32 {
namespace {

struct ChildWindowClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ChildWindowClass ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel: return {PanelClass(), WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
        case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::Form: throw std::logic_error("a form cannot be a child control");
        case ControlKind::Label:
        case ControlKind::Bevel:
        case ControlKind::SpeedButton:
        case ControlKind::ProgressBar:
        case ControlKind::Image: break;
    }
    throw std::logic_error("a drawn control has no window");
}

HWND CreateChildWindow(NativeControl& native, HWND parent, int id) {
    const Control& model = native.Model();
    const ChildWindowClass windowClass = ClassFor(model.Kind());
    DWORD style = WS_CHILD | windowClass.style | TextStyle(model);
    if (model.Visible()) style |= WS_VISIBLE;
    if (!model.Enabled()) style |= WS_DISABLED;
    const Rect& bounds = model.Bounds();
    // Our own classes attach while being created; the system's are attached right after.
    HWND window = CreateWindowExW(windowClass.exStyle, windowClass.className, ToUtf16(model.Text()).c_str(), style,
                                  bounds.left, bounds.top, bounds.width, bounds.height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), &native);
    if (window == nullptr) ThrowLastOsError();
    return window;
}

}  // namespace

void CreateChildWindows(NativeControl& parent, BindingContext& context, int& nextId) {
    for (Control* child : parent.Model().Children()) {
        if (IsDrawn(child->Kind())) {
            if (!child->Children().empty()) throw std::logic_error("a drawn control cannot hold other controls");
            parent.AddDrawn(*child);
            continue;
        }
        NativeControl& native = parent.Adopt(std::make_unique<NativeControl>(*child, &parent, context));
        native.Attach(CreateChildWindow(native, parent.Handle(), nextId++));
        const HFONT font = context.fonts.For(child->GetFontStyle(), child->FontHeight());
        SendMessageW(native.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (child->Kind() == ControlKind::CheckBox && static_cast<CheckBox*>(child)->Checked()) {
            SendMessageW(native.Handle(), BM_SETCHECK, BST_CHECKED, 0);
        }
        CreateChildWindows(native, context, nextId);
    }
}

}  // namespace orvella::ui::win32
