#include "common/tsv.h"
#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// The box's message: its static controls that hold text rather than the icon.
std::string MessageText(HWND box) {
    std::string text;
    for (const WindowInfo& child : Descendants(box)) {
        if (_stricmp(child.className.c_str(), "Static") != 0 || child.text.empty()) continue;
        if ((GetWindowLongPtrW(child.handle, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        if (!text.empty()) text += "\n";
        text += child.text;
    }
    return text;
}

std::string ButtonIds(HWND box) {
    std::string ids;
    for (const WindowInfo& child : Descendants(box)) {
        if (_stricmp(child.className.c_str(), "Button") != 0 || !child.visible) continue;
        if (!ids.empty()) ids += ",";
        ids += std::to_string(child.id);
    }
    return ids;
}

}  // namespace

// Prints: hwnd pid title text buttons (visible button ids, comma-separated).
int ReadMessageBox(const Options& options) {
    const Options filter = DialogFilter(options);
    std::vector<WindowInfo> found;
    if (!PollUntil(options.TimeoutMs(5000), [&] { return !(found = TopLevelWindows(filter)).empty(); })) return 1;
    const WindowInfo& box = found.front();
    orvtools::WriteStdout(HandleText(box.handle) + "\t" + std::to_string(box.pid) + "\t" + orvtools::EscapeField(box.text) +
                          "\t" + orvtools::EscapeField(MessageText(box.handle)) + "\t" + ButtonIds(box.handle) + "\n");
    return 0;
}

}  // namespace orvdriver
