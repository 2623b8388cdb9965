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
    for (const auto& [style, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::For(unsigned style) {
    if (const auto found = fonts_.find(style); found != fonts_.end()) return found->second;
    LOGFONTW font = MessageFont();
    if ((style & kFontBold) != 0) font.lfWeight = FW_BOLD;
    font.lfItalic = (style & kFontItalic) != 0 ? TRUE : FALSE;
    font.lfUnderline = (style & kFontUnderline) != 0 ? TRUE : FALSE;
    HFONT created = CreateFontIndirectW(&font);
    fonts_.emplace(style, created);
    return created;
}

}  // namespace orvella::ui::win32
