#include "ui/win32/host_painting.h"

#include "ui/win32/colors.h"
#include "ui/win32/fonts.h"
#include "ui/win32/text_painting.h"

namespace orvella::ui::win32 {
namespace {

// Where a group box's title starts, from its left edge, and the room the frame's line leaves
// on either side of it.
constexpr int kTitleIndent = 8;
constexpr int kTitleGap = 2;

TextLook LookOf(const Control& host, FontCache& fonts) {
    const COLORREF color = host.Enabled() ? ToColorRef(host.FontColor()) : GetSysColor(COLOR_GRAYTEXT);
    return {fonts.For(host.GetFontStyle(), host.FontHeight()), color};
}

void PaintPanelCaption(HDC dc, const Control& panel, const RECT& client, FontCache& fonts) {
    DrawTextIn(dc, panel.Text(), client, LookOf(panel, fonts), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The frame's top line runs through the middle of the title's line; the title covers it.
void PaintGroupFrame(HDC dc, const Control& group, const RECT& client, HBRUSH background, FontCache& fonts) {
    const TextLook look = LookOf(group, fonts);
    const SIZE line = MeasureText(dc, group.Text().empty() ? "Ag" : group.Text(), look.font);
    RECT frame{client.left, client.top + line.cy / 2, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (group.Text().empty()) return;
    RECT title{client.left + kTitleIndent, client.top, client.left + kTitleIndent + line.cx, client.top + line.cy};
    if (title.right > client.right - kTitleIndent) title.right = client.right - kTitleIndent;
    const RECT gap{title.left - kTitleGap, title.top, title.right + kTitleGap, title.bottom};
    FillRect(dc, &gap, background);
    DrawTextIn(dc, group.Text(), title, look, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace

bool ShowsOwnText(ControlKind kind) { return kind == ControlKind::Panel || kind == ControlKind::GroupBox; }

void PaintHostDecoration(HDC dc, const Control& host, const RECT& client, HBRUSH background, FontCache& fonts) {
    if (host.Kind() == ControlKind::Panel && !host.Text().empty()) PaintPanelCaption(dc, host, client, fonts);
    if (host.Kind() == ControlKind::GroupBox) PaintGroupFrame(dc, host, client, background, fonts);
}

}  // namespace orvella::ui::win32
