#pragma once
#include <windows.h>

#include "ui/control.h"

namespace orvella::ui::win32 {

// A model colour as the system draws it: 0x00BBGGRR as is, a system colour looked up now (so a
// change of the system's colours shows at the next repaint).
COLORREF ToColorRef(Color color);

// A solid brush of one colour, made anew when the colour changes.
class SolidBrush {
public:
    SolidBrush() = default;
    ~SolidBrush();
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;

    HBRUSH For(COLORREF color);

private:
    HBRUSH brush_ = nullptr;
    COLORREF color_ = 0;
};

}  // namespace orvella::ui::win32
