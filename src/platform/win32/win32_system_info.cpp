#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {

std::string Win32SystemInfo::ExecutablePath() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the path was cut short: grow and ask again.
        if (length < path.size()) {
            path.resize(length);
            return FromUtf16(path);
        }
        path.resize(path.size() * 2);
    }
}

bool Win32SystemInfo::IsWin64() const {
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (kernel == nullptr) return false;
    // Looked up rather than linked: systems before XP SP2 lack it and count as 32-bit.
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64Process == nullptr) return false;
    BOOL wow64 = FALSE;
    return isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace orvella
