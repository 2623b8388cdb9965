#include "common/shell_protocol.h"
#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// Sends `request` to the fake shell (the "Progman" window that answers it) and returns the text it
// wrote; false when no shell answered.
bool AskShell(unsigned long long request, unsigned long timeoutMs, std::string& answer) {
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"orv", 0, path);
    const std::wstring target = path;

    Options filter;
    filter.values["class"] = "Progman";
    bool answered = false;
    for (const WindowInfo& window : TopLevelWindows(filter)) {
        COPYDATASTRUCT message{};
        message.dwData = request;
        message.cbData = static_cast<DWORD>(target.size() * sizeof(wchar_t));
        message.lpData = const_cast<wchar_t*>(target.data());
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window.handle, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&message), SMTO_ABORTIFHUNG,
                                timeoutMs, &result) &&
            result == static_cast<DWORD_PTR>(orvtools::kDumpDone)) {
            answered = true;
            break;
        }
    }
    const bool read = answered && orvtools::ReadFileBytes(target, answer);
    DeleteFileW(target.c_str());
    return read;
}

int PrintShellAnswer(unsigned long long request, const Options& options) {
    std::string answer;
    if (!AskShell(request, options.TimeoutMs(5000), answer)) return 1;
    orvtools::WriteStdout(answer);
    return 0;
}

}  // namespace

// `caption:x:y` lines: the items' positions, or with --bounds the corners of their bounds.
int ShellIcons(const Options& options) {
    return PrintShellAnswer(options.Flag("bounds") ? orvtools::kBoundsRequest : orvtools::kDumpRequest, options);
}

int ShellTiming(const Options& options) { return PrintShellAnswer(orvtools::kTimingRequest, options); }

}  // namespace orvdriver
