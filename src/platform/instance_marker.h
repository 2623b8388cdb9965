#pragma once
#include <string>

namespace orvella {

// A system-wide named marker that exists while an instance of the program runs.
class InstanceMarker {
public:
    virtual ~InstanceMarker() = default;
    // False when the marker already exists (another instance runs); otherwise creates and holds
    // it until the process ends.
    virtual bool TryClaim(const std::string& name) = 0;
};

}  // namespace orvella
