#include "platform/win32/win32_clock.h"

#include <windows.h>

#include <cstdio>
#include <iterator>

#include "platform/win32/utf16.h"

namespace orvella {

std::string Win32Clock::TodayDate() const {
    // Written by hand: the stored date follows neither the regional date format nor the user's
    // calendar (a Thai or Hijri one would change the year), always the Gregorian day.
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", static_cast<unsigned>(now.wDay),
                  static_cast<unsigned>(now.wMonth), static_cast<unsigned>(now.wYear));
    return text;
}

std::string Win32Clock::TimeOfDay() const {
    // No flags and no picture: the user's long time format.
    wchar_t text[128] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, static_cast<int>(std::size(text)));
    return FromUtf16(text);
}

}  // namespace orvella
