#include "platform/win32/win32_folder_enumerator.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

void Win32FolderEnumerator::List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((ToUtf16(folder) + L"*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    DirEntry entry;
    do {
        if (IsDotEntry(found.cFileName)) continue;
        entry.name = FromUtf16(found.cFileName);
        entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.hidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        entry.system = (found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        try {
            visit(entry);
        } catch (...) {
            FindClose(search);
            throw;
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace orvella
