#include "ui/win32/buffered_dc.h"

namespace orvella::ui::win32 {

BufferedDc::BufferedDc(HDC target, const RECT& area) : target_(target), area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    bitmap_ = CreateCompatibleBitmap(target, width, height);
    if (bitmap_ == nullptr) return;
    buffer_ = CreateCompatibleDC(target);
    if (buffer_ == nullptr) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
        return;
    }
    previousBitmap_ = SelectObject(buffer_, bitmap_);
    SetViewportOrgEx(buffer_, -area.left, -area.top, nullptr);
}

BufferedDc::~BufferedDc() {
    if (buffer_ == nullptr) return;
    SetViewportOrgEx(buffer_, 0, 0, nullptr);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, buffer_, 0, 0, SRCCOPY);
    SelectObject(buffer_, previousBitmap_);
    DeleteDC(buffer_);
    DeleteObject(bitmap_);
}

}  // namespace orvella::ui::win32
