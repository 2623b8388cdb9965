#include "ui/win32/fonts.h"

#include <cstddef>

#include "ui/control.h"

namespace orvella::ui::win32 {
namespace {

LOGFONTW MessageFont() {
    NONCLIENTMETRICSW metrics{};
    // The size without the field Vista added, so that older systems accept the request too.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return metrics.lfMessageFont;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

}  // namespace

FontCache::~FontCache() {
    for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::For(unsigned style, int height) {
    const auto key = std::make_pair(style, height);
    if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    LOGFONTW font = MessageFont();
    // Negative: the height of the characters themselves, without the line's internal leading.
    if (height > 0) font.lfHeight = -height;
    if ((style & kFontBold) != 0) font.lfWeight = FW_BOLD;
    font.lfItalic = (style & kFontItalic) != 0 ? TRUE : FALSE;
    font.lfUnderline = (style & kFontUnderline) != 0 ? TRUE : FALSE;
    HFONT created = CreateFontIndirectW(&font);
    // Text in the wrong font is better than no text.
    if (created == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace(key, created);
    return created;
}

int LineHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

}  // namespace orvella::ui::win32
