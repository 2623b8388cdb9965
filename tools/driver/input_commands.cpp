#include <cstdlib>

#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

std::optional<HWND> FindControl(HWND parent, const Options& options) {
    const auto id = options.Value("id");
    const auto text = options.Value("text");
    if (!id && !text) return std::nullopt;
    for (const WindowInfo& child : Descendants(parent)) {
        if (id && child.id != std::atoi(id->c_str())) continue;
        if (text && child.text != *text) continue;
        return child.handle;
    }
    return std::nullopt;
}

// A real click through the system's input queue: the window comes to the front and the mouse goes
// down and up at the control's centre, as a user's click would.
void MouseClick(HWND control) {
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    RECT rect;
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

int Click(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto parent = ParseHandle(options.positional[0]);
    if (!parent) return 1;
    const auto control = FindControl(*parent, options);
    if (!control) return 1;
    // Posted, not sent: a click that opens a modal box must not block the driver.
    if (options.Flag("mouse")) MouseClick(*control);
    else PostMessageW(*control, BM_CLICK, 0, 0);
    return 0;
}

int PressButton(const Options& options) {
    if (options.positional.size() != 2) return 2;
    const auto dialog = ParseHandle(options.positional[0]);
    if (!dialog) return 1;
    const int id = std::atoi(options.positional[1].c_str());
    HWND button = GetDlgItem(*dialog, id);
    if (!button) return 1;
    PostMessageW(*dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return 0;
}

int CloseWindow(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto window = ParseHandle(options.positional[0]);
    if (!window) return 1;
    PostMessageW(*window, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace orvdriver
