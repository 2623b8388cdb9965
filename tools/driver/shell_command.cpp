#include "common/shell_protocol.h"
#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {

// Asks the fake shell (the "Progman" window that answers the dump request) for its icons and prints
// its `caption:x:y` lines.
int ShellIcons(const Options& options) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"orv", 0, path);
    const std::wstring target = path;

    Options filter;
    filter.values["class"] = "Progman";
    bool answered = false;
    for (const WindowInfo& window : TopLevelWindows(filter)) {
        COPYDATASTRUCT request{};
        request.dwData = orvtools::kDumpRequest;
        request.cbData = static_cast<DWORD>(target.size() * sizeof(wchar_t));
        request.lpData = const_cast<wchar_t*>(target.data());
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window.handle, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_ABORTIFHUNG,
                                options.TimeoutMs(5000), &result) &&
            result == static_cast<DWORD_PTR>(orvtools::kDumpDone)) {
            answered = true;
            break;
        }
    }
    std::string lines;
    const bool read = answered && orvtools::ReadFileBytes(target, lines);
    DeleteFileW(target.c_str());
    if (!read) return 1;
    orvtools::WriteStdout(lines);
    return 0;
}

}  // namespace orvdriver
