#pragma once
#include <windows.h>

#include "ui/control.h"

namespace orvella::ui::win32 {

class FontCache;

// Paints a drawn control (label, bevel, speed button, progress bar, image) within its bounds, in
// its host window's client coordinates, over what the host has painted beneath it. `hovered`:
// the pointer is over it.
void PaintDrawnControl(HDC dc, const Control& control, bool hovered, FontCache& fonts);

}  // namespace orvella::ui::win32
