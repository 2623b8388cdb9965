#include "driver/controls.h"

#include <cstdlib>

#include "common/utf8.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

std::optional<HWND> FindControl(HWND parent, const Options& options) {
    const auto id = options.Value("id");
    const auto text = options.Value("text");
    const auto name = options.Value("name");
    if (!id && !text && !name) return std::nullopt;
    for (const WindowInfo& child : Descendants(parent)) {
        if (id && child.id != std::atoi(id->c_str())) continue;
        if (text && child.text != *text) continue;
        if (name && child.name != *name) continue;
        return child.handle;
    }
    return std::nullopt;
}

}  // namespace

std::optional<HWND> NamedControl(const Options& options) {
    if (options.positional.empty()) return std::nullopt;
    const auto parent = ParseHandle(options.positional[0]);
    if (!parent) return std::nullopt;
    return FindControl(*parent, options);
}

bool IsClass(HWND window, const wchar_t* className) {
    wchar_t actual[256] = {};
    GetClassNameW(window, actual, 256);
    return lstrcmpiW(actual, className) == 0;
}

}  // namespace orvdriver
