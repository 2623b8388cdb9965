#include "ui/win32/screen_snap.h"

#include <cstdlib>

namespace orvella::ui::win32 {
namespace {

constexpr int kSnapDistance = 10;

// The start of a window's span [start, start + size) snapped to either end of [low, high).
int SnapSpan(int start, int size, int low, int high) {
    if (std::abs(start - low) <= kSnapDistance) return low;
    if (std::abs(start + size - high) <= kSnapDistance) return high - size;
    return start;
}

}  // namespace

void SnapToWorkArea(HWND window, WINDOWPOS& position) {
    if ((position.flags & SWP_NOMOVE) != 0) return;
    int width = position.cx;
    int height = position.cy;
    if ((position.flags & SWP_NOSIZE) != 0) {
        RECT current;
        if (!GetWindowRect(window, &current)) return;
        width = current.right - current.left;
        height = current.bottom - current.top;
    }
    const RECT proposed{position.x, position.y, position.x + width, position.y + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromRect(&proposed, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    position.x = SnapSpan(position.x, width, work.left, work.right);
    position.y = SnapSpan(position.y, height, work.top, work.bottom);
}

}  // namespace orvella::ui::win32
