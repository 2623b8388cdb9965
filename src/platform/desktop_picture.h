#pragma once
#include <string>

namespace orvella {

// The desktop picture of the user's session.
class DesktopPicture {
public:
    virtual ~DesktopPicture() = default;
    // Makes the file the desktop picture, stores the choice for the user and redraws the desktop;
    // an empty path asks for no picture. Failures are dropped: nothing is thrown or reported.
    virtual void Set(const std::string& path) noexcept = 0;
};

}  // namespace orvella
