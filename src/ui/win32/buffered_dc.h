#pragma once
#include <windows.h>

namespace orvella::ui::win32 {

// An off-screen copy of part of a window, drawn in the window's client coordinates and copied to
// the window in one go when it goes, so a repaint never shows half-drawn. Without the memory for
// it, drawing goes straight to the window.
class BufferedDc {
public:
    BufferedDc(HDC target, const RECT& area);
    ~BufferedDc();
    BufferedDc(const BufferedDc&) = delete;
    BufferedDc& operator=(const BufferedDc&) = delete;

    HDC Dc() const { return buffer_ != nullptr ? buffer_ : target_; }

private:
    HDC target_;
    RECT area_;
    HDC buffer_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
};

}  // namespace orvella::ui::win32
