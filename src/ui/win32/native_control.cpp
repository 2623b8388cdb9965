#include "ui/win32/native_control.h"

#include <stdexcept>

#include "platform/win32/utf16.h"
#include "ui/win32/context_menu.h"
#include "ui/win32/fonts.h"

namespace orvella::ui::win32 {

NativeControl::NativeControl(Control& model, NativeControl* parent, BindingContext& context)
    : model_(model), parent_(parent), context_(context) {}

NativeControl::~NativeControl() = default;

NativeControl* NativeControl::FromHandle(HWND window) {
    return static_cast<NativeControl*>(GetPropW(window, kControlProperty));
}

void NativeControl::Attach(HWND window) {
    if (handle_ == window) return;
    handle_ = window;
    SetPropW(window, kControlProperty, this);
    nameAtom_ = GlobalAddAtomW(ToUtf16(model_.Name()).c_str());
    if (nameAtom_ != 0) SetPropW(window, kNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(nameAtom_)));
    model_.SetObserver(this);
    Attached();
}

NativeControl& NativeControl::Adopt(std::unique_ptr<NativeControl> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

void NativeControl::AddDrawn(Control&) {
    throw std::logic_error("only forms, panels, group boxes and pages hold drawn controls");
}

void NativeControl::DetachModels() {
    model_.SetObserver(nullptr);
    for (const auto& child : children_) child->DetachModels();
}

void NativeControl::ReleaseWindows() {
    for (const auto& child : children_) child->ReleaseWindows();
    if (handle_ == nullptr) return;
    RemovePropW(handle_, kControlProperty);
    RemovePropW(handle_, kNameProperty);
    if (nameAtom_ != 0) GlobalDeleteAtom(nameAtom_);
    nameAtom_ = 0;
}

Application& NativeControl::App() const { return context_.application; }

HFONT NativeControl::Font() const { return context_.fonts.For(model_.GetFontStyle(), model_.FontHeight()); }

bool NativeControl::InheritsBackground() const {
    if (parent_ == nullptr || model_.GetColor() != kDefaultColor) return false;
    switch (model_.Kind()) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox:
        case ControlKind::PageControl:
        case ControlKind::TabSheet: return true;
        default: return false;
    }
}

COLORREF NativeControl::BackgroundColor() const {
    return InheritsBackground() ? parent_->BackgroundColor() : ToColorRef(model_.GetColor());
}

HBRUSH NativeControl::BackgroundBrush() {
    return InheritsBackground() ? parent_->BackgroundBrush() : brush_.For(BackgroundColor());
}

void NativeControl::OnChanged(Control&, Property property) {
    if (handle_ != nullptr) Apply(property);
}

void NativeControl::Apply(Property property) {
    switch (property) {
        case Property::Text: SetWindowTextW(handle_, ToUtf16(model_.Text()).c_str()); break;
        case Property::Visible: ShowWindow(handle_, model_.Visible() ? SW_SHOWNOACTIVATE : SW_HIDE); break;
        case Property::Enabled: EnableWindow(handle_, model_.Enabled() ? TRUE : FALSE); break;
        case Property::Bounds: {
            const Rect& bounds = model_.Bounds();
            MoveWindow(handle_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
            break;
        }
        case Property::BackColor:
            // Children that show this background repaint with it.
            RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case Property::Font: SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE); break;
        case Property::Hint:     // shown by the forms themselves, or as tips of drawn controls
        case Property::Alpha:    // forms only
        case Property::Cursor:   // picked when the pointer moves over the window
        case Property::Look:     // drawn controls only
        case Property::Checked:  // the kinds that have these apply them
        case Property::Items:
        case Property::Selection:
        case Property::Value: break;
    }
}

bool NativeControl::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool NativeControl::OpenContextMenu(LPARAM position) {
    if (model_.popupMenu == nullptr) return false;
    ShowContextMenu(*model_.popupMenu, handle_, position, App());
    return true;
}

bool NativeControl::OnCommand(WORD) { return false; }

bool NativeControl::OnNotify(const NMHDR&, LRESULT&) { return false; }

bool NativeControl::OnDrawItem(const DRAWITEMSTRUCT&) { return false; }

}  // namespace orvella::ui::win32
