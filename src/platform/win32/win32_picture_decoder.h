#pragma once
#include "platform/picture_decoder.h"

namespace orvella {

// Pictures through the Windows Imaging Component, which picks the decoder by the file's content.
// Expects COM to be initialised on the calling thread; without it every picture comes back null.
class Win32PictureDecoder : public PictureDecoder {
public:
    std::shared_ptr<const ui::Bitmap> Decode(const std::string& path, int width, int height) const noexcept override;
};

}  // namespace orvella
