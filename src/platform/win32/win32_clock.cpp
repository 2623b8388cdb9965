#include "platform/win32/win32_clock.h"

#include <windows.h>

#include <iterator>

#include "platform/win32/utf16.h"

namespace orvella {

std::string Win32Clock::TodayDate() const {
    // A fixed picture: the stored date must not follow the regional short date format.
    wchar_t text[32] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"dd'.'MM'.'yyyy", text, static_cast<int>(std::size(text)));
    return FromUtf16(text);
}

std::string Win32Clock::TimeOfDay() const {
    // No flags and no picture: the user's long time format.
    wchar_t text[128] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, static_cast<int>(std::size(text)));
    return FromUtf16(text);
}

}  // namespace orvella
