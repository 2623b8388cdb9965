#pragma once
#include "platform/instance_marker.h"

namespace orvella {

// A named mutex in the session's name space. Its handle is held, never closed, until the process
// ends; the system then removes the mutex.
class Win32InstanceMarker : public InstanceMarker {
public:
    bool TryClaim(const std::string& name) override;

private:
    void* handle_ = nullptr;
};

}  // namespace orvella
