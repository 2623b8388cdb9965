#include <cstdlib>

#include "driver/commands.h"
#include "driver/controls.h"
#include "driver/pointer_input.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// A real click through the system's input queue: the window comes to the front and the mouse goes
// down and up at the control's centre, as a user's click would.
void MouseClick(HWND control) {
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    RECT rect;
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PressLeftButton();
}

}  // namespace

int Click(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto control = NamedControl(options);
    if (!control) return 1;
    // Posted, not sent: a click that opens a modal box must not block the driver.
    if (options.Flag("mouse")) MouseClick(*control);
    else PostMessageW(*control, BM_CLICK, 0, 0);
    return 0;
}

// Drawn controls have no window of their own: they are reached by their place in the window.
int Mouse(const Options& options) {
    if (options.positional.size() != 3) return 2;
    const auto window = ParseHandle(options.positional[0]);
    if (!window || !IsWindow(*window)) return 1;
    PointAt(*window, {std::atoi(options.positional[1].c_str()), std::atoi(options.positional[2].c_str())});
    if (options.Flag("hover")) return 0;
    if (options.Flag("right")) {
        PressRightButton();
    } else {
        PressLeftButton();
        if (options.Flag("double")) PressLeftButton();
    }
    return 0;
}

// Keys to the focused window of the program that owns `hwnd`, brought to the front first.
int Keys(const Options& options) {
    if (options.positional.size() < 2) return 2;
    const auto window = ParseHandle(options.positional[0]);
    if (!window || !IsWindow(*window)) return 1;
    std::vector<WORD> keys;
    for (std::size_t i = 1; i < options.positional.size(); ++i) {
        const int key = std::atoi(options.positional[i].c_str());
        if (key <= 0 || key > 0xFE) return 2;
        keys.push_back(static_cast<WORD>(key));
    }
    SetForegroundWindow(GetAncestor(*window, GA_ROOT));
    PressKeys(keys);
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
