#include "driver/windows_query.h"

#include <cstdio>
#include <cstdlib>

#include "common/tsv.h"
#include "common/utf8.h"

namespace orvdriver {
std::string HandleText(HWND window) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return buffer;
}

namespace {

std::string RectText(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

// WM_GETTEXT with a timeout, so a hung window cannot hang the driver (GetWindowText would send
// the message to another process's window without one).
std::string WindowText(HWND window) {
    wchar_t buffer[4096] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                             &length))
        return {};
    return orvtools::Narrow(std::wstring_view(buffer, static_cast<size_t>(length)));
}

// The name the program gives a control, kept as a global atom in a window property.
std::string ControlName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, L"Orvella.Name")));
    if (atom == 0) return {};
    wchar_t buffer[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, buffer, 256);
    return orvtools::Narrow(std::wstring_view(buffer, length));
}

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

WindowInfo Describe(HWND window) {
    WindowInfo info;
    info.handle = window;
    info.parent = GetAncestor(window, GA_PARENT);
    GetWindowThreadProcessId(window, &info.pid);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    info.className = orvtools::Narrow(className);
    info.text = WindowText(window);
    info.id = static_cast<int>(GetWindowLongPtrW(window, GWLP_ID));
    info.visible = IsWindowVisible(window) != FALSE;
    GetWindowRect(window, &info.rect);
    info.name = ControlName(window);
    return info;
}

std::vector<WindowInfo> TopLevelWindows(const Options& filter) {
    std::vector<HWND> handles;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&handles));
    const auto className = filter.Value("class");
    const auto title = filter.Value("title");
    const auto pid = filter.Value("pid");
    std::vector<WindowInfo> found;
    for (HWND window : handles) {
        WindowInfo info = Describe(window);
        if (className && info.className != *className) continue;
        if (title && info.text != *title) continue;
        if (pid && info.pid != std::strtoul(pid->c_str(), nullptr, 10)) continue;
        if (filter.Flag("visible") && !info.visible) continue;
        found.push_back(std::move(info));
    }
    return found;
}

Options DialogFilter(const Options& options) {
    Options filter = options;
    filter.values["class"] = "#32770";
    filter.flags.push_back("visible");
    return filter;
}

std::vector<WindowInfo> Descendants(HWND window) {
    std::vector<WindowInfo> found;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back(Describe(child));
        std::vector<WindowInfo> below = Descendants(child);
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}

std::string FormatTopLevel(const WindowInfo& info) {
    return HandleText(info.handle) + "\t" + std::to_string(info.pid) + "\t" + orvtools::EscapeField(info.className) +
           "\t" + orvtools::EscapeField(info.text) + "\t" + (info.visible ? "1" : "0") + "\t" + RectText(info.rect) +
           "\n";
}

std::string FormatChild(const WindowInfo& info) {
    return HandleText(info.handle) + "\t" + HandleText(info.parent) + "\t" + orvtools::EscapeField(info.className) +
           "\t" + orvtools::EscapeField(info.text) + "\t" + std::to_string(info.id) + "\t" +
           (info.visible ? "1" : "0") + "\t" + RectText(info.rect) + "\t" + orvtools::EscapeField(info.name) + "\n";
}

std::optional<HWND> ParseHandle(const std::string& text) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0') return std::nullopt;
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
    if (!IsWindow(window)) return std::nullopt;
    return window;
}

bool PollUntil(unsigned long timeoutMs, const std::function<bool()>& probe) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (probe()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(50);
    }
}

}  // namespace orvdriver
