#include "ui/win32/context_menu.h"

#include <windowsx.h>

#include <cstddef>
#include <functional>
#include <string>

#include "platform/win32/utf16.h"
#include "ui/application.h"

namespace orvella::ui::win32 {
namespace {

// Where a menu opened from the keyboard appears, inside the control's top left corner.
constexpr int kKeyboardOffset = 8;

// Command ids are the item's index + 1: TrackPopupMenu returns 0 when nothing was chosen.
HMENU BuildMenu(const PopupMenu& menu) {
    HMENU handle = CreatePopupMenu();
    if (handle == nullptr) return nullptr;
    const auto& items = menu.Items();
    for (std::size_t index = 0; index < items.size(); ++index) {
        const PopupMenu::Item& item = items[index];
        if (item.IsSeparator()) {
            AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(handle, flags, index + 1, ToUtf16(item.caption).c_str());
    }
    return handle;
}

POINT MenuPosition(HWND window, LPARAM position) {
    if (position != -1) return {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT bounds;
    GetWindowRect(window, &bounds);
    return {bounds.left + kKeyboardOffset, bounds.top + kKeyboardOffset};
}

}  // namespace

void ShowContextMenu(PopupMenu& menu, HWND window, LPARAM position, Application& application) {
    application.Dispatch([&menu] {
        if (menu.OnPopup) menu.OnPopup();
    });
    if (menu.Items().empty() || !IsWindow(window)) return;
    HMENU handle = BuildMenu(menu);
    if (handle == nullptr) return;
    const POINT at = MenuPosition(window, position);
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, window, nullptr));
    DestroyMenu(handle);
    if (chosen == 0 || chosen > menu.Items().size()) return;
    // A copy: the handler may change the items it belongs to.
    const std::function<void()> onClick = menu.Items()[chosen - 1].onClick;
    if (onClick) application.Dispatch(onClick);
}

}  // namespace orvella::ui::win32
