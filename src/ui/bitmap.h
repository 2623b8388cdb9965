#pragma once
#include <cstdint>
#include <vector>

namespace orvella::ui {

// A decoded picture: rows top to bottom, each pixel 0xAARRGGBB with alpha premultiplied.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

}  // namespace orvella::ui
