#include "ui/win32/native_control.h"

#include <stdexcept>

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/buffered_dc.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/fonts.h"
#include "ui/win32/text_painting.h"
#include "ui/win32/window_style.h"

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
    const ControlKind kind = model_.Kind();
    if (kind == ControlKind::Form || kind == ControlKind::Panel) {
        drawn_ = std::make_unique<DrawnLayer>(window, model_, context_);
    }
}

NativeControl& NativeControl::Adopt(std::unique_ptr<NativeControl> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

void NativeControl::AddDrawn(Control& child) {
    if (drawn_ == nullptr) throw std::logic_error("only forms and panels hold drawn controls");
    drawn_->Add(child);
}

void NativeControl::DetachModels() {
    model_.SetObserver(nullptr);
    if (drawn_ != nullptr) drawn_->DetachModels();
    for (const auto& child : children_) child->DetachModels();
}

void NativeControl::ReleaseWindows() {
    for (const auto& child : children_) child->ReleaseWindows();
    if (drawn_ != nullptr) drawn_->ReleaseWindows();
    if (handle_ == nullptr) return;
    RemovePropW(handle_, kControlProperty);
    RemovePropW(handle_, kNameProperty);
    if (nameAtom_ != 0) GlobalDeleteAtom(nameAtom_);
    nameAtom_ = 0;
}

bool NativeControl::InheritsBackground() const {
    const ControlKind kind = model_.Kind();
    return parent_ != nullptr && (kind == ControlKind::CheckBox || kind == ControlKind::Button) &&
           model_.GetColor() == kDefaultColor;
}

COLORREF NativeControl::BackgroundColor() const {
    return InheritsBackground() ? parent_->BackgroundColor() : ToColorRef(model_.GetColor());
}

HBRUSH NativeControl::BackgroundBrush() {
    return InheritsBackground() ? parent_->BackgroundBrush() : brush_.For(BackgroundColor());
}

void NativeControl::OnChanged(Control&, Property property) {
    if (handle_ == nullptr) return;
    Apply(property);
    // The pointer may be over another control now, or over none.
    if (property == Property::Visible && drawn_ != nullptr) drawn_->HostVisibilityChanged();
}

void NativeControl::Apply(Property property) {
    switch (property) {
        case Property::Text:
            if (model_.Kind() == ControlKind::Button) {
                // The new text may have lines where the old one had none, or the other way round.
                const auto style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_MULTILINE);
                SetWindowLongPtrW(handle_, GWL_STYLE, style | static_cast<LONG_PTR>(TextStyle(model_)));
            }
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
        case Property::Font: {
            const HFONT font = context_.fonts.For(model_.GetFontStyle(), model_.FontHeight());
            SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            break;
        }
        case Property::Checked:
            if (model_.Kind() == ControlKind::CheckBox) {
                const bool checked = static_cast<CheckBox&>(model_).Checked();
                SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        case Property::Hint:    // windows' hints are shown by the forms themselves (status bar)
        case Property::Alpha:   // forms only
        case Property::Cursor:  // picked when the pointer moves over the window
        case Property::Look:    // drawn controls only
            break;
    }
    // A panel draws its caption itself.
    if (model_.Kind() == ControlKind::Panel && (property == Property::Text || property == Property::Font)) {
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

bool NativeControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (drawn_ != nullptr && drawn_->HandleMessage(message, wParam, lParam, result)) return true;
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(handle_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
            result = 1;
            return true;
        }
        case WM_PAINT:
            Paint();
            result = 0;
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

// Background, a panel's caption, then the drawn children, off-screen first.
void NativeControl::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    if (!IsRectEmpty(&paint.rcPaint)) {
        const BufferedDc buffer(dc, paint.rcPaint);
        FillRect(buffer.Dc(), &paint.rcPaint, BackgroundBrush());
        if (model_.Kind() == ControlKind::Panel && !model_.Text().empty()) PaintCaption(buffer.Dc());
        if (drawn_ != nullptr) drawn_->Paint(buffer.Dc(), paint.rcPaint);
    }
    EndPaint(handle_, &paint);
}

// A panel's caption, centred as the toolkit's panels show it.
void NativeControl::PaintCaption(HDC dc) {
    RECT client;
    GetClientRect(handle_, &client);
    const TextLook look{context_.fonts.For(model_.GetFontStyle(), model_.FontHeight()), ToColorRef(model_.FontColor())};
    DrawTextIn(dc, model_.Text(), client, look, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace orvella::ui::win32
