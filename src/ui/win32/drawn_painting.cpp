#include "ui/win32/drawn_painting.h"

#include <cstddef>

#include "ui/win32/colors.h"
#include "ui/win32/fonts.h"
#include "ui/win32/geometry.h"
#include "ui/win32/glyphs.h"
#include "ui/win32/text_painting.h"

namespace orvella::ui::win32 {
namespace {

constexpr COLORREF kHoverRed = RGB(255, 0, 0);
// Between a speed button's glyph and its text.
constexpr int kGlyphSpacing = 4;

void FillSolid(HDC dc, const RECT& area, COLORREF color) {
    const COLORREF previous = SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void FrameSolid(HDC dc, const RECT& area, COLORREF color) {
    FillSolid(dc, {area.left, area.top, area.right, area.top + 1}, color);
    FillSolid(dc, {area.left, area.bottom - 1, area.right, area.bottom}, color);
    FillSolid(dc, {area.left, area.top, area.left + 1, area.bottom}, color);
    FillSolid(dc, {area.right - 1, area.top, area.right, area.bottom}, color);
}

COLORREF TextColor(const Control& control) {
    return control.Enabled() ? ToColorRef(control.FontColor()) : GetSysColor(COLOR_GRAYTEXT);
}

HFONT FontOf(const Control& control, FontCache& fonts, unsigned extraStyle = 0) {
    return fonts.For(control.GetFontStyle() | extraStyle, control.FontHeight());
}

void PaintLabel(HDC dc, const Label& label, FontCache& fonts) {
    const UINT alignment = label.Alignment() == TextAlign::Center ? DT_CENTER : DT_LEFT;
    DrawTextIn(dc, label.Text(), ToRect(label.Bounds()), {FontOf(label, fonts), TextColor(label)}, alignment | DT_TOP);
}

// Along the longer side: a bevel taller than wide is a vertical line.
void PaintBevel(HDC dc, const Bevel& bevel) {
    RECT area = ToRect(bevel.Bounds());
    DrawEdge(dc, &area, EDGE_ETCHED, bevel.Bounds().height > bevel.Bounds().width ? BF_LEFT : BF_TOP);
}

// Glyph and text side by side, the pair centred in the area.
void PaintButtonContent(HDC dc, const SpeedButton& button, const RECT& area, const TextLook& look) {
    const bool hasGlyph = button.GetGlyph() != Glyph::None;
    const bool hasText = !button.Text().empty();
    const SIZE text = hasText ? MeasureText(dc, button.Text(), look.font) : SIZE{0, 0};
    const int width = (hasGlyph ? kGlyphSize : 0) + (hasGlyph && hasText ? kGlyphSpacing : 0) + text.cx;
    int left = area.left + (area.right - area.left - width) / 2;
    if (hasGlyph) {
        DrawGlyph(dc, button.GetGlyph(), {left, area.top + (area.bottom - area.top - kGlyphSize) / 2});
        left += kGlyphSize + kGlyphSpacing;
    }
    if (hasText) {
        const int top = area.top + (area.bottom - area.top - text.cy) / 2;
        DrawTextIn(dc, button.Text(), {left, top, left + text.cx, top + text.cy}, look, DT_CENTER);
    }
}

void PaintSpeedButton(HDC dc, const SpeedButton& button, bool hovered, FontCache& fonts) {
    const RECT bounds = ToRect(button.Bounds());
    RECT face = bounds;
    if (!button.Transparent()) FillSolid(dc, bounds, ToColorRef(button.GetColor()));
    if (button.Framed()) {
        FrameSolid(dc, bounds, GetSysColor(COLOR_3DDKSHADOW));
        InflateRect(&face, -1, -1);
        if (!button.Transparent()) DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);
    }
    const bool red = hovered && button.GetHoverLook() == HoverLook::RedText;
    const bool bold = hovered && button.GetHoverLook() == HoverLook::Bold;
    const TextLook look{FontOf(button, fonts, bold ? kFontBold : 0u),
                        red && button.Enabled() ? kHoverRed : TextColor(button)};
    PaintButtonContent(dc, button, face, look);
    // Without a text to turn red, the whole button shows the pointer.
    if (red && button.Text().empty()) FrameSolid(dc, bounds, kHoverRed);
}

void PaintProgressBar(HDC dc, const ProgressBar& bar) {
    const RECT area = ToRect(bar.Bounds());
    FillSolid(dc, area, ToColorRef(bar.GetColor()));
    if (bar.Max() <= 0) return;
    const long long filled = static_cast<long long>(area.right - area.left) * bar.Position() / bar.Max();
    FillSolid(dc, {area.left, area.top, area.left + static_cast<int>(filled), area.bottom}, ToColorRef(bar.BarColor()));
}

void PaintImage(HDC dc, const Image& image) {
    const auto& picture = image.Picture();
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    // A picture short of pixels would be read past its end: it shows as nothing.
    if (picture->pixels.size() < static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height)) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture->width;
    info.bmiHeader.biHeight = -picture->height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const RECT area = ToRect(image.Bounds());
    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    POINT previousOrigin;
    SetBrushOrgEx(dc, 0, 0, &previousOrigin);
    StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0, picture->width,
                  picture->height, picture->pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
    SetStretchBltMode(dc, previousMode);
}

}  // namespace

void PaintDrawnControl(HDC dc, const Control& control, bool hovered, FontCache& fonts) {
    switch (control.Kind()) {
        case ControlKind::Label: PaintLabel(dc, static_cast<const Label&>(control), fonts); break;
        case ControlKind::Bevel: PaintBevel(dc, static_cast<const Bevel&>(control)); break;
        case ControlKind::SpeedButton:
            PaintSpeedButton(dc, static_cast<const SpeedButton&>(control), hovered, fonts);
            break;
        case ControlKind::ProgressBar: PaintProgressBar(dc, static_cast<const ProgressBar&>(control)); break;
        case ControlKind::Image: PaintImage(dc, static_cast<const Image&>(control)); break;
        default: break;  // windows of their own (IsDrawn lists which kinds are drawn)
    }
}

}  // namespace orvella::ui::win32
