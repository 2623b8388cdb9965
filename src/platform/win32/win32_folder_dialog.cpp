#include "platform/win32/win32_folder_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cwctype>
#include <memory>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

struct PidlFree {
    void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};
using Pidl = std::unique_ptr<ITEMIDLIST, PidlFree>;

// What the open dialog and its hooks share.
struct Browse {
    std::wstring startFolder;
    Pidl typedFolder;  // a folder typed into the edit box when OK was pressed
};

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// "X:\..." or "\\server\share...": a path that names a folder on its own, unlike an item's name.
bool IsFullPath(const std::wstring& text) {
    if (text.size() >= 2 && text[0] == L'\\' && text[1] == L'\\') return true;
    return text.size() >= 3 && std::iswalpha(text[0]) && text[1] == L':' && text[2] == L'\\';
}

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

HWND EditBoxOf(HWND dialog) { return FindWindowExW(dialog, nullptr, L"Edit", nullptr); }

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The edit box's text when it is a full path, with '/' taken for '\' as Windows takes it (the
// shell's parser does not); none when it holds an item's name.
std::optional<std::wstring> TypedPath(HWND edit) {
    std::wstring text = Trimmed(TextOf(edit));
    for (wchar_t& c : text)
        if (c == L'/') c = L'\\';
    if (!IsFullPath(text)) return std::nullopt;
    return text;
}

// Called on OK. Wine's browser ignores the edit box and returns the tree's selection, so a full
// path typed there is taken here; the same path is what Windows itself returns. A typed path that
// names no folder keeps the dialog open rather than silently returning another folder.
bool AcceptTypedFolder(HWND dialog, Browse& browse) {
    browse.typedFolder.reset();
    HWND edit = EditBoxOf(dialog);
    const auto path = edit != nullptr ? TypedPath(edit) : std::nullopt;
    if (!path) return true;
    ITEMIDLIST* parsed = nullptr;
    if (IsFolder(*path) && SUCCEEDED(SHParseDisplayName(path->c_str(), nullptr, &parsed, 0, nullptr))) {
        browse.typedFolder.reset(parsed);
        return true;
    }
    MessageBeep(MB_ICONWARNING);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
}

// The tree's choice enables or disables OK (a choice outside the file system disables it); a
// folder typed into the edit box enables it too, or it could not be confirmed.
void EnableOkForTypedFolder(HWND dialog, HWND edit) {
    const auto path = TypedPath(edit);
    if (path && IsFolder(*path)) SendMessageW(dialog, BFFM_ENABLEOK, 0, TRUE);
}

LRESULT CALLBACK DialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK && !AcceptTypedFolder(dialog, *reinterpret_cast<Browse*>(data)))
        return 0;
    const LRESULT result = DefSubclassProc(dialog, message, wParam, lParam);
    // After the dialog's own handling, which may have just enabled or disabled OK for the tree.
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        EnableOkForTypedFolder(dialog, reinterpret_cast<HWND>(lParam));
    if (message == WM_NCDESTROY) RemoveWindowSubclass(dialog, DialogHook, id);
    return result;
}

int CALLBACK OnBrowseEvent(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    auto* browse = reinterpret_cast<Browse*>(data);
    SetWindowSubclass(dialog, DialogHook, 1, reinterpret_cast<DWORD_PTR>(browse));
    if (!browse->startFolder.empty())
        SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(browse->startFolder.c_str()));
    return 0;
}

std::optional<std::string> PathOf(const ITEMIDLIST* pidl) {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(pidl, path)) return std::nullopt;
    return FromUtf16(path);
}

}  // namespace

std::optional<std::string> Win32FolderDialog::ChooseFolder(const std::string& title, const std::string& startFolder) {
    Browse browse;
    const std::wstring start = ToUtf16(startFolder);
    if (!start.empty() && IsFolder(start)) browse.startFolder = start;

    // Without the drives' folder the tree starts at the desktop: less tidy, still usable.
    ITEMIDLIST* drives = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives))) drives = nullptr;
    const Pidl root(drives);

    const std::wstring prompt = ToUtf16(title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.pidlRoot = root.get();
    info.pszDisplayName = displayName;
    info.lpszTitle = prompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
    info.lpfn = OnBrowseEvent;
    info.lParam = reinterpret_cast<LPARAM>(&browse);
    const Pidl chosen(SHBrowseForFolderW(&info));
    if (!chosen) return std::nullopt;
    return PathOf(browse.typedFolder ? browse.typedFolder.get() : chosen.get());
}

}  // namespace orvella
