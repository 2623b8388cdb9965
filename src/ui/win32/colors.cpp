#include "ui/win32/colors.h"

#include <cstdint>

namespace orvella::ui::win32 {

COLORREF ToColorRef(Color color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0x80000000u) != 0) return GetSysColor(static_cast<int>(bits & 0xFFu));
    return bits & 0x00FFFFFFu;
}

SolidBrush::~SolidBrush() {
    if (brush_ != nullptr) DeleteObject(brush_);
}

HBRUSH SolidBrush::For(COLORREF color) {
    if (brush_ != nullptr && color == color_) return brush_;
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = CreateSolidBrush(color);
    color_ = color;
    return brush_;
}

}  // namespace orvella::ui::win32
