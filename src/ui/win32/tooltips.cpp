#include "ui/win32/tooltips.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/utf16.h"
#include "ui/win32/geometry.h"

namespace orvella::ui::win32 {
namespace {

TOOLINFOW ToolFor(HWND host, const Control& control) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = host;
    tool.uId = reinterpret_cast<UINT_PTR>(&control);
    tool.rect = ToRect(control.Bounds());
    return tool;
}

}  // namespace

bool TipTools::MakeWindow() {
    if (tips_ != nullptr) return true;
    // Always: the change panel is seldom the active window.
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, host_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    return tips_ != nullptr;
}

void TipTools::Update(const Control& control) {
    const bool wanted = control.Visible() && control.ShowHint() && !control.Hint().empty();
    const bool present = tools_.count(&control) != 0;
    if (!wanted && !present) return;
    TOOLINFOW tool = ToolFor(host_, control);
    if (!wanted) {
        SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tools_.erase(&control);
        return;
    }
    std::wstring text = ToUtf16(control.Hint());
    tool.lpszText = text.data();
    if (present) {
        SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (MakeWindow() && SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE) {
        tools_.insert(&control);
    }
}

void TipTools::Release() {
    if (tips_ != nullptr) DestroyWindow(tips_);
    tips_ = nullptr;
    tools_.clear();
}

}  // namespace orvella::ui::win32
