#include "ui/win32/status_bar.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/win32/utf16.h"

namespace orvella::ui::win32 {

void NativeStatusBar::Apply(Property property) {
    switch (property) {
        case Property::Items: ShowPanels(); break;
        case Property::Text: break;  // the panels carry the texts
        default: NativeControl::Apply(property); break;
    }
}

void NativeStatusBar::ShowPanels() {
    const auto& panels = bar_.Panels();
    // The system takes each part's right edge; -1 runs to the bar's end.
    std::vector<int> edges;
    int right = 0;
    for (const auto& panel : panels) {
        right += panel.width;
        edges.push_back(panel.width < 0 ? -1 : right);
    }
    if (edges.empty()) edges.push_back(-1);
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels.size(); ++i) {
        // A leading tab centres a part's text.
        const std::wstring text = (panels[i].centred ? L"\t" : L"") + ToUtf16(panels[i].text);
        SendMessageW(Handle(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (panels.empty()) SendMessageW(Handle(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
}

}  // namespace orvella::ui::win32
