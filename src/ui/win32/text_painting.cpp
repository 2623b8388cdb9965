#include "ui/win32/text_painting.h"

#include "platform/win32/utf16.h"

namespace orvella::ui::win32 {

SIZE MeasureText(HDC dc, const std::string& text, HFONT font) {
    const std::wstring wide = ToUtf16(text);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT area{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, previous);
    return {area.right - area.left, area.bottom - area.top};
}

void DrawTextIn(HDC dc, const std::string& text, const RECT& area, const TextLook& look, UINT format) {
    const std::wstring wide = ToUtf16(text);
    const HGDIOBJ previous = SelectObject(dc, look.font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, look.color);
    RECT box = area;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, format | DT_NOPREFIX);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
    SelectObject(dc, previous);
}

}  // namespace orvella::ui::win32
