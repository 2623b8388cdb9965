#include "fakeshell/pass_timing.h"

#include <commctrl.h>

namespace fakeshell {
namespace {

WNDPROC g_listViewProc = nullptr;
LARGE_INTEGER g_passStart{};
LARGE_INTEGER g_lastRect{};
long long g_passItems = 0;

LRESULT CALLBACK TimedListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (InSendMessage()) {
        if (message == LVM_GETITEMCOUNT) {
            QueryPerformanceCounter(&g_passStart);
            g_lastRect = g_passStart;
            g_passItems = 0;
        } else if (message == LVM_GETITEMRECT) {
            const LRESULT result = CallWindowProcW(g_listViewProc, window, message, wParam, lParam);
            QueryPerformanceCounter(&g_lastRect);
            ++g_passItems;
            return result;
        }
    }
    return CallWindowProcW(g_listViewProc, window, message, wParam, lParam);
}

}  // namespace

void WatchItemPasses(HWND listView) {
    g_listViewProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimedListViewProc)));
}

std::string LastItemPass() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const long long ticks = g_lastRect.QuadPart - g_passStart.QuadPart;
    const long long microseconds = frequency.QuadPart > 0 ? ticks * 1000000 / frequency.QuadPart : 0;
    return std::to_string(g_passItems) + " " + std::to_string(microseconds) + "\r\n";
}

}  // namespace fakeshell
