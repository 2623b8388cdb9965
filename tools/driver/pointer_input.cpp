#include "driver/pointer_input.h"

namespace orvdriver {
namespace {

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

}  // namespace

void PointAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    // A real pointer arrives in several small moves; a single jump is sometimes lost under Wine
    // right after another one.
    MovePointer({client.x - 1, client.y - 1});
    Sleep(50);
    MovePointer(client);
}

void PressLeftButton() {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace orvdriver
