#include "platform/win32/win32_text_collation.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {

int Win32TextCollation::Compare(std::string_view a, std::string_view b) const {
    const std::wstring wideA = ToUtf16(a);
    const std::wstring wideB = ToUtf16(b);
    const int result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(),
                                      static_cast<int>(wideA.size()), wideB.data(), static_cast<int>(wideB.size()));
    // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3; 0 is a failure, taken as equal.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace orvella
