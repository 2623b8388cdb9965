#pragma once
#include "platform/desktop_picture.h"

namespace orvella {

// The desktop picture through the shell's Active Desktop object, or, where that object is
// missing or refuses (Wine, some Windows builds), through SystemParametersInfoW. Expects COM to
// be initialised on the calling thread.
class Win32Wallpaper : public DesktopPicture {
public:
    void Set(const std::string& path) noexcept override;
};

}  // namespace orvella
