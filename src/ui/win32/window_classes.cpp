#include "ui/win32/window_classes.h"

#include "platform/win32/system_error_text.h"
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {
namespace {

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        static_cast<NativeControl*>(creation->lpCreateParams)->Attach(window);
    }
    if (NativeControl* control = NativeControl::FromHandle(window)) {
        LRESULT result = 0;
        if (control->HandleMessage(message, wParam, lParam, result)) return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* name, UINT style, HICON icon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) ThrowLastOsError();
}

}  // namespace

void RegisterFormClass(const std::wstring& name) {
    Register(name.c_str(), CS_DBLCLKS, LoadIconW(nullptr, IDI_APPLICATION));
}

const wchar_t* PanelClass() {
    static const wchar_t* const name = [] {
        constexpr const wchar_t* panel = L"OrvellaPanel";
        // Redrawn whole on resize: the caption is centred.
        Register(panel, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, nullptr);
        return panel;
    }();
    return name;
}

}  // namespace orvella::ui::win32
