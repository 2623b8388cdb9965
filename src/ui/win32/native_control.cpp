#include "ui/win32/native_control.h"

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/fonts.h"

namespace orvella::ui::win32 {

NativeControl::NativeControl(Control& model, NativeControl* parent, BindingContext& context)
    : model_(model), parent_(parent), context_(context) {}

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
}

NativeControl& NativeControl::Adopt(std::unique_ptr<NativeControl> child) {
    children_.push_back(std::move(child));
    return *children_.back();
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

bool NativeControl::InheritsBackground() const {
    const ControlKind kind = model_.Kind();
    return parent_ != nullptr &&
           (kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::Button) &&
           model_.GetColor() == kDefaultColor;
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
        case Property::Text:
            SetWindowTextW(handle_, ToUtf16(model_.Text()).c_str());
            break;
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
        case Property::Font:
            SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(context_.fonts.For(model_.GetFontStyle())), TRUE);
            break;
        case Property::Checked:
            if (model_.Kind() == ControlKind::CheckBox) {
                const bool checked = static_cast<CheckBox&>(model_).Checked();
                SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        case Property::Hint:   // shown by the forms themselves (status bar), not by the binding
        case Property::Alpha:  // forms only
            break;
    }
    // A panel draws its caption itself.
    if (model_.Kind() == ControlKind::Panel && (property == Property::Text || property == Property::Font)) {
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

bool NativeControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(handle_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
            result = 1;
            return true;
        }
        case WM_PAINT:
            if (model_.Kind() != ControlKind::Panel || model_.Text().empty()) return false;
            PaintCaption();
            return true;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            NativeControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child == nullptr) return false;
            SetBkColor(reinterpret_cast<HDC>(wParam), child->BackgroundColor());
            result = reinterpret_cast<LRESULT>(child->BackgroundBrush());
            return true;
        }
        case WM_COMMAND: {
            // From the control itself, or from the keyboard navigation for a button in a panel.
            NativeControl* child = lParam != 0 ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
            if (child == nullptr || HIWORD(wParam) != BN_CLICKED) return false;
            child->Clicked();
            result = 0;
            return true;
        }
        default: return false;
    }
}

void NativeControl::Clicked() {
    Application& application = context_.application;
    if (model_.Kind() == ControlKind::Button) {
        auto& button = static_cast<Button&>(model_);
        application.Dispatch([&button] {
            if (button.OnClick) button.OnClick();
        });
    } else if (model_.Kind() == ControlKind::CheckBox) {
        auto& box = static_cast<CheckBox&>(model_);
        const bool checked = SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        application.Dispatch([&box, checked] {
            box.AcceptNativeChecked(checked);
            if (box.OnClick) box.OnClick();
        });
    }
}

// A panel's caption, centred as the toolkit's panels show it.
void NativeControl::PaintCaption() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    RECT client;
    GetClientRect(handle_, &client);
    const HGDIOBJ previous = SelectObject(dc, context_.fonts.For(model_.GetFontStyle()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = ToUtf16(model_.Text());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
    EndPaint(handle_, &paint);
}

}  // namespace orvella::ui::win32
