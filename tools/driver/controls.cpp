#include "driver/controls.h"

#include <cstdlib>

#include "common/utf8.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// The name the program gives a control, kept as a global atom in a window property.
std::string ControlName(HWND window) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropW(window, L"Orvella.Name")));
    if (atom == 0) return {};
    wchar_t buffer[256] = {};
    const UINT length = GlobalGetAtomNameW(atom, buffer, 256);
    return orvtools::Narrow(std::wstring_view(buffer, length));
}

std::optional<HWND> FindControl(HWND parent, const Options& options) {
    const auto id = options.Value("id");
    const auto text = options.Value("text");
    const auto name = options.Value("name");
    if (!id && !text && !name) return std::nullopt;
    for (const WindowInfo& child : Descendants(parent)) {
        if (id && child.id != std::atoi(id->c_str())) continue;
        if (text && child.text != *text) continue;
        if (name && ControlName(child.handle) != *name) continue;
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
