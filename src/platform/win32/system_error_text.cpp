#include "platform/win32/system_error_text.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/win32/utf16.h"

namespace orvella {

std::string SystemErrorText(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) return "System error " + std::to_string(code);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.')) text.pop_back();
    return FromUtf16(text);
}

void ThrowLastOsError() {
    const DWORD code = GetLastError();
    throw OsError(code, SystemErrorText(code));
}

}  // namespace orvella
