#include "ui/win32/glyphs.h"

namespace orvella::ui::win32 {
namespace {

// A "delete" sign: a red bar with a darker rim across the middle of the cell.
void DrawRedBar(HDC dc, POINT origin) {
    const HBRUSH fill = CreateSolidBrush(RGB(230, 0, 0));
    const HPEN rim = CreatePen(PS_SOLID, 1, RGB(128, 0, 0));
    const HGDIOBJ previousBrush = SelectObject(dc, fill);
    const HGDIOBJ previousPen = SelectObject(dc, rim);
    Rectangle(dc, origin.x + 2, origin.y + 6, origin.x + 14, origin.y + 11);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
    DeleteObject(rim);
    DeleteObject(fill);
}

// A check mark, short stroke down to the bottom, long stroke up to the right.
void DrawGreenTick(HDC dc, POINT origin) {
    const HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 150, 0));
    const HGDIOBJ previous = SelectObject(dc, pen);
    const POINT stroke[] = {{origin.x + 3, origin.y + 8}, {origin.x + 6, origin.y + 12}, {origin.x + 13, origin.y + 3}};
    Polyline(dc, stroke, 3);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

}  // namespace

void DrawGlyph(HDC dc, Glyph glyph, POINT origin) {
    switch (glyph) {
        case Glyph::None: break;
        case Glyph::RedBar: DrawRedBar(dc, origin); break;
        case Glyph::GreenTick: DrawGreenTick(dc, origin); break;
    }
}

}  // namespace orvella::ui::win32
