#pragma once
#include <windows.h>

#include <string>

namespace orvella::ui::win32 {

struct TextLook {
    HFONT font;
    COLORREF color;
};

// The models' texts on a device context: UTF-8, "\n" starts a new line, "&" is an ordinary
// character. Drawn on whatever lies beneath.
SIZE MeasureText(HDC dc, const std::string& text, HFONT font);
void DrawTextIn(HDC dc, const std::string& text, const RECT& area, const TextLook& look, UINT format);

}  // namespace orvella::ui::win32
