#include "ui/win32/window_text.h"

#include "platform/win32/utf16.h"

namespace orvella::ui::win32 {

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return FromUtf16(text);
}

}  // namespace orvella::ui::win32
