#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

int ShowBox(const std::string& text, const std::string& title, UINT type) {
    HWND owner = GetActiveWindow();
    // Without an owner the box disables the thread's windows itself, so nothing behind it can
    // be clicked while it is up.
    if (owner == nullptr) type |= MB_TASKMODAL;
    return MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(title).c_str(), type | MB_SETFOREGROUND | MB_TOPMOST);
}

}  // namespace

void Win32Dialogs::ShowMessage(const std::string& text) { ShowBox(text, title_, MB_OK); }

void Win32Dialogs::ShowException(const std::string& text) { ShowBox(text, title_, MB_OK | MB_ICONERROR); }

void Win32Dialogs::ShowError(const std::string& text, const std::string& title) {
    ShowBox(text, title, MB_OK | MB_ICONERROR);
}

bool Win32Dialogs::ShowDlg(const std::string& question) {
    return ShowBox(question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace orvella
