#include "driver/control_messages.h"

namespace orvdriver {

std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned long timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

Delivery Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned long timeoutMs) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result))
        return Delivery::Handled;
    // A modal loop still takes messages, a hung thread does not.
    const bool alive = GetLastError() == ERROR_TIMEOUT && Ask(window, WM_NULL, 0, 0, 1000).has_value();
    return alive ? Delivery::Pending : Delivery::Failed;
}

}  // namespace orvdriver
