#include "platform/win32/win32_save_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/win32/utf16.h"

namespace orvella {

std::optional<std::string> Win32SaveDialog::ChooseSavePath(const std::string& filterName, const std::string& pattern) {
    // The filter is pairs of zero-ended texts, ended by one more zero.
    std::wstring filter = ToUtf16(filterName);
    filter.push_back(L'\0');
    filter += ToUtf16(pattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    std::vector<wchar_t> path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return FromUtf16(path.data());
}

}  // namespace orvella
