#pragma once
#include <windows.h>

#include <optional>

namespace orvella::ui::win32 {

// The system's colour dialog, fully open, starting at `initial`, modal to `owner`; the colour the
// user chose, none when the user cancelled. The dialog's custom colours last for the run.
std::optional<COLORREF> AskColor(HWND owner, COLORREF initial);

}  // namespace orvella::ui::win32
