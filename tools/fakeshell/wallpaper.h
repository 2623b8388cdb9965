#pragma once
#include <windows.h>

namespace fakeshell {

// The desktop picture as the system has it (HKCU\Control Panel\Desktop, value Wallpaper),
// stretched over the screen; none when no picture is set or it cannot be read. The caller owns it.
HBITMAP LoadWallpaper();

}  // namespace fakeshell
