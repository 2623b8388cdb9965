#pragma once
#include <windows.h>

#include <optional>

namespace orvdriver {

// How long a command waits for the program's answer unless --timeout says otherwise.
constexpr unsigned long kAnswerTimeoutMs = 2000;

// Sends a message that only asks, and waits up to `timeoutMs` for the answer; none when the window
// did not answer in time.
std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned long timeoutMs);

enum class Delivery {
    Handled,  // the program has handled the message
    Pending,  // still being handled when the time was up: its handler opened a modal box, say
    Failed,   // the window is gone or not responding
};

// Sends a message that changes something and waits up to `timeoutMs` for the program to handle it,
// so that what the change leads to has happened when the driver returns.
Delivery Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned long timeoutMs);

// A command's exit code for what became of its message.
inline int ExitCode(Delivery delivery) { return delivery == Delivery::Failed ? 1 : 0; }

}  // namespace orvdriver
