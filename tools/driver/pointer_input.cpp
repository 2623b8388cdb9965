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

void PressButton(DWORD down, DWORD up) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = down;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = up;
    SendInput(2, inputs, sizeof(INPUT));
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

void PressLeftButton() { PressButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void PressRightButton() { PressButton(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void PressKeys(const std::vector<WORD>& virtualKeys) {
    for (const WORD key : virtualKeys) {
        INPUT inputs[2] = {};
        inputs[0].type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = key;
        inputs[1].type = INPUT_KEYBOARD;
        inputs[1].ki.wVk = key;
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, inputs, sizeof(INPUT));
        // One key at a time, as a user types: a key may open a menu or a box the next one is for.
        Sleep(150);
    }
}

}  // namespace orvdriver
