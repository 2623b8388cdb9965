#pragma once
#include <map>
#include <string>

#include "platform/picture_decoder.h"

namespace orvella {

// Decodes the paths it was given pictures for; every other path "cannot be loaded".
class FakePictureDecoder : public PictureDecoder {
public:
    std::shared_ptr<const ui::Bitmap> Decode(const std::string& path, int width, int height) const noexcept override {
        ++decodeCalls;
        const auto found = pictures.find(path);
        if (found == pictures.end()) return nullptr;
        auto bitmap = std::make_shared<ui::Bitmap>();
        bitmap->width = width;
        bitmap->height = height;
        bitmap->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), found->second);
        return bitmap;
    }

    // A picture of one colour at `path`.
    void Add(const std::string& path, std::uint32_t color = 0xFF336699u) { pictures[path] = color; }

    std::map<std::string, std::uint32_t> pictures;
    mutable int decodeCalls = 0;
};

}  // namespace orvella
