#include "ui/win32/window_subclass.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    if (NativeControl* control = NativeControl::FromHandle(window)) {
        // Before the class: an edit would show its own menu instead.
        if (message == WM_CONTEXTMENU && control->OpenContextMenu(lParam)) return 0;
        LRESULT result = 0;
        if (control->HandleMessage(message, wParam, lParam, result)) return result;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

LRESULT DialogCodeTakingEnter(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT code = DefSubclassProc(window, WM_GETDLGCODE, wParam, lParam);
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool enter = message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
    return enter ? code | DLGC_WANTMESSAGE : code;
}

void SubclassWindow(HWND window) {
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, 0))
        throw std::runtime_error("a control window cannot be subclassed");
}

}  // namespace orvella::ui::win32
