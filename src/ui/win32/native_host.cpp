#include "ui/win32/native_host.h"

#include "ui/win32/buffered_dc.h"
#include "ui/win32/drawn_layer.h"
#include "ui/win32/host_painting.h"

namespace orvella::ui::win32 {

NativeHost::NativeHost(Control& model, NativeControl* parent, BindingContext& context)
    : NativeControl(model, parent, context) {}

NativeHost::~NativeHost() = default;

void NativeHost::Attached() { drawn_ = std::make_unique<DrawnLayer>(Handle(), Model(), Context()); }

void NativeHost::AddDrawn(Control& child) { drawn_->Add(child); }

void NativeHost::DetachModels() {
    if (drawn_ != nullptr) drawn_->DetachModels();
    NativeControl::DetachModels();
}

void NativeHost::ReleaseWindows() {
    if (drawn_ != nullptr) drawn_->ReleaseWindows();
    NativeControl::ReleaseWindows();
}

void NativeHost::OnChanged(Control& control, Property property) {
    NativeControl::OnChanged(control, property);
    if (property == Property::Visible) VisibilityChanged();
}

// The pointer may be over another control now, or over none.
void NativeHost::VisibilityChanged() {
    if (drawn_ != nullptr) drawn_->HostVisibilityChanged();
}

void NativeHost::Apply(Property property) {
    NativeControl::Apply(property);
    if (ShowsOwnText(Model().Kind()) && (property == Property::Text || property == Property::Font)) {
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

bool NativeHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (drawn_ != nullptr && drawn_->HandleMessage(message, wParam, lParam, result)) return true;
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
            result = 1;
            return true;
        }
        case WM_PAINT:
            Paint();
            result = 0;
            return true;
        default: return PassToChild(message, wParam, lParam, result);
    }
}

// Child windows report to their parent window; a dialog key (Enter on a button) reports to the
// form, whatever the button's parent. Either way the sender's handle leads to its native control.
bool NativeHost::PassToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            NativeControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child == nullptr) return false;
            SetBkColor(reinterpret_cast<HDC>(wParam), child->BackgroundColor());
            result = reinterpret_cast<LRESULT>(child->BackgroundBrush());
            return true;
        }
        case WM_COMMAND: {
            NativeControl* child = lParam != 0 ? FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
            if (child == nullptr || !child->OnCommand(HIWORD(wParam))) return false;
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            NativeControl* child = FromHandle(header.hwndFrom);
            return child != nullptr && child->OnNotify(header, result);
        }
        // The system passes the request up from a control that does not take it; the innermost of
        // the controls it came through that has a menu opens it.
        case WM_CONTEXTMENU:
            for (HWND window = reinterpret_cast<HWND>(wParam); window != nullptr; window = GetParent(window)) {
                NativeControl* control = FromHandle(window);
                if (control != nullptr && control->OpenContextMenu(lParam)) {
                    result = 0;
                    return true;
                }
                if (window == Handle()) break;
            }
            return false;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            NativeControl* child = FromHandle(item.hwndItem);
            if (child == nullptr || !child->OnDrawItem(item)) return false;
            result = TRUE;
            return true;
        }
        default: return false;
    }
}

// Background, the host's decoration, then the drawn children, off-screen first.
void NativeHost::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (!IsRectEmpty(&paint.rcPaint)) {
        const BufferedDc buffer(dc, paint.rcPaint);
        FillRect(buffer.Dc(), &paint.rcPaint, BackgroundBrush());
        RECT client;
        GetClientRect(Handle(), &client);
        PaintHostDecoration(buffer.Dc(), Model(), client, BackgroundBrush(), Context().fonts);
        if (drawn_ != nullptr) drawn_->Paint(buffer.Dc(), paint.rcPaint);
    }
    EndPaint(Handle(), &paint);
}

}  // namespace orvella::ui::win32
