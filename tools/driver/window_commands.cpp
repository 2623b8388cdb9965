#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/windows_query.h"

namespace orvdriver {

int ListWindows(const Options& options) {
    for (const WindowInfo& info : TopLevelWindows(options)) orvtools::WriteStdout(FormatTopLevel(info));
    return 0;
}

int ListChildren(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto window = ParseHandle(options.positional[0]);
    if (!window) return 1;
    for (const WindowInfo& info : Descendants(*window)) orvtools::WriteStdout(FormatChild(info));
    return 0;
}

int WaitWindow(const Options& options) {
    if (!options.Value("class") && !options.Value("title")) return 2;
    std::vector<WindowInfo> found;
    if (!PollUntil(options.TimeoutMs(5000), [&] { return !(found = TopLevelWindows(options)).empty(); })) return 1;
    orvtools::WriteStdout(FormatTopLevel(found.front()));
    return 0;
}

int WaitDialog(const Options& options) { return WaitWindow(DialogFilter(options)); }

int WaitGone(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto window = ParseHandle(options.positional[0]);
    if (!window) return 0;
    const bool hiddenIsGone = options.Flag("hidden");
    return PollUntil(options.TimeoutMs(5000),
                     [&] { return !IsWindow(*window) || (hiddenIsGone && !IsWindowVisible(*window)); })
               ? 0
               : 1;
}

}  // namespace orvdriver
