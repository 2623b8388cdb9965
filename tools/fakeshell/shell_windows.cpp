#include "fakeshell/shell_windows.h"

#include <commctrl.h>

namespace fakeshell {
namespace {

constexpr COLORREF kDesktopColour = RGB(0x3A, 0x6E, 0xA5);
HBITMAP g_wallpaper = nullptr;

}  // namespace

void ShowWallpaper(HBITMAP picture) {
    if (g_wallpaper) DeleteObject(g_wallpaper);
    g_wallpaper = picture;
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (HWND child = GetWindow(window, GW_CHILD))
                MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_ERASEBKGND: {
            // Also the list view's background: with no colour of its own it has its parent erase it.
            HDC dc = reinterpret_cast<HDC>(wParam);
            RECT area;
            GetClientRect(window, &area);
            if (g_wallpaper) {
                HDC source = CreateCompatibleDC(dc);
                HGDIOBJ previous = SelectObject(source, g_wallpaper);
                BitBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY);
                SelectObject(source, previous);
                DeleteDC(source);
            } else {
                HBRUSH brush = CreateSolidBrush(kDesktopColour);
                FillRect(dc, &area, brush);
                DeleteObject(brush);
            }
            return 1;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

namespace {

void RegisterHostClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

// Disabled: when the program hides a window, Wine would otherwise activate the desktop, and in
// its virtual desktop an activated window is drawn over the program's windows. The desktop needs
// no input of its own; messages from the driver and the program still reach it.
HWND CreateTopLevel(HINSTANCE instance, const wchar_t* className, const wchar_t* title) {
    return CreateWindowExW(WS_EX_TOOLWINDOW, className, title, WS_POPUP | WS_CLIPCHILDREN | WS_DISABLED, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                           instance, nullptr);
}

HWND CreateListView(HINSTANCE instance, HWND owner) {
    RECT area;
    GetClientRect(owner, &area);
    HWND view = CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                area.right, area.bottom, owner, nullptr, instance, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"FolderView",
                                WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                                area.right, area.bottom, view, nullptr, instance, nullptr);
    ListView_SetBkColor(list, CLR_NONE);
    ListView_SetTextBkColor(list, CLR_NONE);
    ListView_SetTextColor(list, RGB(0xFF, 0xFF, 0xFF));
    return list;
}

}  // namespace

ShellWindows CreateShellWindows(HINSTANCE instance, ShellLayout layout, WNDPROC progmanProc) {
    RegisterHostClass(instance, L"Progman", progmanProc);
    RegisterHostClass(instance, L"WorkerW", HostProc);
    RegisterHostClass(instance, L"SHELLDLL_DefView", HostProc);

    ShellWindows windows;
    windows.progman = CreateTopLevel(instance, L"Progman", L"Program Manager");
    HWND iconHost = nullptr;
    switch (layout) {
        case ShellLayout::Progman:
            iconHost = windows.progman;
            break;
        case ShellLayout::WorkerW:
            iconHost = CreateTopLevel(instance, L"WorkerW", L"");
            break;
        case ShellLayout::None:
            break;
    }
    if (iconHost) windows.listView = CreateListView(instance, iconHost);
    // In the WorkerW arrangement the icons' window is the one seen; Progman stays hidden behind it.
    windows.visible = iconHost ? iconHost : windows.progman;
    return windows;
}

void ShowShellWindows(const ShellWindows& windows) {
    // Not pushed to the bottom of the Z order: in Wine's virtual desktop a window sent there is
    // then painted over windows of other processes. The shell starts first and, disabled, is never
    // activated, so the program's windows stay in front of it anyway.
    ShowWindow(windows.visible, SW_SHOWNOACTIVATE);
    UpdateWindow(windows.visible);
    if (windows.listView) RedrawWindow(windows.listView, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

}  // namespace fakeshell
