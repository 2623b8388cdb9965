#pragma once
#include <windows.h>

#include "ui/control.h"

namespace orvella::ui::win32 {

inline RECT ToRect(const Rect& bounds) {
    return {bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

}  // namespace orvella::ui::win32
