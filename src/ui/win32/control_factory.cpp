#include "ui/win32/control_factory.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"
#include "ui/win32/check_list_view.h"
#include "ui/win32/color_combo.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/fonts.h"
#include "ui/win32/grid_view.h"
#include "ui/win32/line_edit.h"
#include "ui/win32/list_box.h"
#include "ui/win32/memo_edit.h"
#include "ui/win32/native_button.h"
#include "ui/win32/native_host.h"
#include "ui/win32/page_tabs.h"
#include "ui/win32/spin_edit.h"
#include "ui/win32/status_bar.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_style.h"

namespace orvella::ui::win32 {
namespace {

struct ChildWindowClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

constexpr DWORD kHostStyle = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

ChildWindowClass ClassFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel:
        case ControlKind::GroupBox:
        case ControlKind::TabSheet: return {PanelClass(), kHostStyle, WS_EX_CONTROLPARENT};
        case ControlKind::Button: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
        case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case ControlKind::RadioButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
        case ControlKind::SpinEdit: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::Memo:
            return {WC_EDITW, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::CheckListBox:
            return {WC_LISTVIEWW, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::ColorBox:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0};
        // The pages lie inside the tab control: it lets the keyboard navigation into them. Tabs
        // that do not fit in one row take another rather than being cut.
        case ControlKind::PageControl:
            return {WC_TABCONTROLW,
                    TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE | TCS_RAGGEDRIGHT | WS_TABSTOP | kHostStyle,
                    WS_EX_CONTROLPARENT};
        // Within the model's bounds, not where the system would put it.
        case ControlKind::StatusBar: return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE, 0};
        case ControlKind::Edit: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox:
            return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        // Nothing sorts on a click of a column title.
        case ControlKind::Grid:
            return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Form: throw std::logic_error("a form cannot be a child control");
        case ControlKind::Label:
        case ControlKind::Bevel:
        case ControlKind::SpeedButton:
        case ControlKind::ProgressBar:
        case ControlKind::Image: break;
    }
    throw std::logic_error("a drawn control has no window");
}

std::unique_ptr<NativeControl> MakeNative(Control& model, NativeControl& parent, BindingContext& context) {
    const bool onPageControl = parent.Model().Kind() == ControlKind::PageControl;
    if (onPageControl != (model.Kind() == ControlKind::TabSheet)) {
        throw std::logic_error("a page control holds pages and nothing else, and pages lie on page controls");
    }
    switch (model.Kind()) {
        case ControlKind::Panel:
        case ControlKind::GroupBox: return std::make_unique<NativeHost>(model, &parent, context);
        case ControlKind::TabSheet:
            return std::make_unique<NativeTabSheet>(static_cast<TabSheet&>(model), static_cast<NativePageTabs&>(parent),
                                                    context);
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return std::make_unique<NativeButton>(model, &parent, context);
        case ControlKind::SpinEdit:
            return std::make_unique<NativeSpinEdit>(static_cast<SpinEdit&>(model), &parent, context);
        case ControlKind::Memo: return std::make_unique<NativeMemo>(static_cast<Memo&>(model), &parent, context);
        case ControlKind::CheckListBox:
            return std::make_unique<NativeCheckListView>(static_cast<CheckListBox&>(model), &parent, context);
        case ControlKind::ColorBox:
            return std::make_unique<NativeColorCombo>(static_cast<ColorBox&>(model), &parent, context);
        case ControlKind::PageControl:
            return std::make_unique<NativePageTabs>(static_cast<PageControl&>(model), &parent, context);
        case ControlKind::StatusBar:
            return std::make_unique<NativeStatusBar>(static_cast<StatusBar&>(model), &parent, context);
        case ControlKind::Edit: return std::make_unique<NativeEdit>(static_cast<Edit&>(model), &parent, context);
        case ControlKind::ListBox:
            return std::make_unique<NativeListBox>(static_cast<ListBox&>(model), &parent, context);
        case ControlKind::Grid: return std::make_unique<NativeGridView>(static_cast<Grid&>(model), &parent, context);
        case ControlKind::Form:
        case ControlKind::Label:
        case ControlKind::Bevel:
        case ControlKind::SpeedButton:
        case ControlKind::ProgressBar:
        case ControlKind::Image: break;
    }
    throw std::logic_error("only child controls with windows of their own are made here");
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
        NativeControl& native = parent.Adopt(MakeNative(*child, parent, context));
        native.Attach(CreateChildWindow(native, parent.Handle(), nextId++));
        const HFONT font = context.fonts.For(child->GetFontStyle(), child->FontHeight());
        SendMessageW(native.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        native.Created();
        CreateChildWindows(native, context, nextId);
        parent.ChildCreated(native);
    }
}

}  // namespace orvella::ui::win32
