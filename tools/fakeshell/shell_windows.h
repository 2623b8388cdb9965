#pragma once
#include <windows.h>

namespace fakeshell {

enum class ShellLayout {
    Progman,  // Progman > SHELLDLL_DefView > SysListView32
    WorkerW,  // Progman empty; a top-level WorkerW > SHELLDLL_DefView > SysListView32
    None,     // Progman without a list view
};

struct ShellWindows {
    HWND progman = nullptr;
    HWND listView = nullptr;  // none in the None layout
    HWND visible = nullptr;   // the top-level window that shows the desktop
};

// Creates the shell's windows, hidden, covering the screen. `progmanProc` handles the Progman window
// and passes what it does not handle on to HostProc.
ShellWindows CreateShellWindows(HINSTANCE instance, ShellLayout layout, WNDPROC progmanProc);

// Shows the desktop and paints it at once: Wine's list view arranges its items at its first paint
// and forgets positions set before it, so icons are placed after this.
void ShowShellWindows(const ShellWindows& windows);

// The window procedure of the host windows (Progman, WorkerW, SHELLDLL_DefView): each fills its
// first child and paints the desktop picture, or the desktop colour when there is none.
LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Makes `picture` (screen-sized, or none) the desktop's background; takes ownership of it.
void ShowWallpaper(HBITMAP picture);

}  // namespace fakeshell
