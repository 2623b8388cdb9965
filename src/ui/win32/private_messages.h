#pragma once
#include <windows.h>

namespace orvella::ui::win32 {

// Messages the binding posts to its own windows, to act once the current message is done.

// To a form or panel: look for the drawn control under the pointer again.
inline constexpr UINT kRecheckHover = WM_APP + 1;
// To a check list: take the selection the list shows into the model.
inline constexpr UINT kTakeSelection = WM_APP + 2;
// To a colour box: ask the user for the custom colour.
inline constexpr UINT kPickCustomColor = WM_APP + 3;

}  // namespace orvella::ui::win32
