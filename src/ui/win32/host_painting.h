#pragma once
#include <windows.h>

#include "ui/control.h"

namespace orvella::ui::win32 {

class FontCache;

// Whether a host shows its text itself: a panel its caption, a group box its title.
bool ShowsOwnText(ControlKind kind);

// What a host paints over its background, before its drawn children: a panel's caption centred,
// a group box's etched frame with its title at the top left, on `background`.
void PaintHostDecoration(HDC dc, const Control& host, const RECT& client, HBRUSH background, FontCache& fonts);

}  // namespace orvella::ui::win32
