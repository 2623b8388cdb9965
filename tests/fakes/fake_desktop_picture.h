#pragma once
#include <string>
#include <vector>

#include "platform/desktop_picture.h"

namespace orvella {

class FakeDesktopPicture : public DesktopPicture {
public:
    void Set(const std::string& path) noexcept override { set.push_back(path); }
    std::vector<std::string> set;  // every path handed over, in order
};

}  // namespace orvella
