#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "common/utf8.h"
#include "driver/commands.h"

namespace orvdriver {
namespace {

HWND ListViewBelow(HWND host) {
    HWND view = FindWindowExW(host, nullptr, L"SHELLDLL_DefView", nullptr);
    return view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

// The desktop's list view: below Progman, else below the first WorkerW that holds the shell view.
HWND DesktopListView() {
    if (HWND progman = FindWindowW(L"Progman", nullptr))
        if (HWND list = ListViewBelow(progman)) return list;
    for (HWND worker = FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr); worker != nullptr;
         worker = FindWindowExW(nullptr, worker, L"WorkerW", nullptr))
        if (HWND list = ListViewBelow(worker)) return list;
    return nullptr;
}

}  // namespace

// Moves item <index> to (x, y) as another process can: LVM_SETITEMPOSITION with 16-bit coordinates.
int ShellMove(const Options& options) {
    if (options.positional.size() != 3) return 2;
    HWND list = DesktopListView();
    if (list == nullptr) return 1;
    const int index = std::atoi(options.positional[0].c_str());
    const int x = std::atoi(options.positional[1].c_str());
    const int y = std::atoi(options.positional[2].c_str());
    if (index < 0 || index >= ListView_GetItemCount(list)) return 1;
    SendMessageW(list, LVM_SETITEMPOSITION, static_cast<WPARAM>(index), MAKELPARAM(x, y));
    return 0;
}

// Sends <count> bare LVM_GETITEMCOUNT messages to the desktop's list view, one after the other, and
// prints `count microseconds`: the cost of the round trips alone.
int ShellPing(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const long count = std::atol(options.positional[0].c_str());
    HWND list = DesktopListView();
    if (list == nullptr || count <= 0) return 1;
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (long i = 0; i < count; ++i) SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    QueryPerformanceCounter(&end);
    const long long microseconds = (end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
    orvtools::WriteStdout(std::to_string(count) + " " + std::to_string(microseconds) + "\n");
    return 0;
}

}  // namespace orvdriver
