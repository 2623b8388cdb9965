#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "driver/options.h"

namespace orvdriver {

struct WindowInfo {
    HWND handle = nullptr;
    HWND parent = nullptr;
    DWORD pid = 0;
    std::string className;
    std::string text;
    int id = 0;
    bool visible = false;
    RECT rect{};  // screen coordinates
    std::string name;  // the name the program gives the control, if any
};

WindowInfo Describe(HWND window);

// Top-level windows, in Z order, that match the --class, --title and --pid options given
// (exact, case-sensitive); with --visible only visible ones.
std::vector<WindowInfo> TopLevelWindows(const Options& filter);

// The filter for dialog boxes (message boxes included): visible #32770 windows, with the caller's
// other options (--pid, --title).
Options DialogFilter(const Options& options);

// All descendants of a window, parents before their children.
std::vector<WindowInfo> Descendants(HWND window);

// Tab-separated records:
//   top level: hwnd pid class title visible left,top,right,bottom
//   child:     hwnd parent class text id visible left,top,right,bottom name
std::string FormatTopLevel(const WindowInfo& info);
std::string FormatChild(const WindowInfo& info);

std::string HandleText(HWND window);  // "0x..." as ParseHandle reads it
std::optional<HWND> ParseHandle(const std::string& text);

// Polls `probe` every 50 ms until it returns true or the timeout passes.
bool PollUntil(unsigned long timeoutMs, const std::function<bool()>& probe);

}  // namespace orvdriver
