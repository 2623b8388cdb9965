// The fake desktop shell for the end-to-end tests: a Progman window with a desktop list view full of
// icons in another process than the program, as on Windows.
//
//   fakeshell.exe [--icons <file>] [--layout progman|workerw|none] [--ready <file>]
//
// --icons: UTF-8 lines `caption` or `caption:x:y` (default: a desktop of a dozen icons).
// --ready: written once the icons are placed, with their `caption:x:y` lines.
// The desktop shows the system's desktop picture and follows its changes.
// The driver asks for the current icons and the timing of the last item pass over them with
// WM_COPYDATA (common/shell_protocol.h).
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "common/shell_protocol.h"
#include "common/utf8.h"
#include "fakeshell/desktop_icons.h"
#include "fakeshell/icons_file.h"
#include "fakeshell/pass_timing.h"
#include "fakeshell/shell_windows.h"
#include "fakeshell/wallpaper.h"

namespace {

struct Options {
    std::wstring iconsFile;
    std::wstring readyFile;
    fakeshell::ShellLayout layout = fakeshell::ShellLayout::Progman;
    bool valid = true;
};

Options ParseOptions() {
    Options options;
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        const std::wstring word = words[i];
        const bool hasValue = i + 1 < count;
        if (word == L"--icons" && hasValue) {
            options.iconsFile = words[++i];
        } else if (word == L"--ready" && hasValue) {
            options.readyFile = words[++i];
        } else if (word == L"--layout" && hasValue) {
            const std::wstring name = words[++i];
            if (name == L"progman") options.layout = fakeshell::ShellLayout::Progman;
            else if (name == L"workerw") options.layout = fakeshell::ShellLayout::WorkerW;
            else if (name == L"none") options.layout = fakeshell::ShellLayout::None;
            else options.valid = false;
        } else {
            options.valid = false;
        }
    }
    LocalFree(words);
    return options;
}

constexpr UINT_PTR kRepaintTimer = 1;
constexpr UINT kRepaintDelayMs = 500;

fakeshell::ShellWindows g_windows;

BOOL CALLBACK RepaintWindow(HWND window, LPARAM) {
    if (IsWindowVisible(window))
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

std::string CurrentIcons(fakeshell::IconPoint point = fakeshell::IconPoint::Position) {
    return g_windows.listView ? fakeshell::DescribeIcons(g_windows.listView, point) : std::string();
}

// The answer to a driver's request, or nothing for a request this shell does not know.
std::optional<std::string> Answer(ULONG_PTR request) {
    switch (request) {
        case orvtools::kDumpRequest: return CurrentIcons();
        case orvtools::kBoundsRequest: return CurrentIcons(fakeshell::IconPoint::Bounds);
        case orvtools::kTimingRequest: return fakeshell::LastItemPass();
        default: return std::nullopt;
    }
}

LRESULT CALLBACK ProgmanProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COPYDATA: {
            const auto* request = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            const std::optional<std::string> answer = Answer(request->dwData);
            if (!answer) return 0;
            const std::wstring path(static_cast<const wchar_t*>(request->lpData), request->cbData / sizeof(wchar_t));
            return orvtools::WriteFileAtomically(path, *answer) ? orvtools::kDumpDone : 0;
        }
        case WM_SETTINGCHANGE:
            // The program sets the desktop picture with SPI_SETDESKWALLPAPER, which announces it.
            if (wParam == SPI_SETDESKWALLPAPER) {
                fakeshell::ShowWallpaper(fakeshell::LoadWallpaper());
                SetTimer(window, kRepaintTimer, kRepaintDelayMs, nullptr);
            }
            return 0;
        case WM_TIMER:
            // Wine's virtual desktop paints the new picture over every window; once it has, have
            // all windows, the program's too, paint themselves again, as they would on Windows.
            // (Not through the desktop window: that would paint the picture over them again.)
            KillTimer(window, kRepaintTimer);
            EnumWindows(RepaintWindow, 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return fakeshell::HostProc(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const Options options = ParseOptions();
    if (!options.valid) return 2;

    std::vector<fakeshell::IconSpec> icons = fakeshell::DefaultIcons();
    if (!options.iconsFile.empty()) {
        std::string bytes;
        if (!orvtools::ReadFileBytes(options.iconsFile, bytes)) return 3;
        icons = fakeshell::ParseIconsFile(bytes);
    }

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    fakeshell::ShowWallpaper(fakeshell::LoadWallpaper());
    g_windows = fakeshell::CreateShellWindows(instance, options.layout, ProgmanProc);
    if (g_windows.listView) fakeshell::AddIcons(g_windows.listView, icons);
    fakeshell::ShowShellWindows(g_windows);
    if (g_windows.listView) {
        fakeshell::PlaceIcons(g_windows.listView, icons);
        fakeshell::WatchItemPasses(g_windows.listView);
    }
    if (!options.readyFile.empty() && !orvtools::WriteFileAtomically(options.readyFile, CurrentIcons())) return 4;

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
