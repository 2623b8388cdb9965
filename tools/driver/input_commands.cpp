#include <cstdlib>

#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// The name the program gives a control, kept as a global atom in a window property.
std::string ControlName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, L"Orvella.Name")));
    if (atom == 0) return {};
    wchar_t buffer[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, buffer, 256);
    return orvtools::Narrow(std::wstring_view(buffer, length));
}

std::optional<HWND> FindControl(HWND parent, const Options& options) {
    const auto id = options.Value("id");
    const auto text = options.Value("text");
    const auto name = options.Value("name");
    if (!id && !text && !name) return std::nullopt;
    for (const WindowInfo& child : Descendants(parent)) {
        if (id && child.id != std::atoi(id->c_str())) continue;
        if (text && child.text != *text) continue;
        if (name && ControlName(child.handle) != *name) continue;
        return child.handle;
    }
    return std::nullopt;
}

// Moves the pointer through the input queue, so the windows see it as the user's own move.
void MovePointer(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, width - 1);
    input.mi.dy = MulDiv(screen.y, 65535, height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
}

void PressLeftButton() {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

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
    const auto parent = ParseHandle(options.positional[0]);
    if (!parent) return 1;
    const auto control = FindControl(*parent, options);
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
    POINT point{std::atoi(options.positional[1].c_str()), std::atoi(options.positional[2].c_str())};
    ClientToScreen(*window, &point);
    SetForegroundWindow(GetAncestor(*window, GA_ROOT));
    // A real pointer arrives in several small moves; a single jump is sometimes lost under Wine
    // right after another one.
    MovePointer({point.x - 1, point.y - 1});
    Sleep(50);
    MovePointer(point);
    if (!options.Flag("hover")) PressLeftButton();
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
