#include "platform/win32/win32_ansi_codec.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {

std::string Win32AnsiCodec::ToAnsi(std::string_view utf8) const {
    const std::wstring wide = ToUtf16(utf8);
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    // No best-fit: a character the code page lacks becomes '?' rather than a look-alike.
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), length, "?", nullptr);
    return ansi;
}

std::string Win32AnsiCodec::FromAnsi(std::string_view ansi) const {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
    return FromUtf16(wide);
}

}  // namespace orvella
