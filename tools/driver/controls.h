#pragma once
#include <windows.h>

#include <optional>

#include "driver/options.h"

namespace orvdriver {

// The control a command names: a descendant of the window `<hwnd>` (its first positional word) that
// matches every one of --id, --text and --name (the name the program gives it) that are given; none
// when no option names a control.
std::optional<HWND> NamedControl(const Options& options);

// Whether the window is of this class; class names compare case-insensitively.
bool IsClass(HWND window, const wchar_t* className);

}  // namespace orvdriver
