#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "driver/control_messages.h"

namespace orvdriver {

// A list view in another process: the records its messages point at are written into the owner's
// memory, laid out as the owner's bitness has them.
std::optional<std::string> ListViewItemText(HWND list, int index, unsigned long timeoutMs);
// LVM_SETITEMSTATE; index -1 sets the state of every entry.
Delivery SetListViewItemState(HWND list, int index, UINT state, UINT mask, unsigned long timeoutMs);

}  // namespace orvdriver
