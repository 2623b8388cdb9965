#include "ui/win32/message_loop.h"

#include <windows.h>

#include "ui/win32/native_form.h"

namespace orvella::ui::win32 {
namespace {

// The pointer's moves over a form's windows, whatever window class they have, tell the form
// which control is under the pointer.
void NoticePointer(const MSG& message, HWND root) {
    if (message.message != WM_MOUSEMOVE && message.message != WM_NCMOUSEMOVE) return;
    if (auto* form = dynamic_cast<NativeForm*>(NativeControl::FromHandle(root))) form->PointerAt(message.pt);
}

// Keyboard navigation (Tab, arrows, Space on buttons) in our visible forms, then the usual
// translation and dispatch.
void Deliver(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr) NoticePointer(message, root);
    if (root != nullptr && IsWindowVisible(root) && NativeControl::FromHandle(root) != nullptr &&
        IsDialogMessageW(root, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void RunUntilQuit() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
}

bool RunUntil(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got < 0) return false;
        Deliver(message);
    }
    return true;
}

void DeliverPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Deliver(message);
    }
}

}  // namespace orvella::ui::win32
