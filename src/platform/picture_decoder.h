#pragma once
#include <memory>
#include <string>

#include "ui/bitmap.h"

namespace orvella {

// Pictures from files (JPEG, GIF, BMP), recognised by their content rather than their names.
class PictureDecoder {
public:
    virtual ~PictureDecoder() = default;
    // The file's first frame scaled to width x height (proportions not kept); null when the file
    // is missing, unreadable, damaged or of a kind that cannot be decoded. Never throws.
    virtual std::shared_ptr<const ui::Bitmap> Decode(const std::string& path, int width, int height) const noexcept = 0;
};

}  // namespace orvella
