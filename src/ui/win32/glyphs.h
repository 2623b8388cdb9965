#pragma once
#include <windows.h>

#include "ui/control.h"

namespace orvella::ui::win32 {

// The side of the square cell a speed button's glyph takes.
inline constexpr int kGlyphSize = 16;

// Draws the glyph into the cell whose top left corner is `origin`; Glyph::None draws nothing.
void DrawGlyph(HDC dc, Glyph glyph, POINT origin);

}  // namespace orvella::ui::win32
