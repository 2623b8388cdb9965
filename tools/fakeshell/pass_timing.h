#pragma once
#include <windows.h>

#include <string>

namespace fakeshell {

// Times, from inside the shell, how another process reads the list view item by item: a pass runs
// from an LVM_GETITEMCOUNT sent from outside to the last LVM_GETITEMRECT sent from outside after it.
// The shell's own calls to the list view are not counted.
void WatchItemPasses(HWND listView);

// `items microseconds` of the last pass ("0 0" before any), CR LF.
std::string LastItemPass();

}  // namespace fakeshell
