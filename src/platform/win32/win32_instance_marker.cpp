#include "platform/win32/win32_instance_marker.h"

#include <windows.h>

namespace orvella {

bool Win32InstanceMarker::TryClaim(const std::string& name) {
    handle_ = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    if (handle_ != nullptr) return false;
    // A mutex we may not open (another user's, or an elevated instance's) still exists.
    if (GetLastError() == ERROR_ACCESS_DENIED) return false;
    SetLastError(ERROR_SUCCESS);
    handle_ = CreateMutexA(nullptr, FALSE, name.c_str());
    // Another instance may have created it between the two calls. Any other failure (the name
    // taken by an object of another kind) says nothing about our instances, so the run goes on.
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace orvella
