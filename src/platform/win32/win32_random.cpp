#include "platform/win32/win32_random.h"

#include <windows.h>

namespace orvella {

std::uint64_t Win32Random::ClockTicks() const {
    LARGE_INTEGER counter;
    if (QueryPerformanceCounter(&counter) && counter.QuadPart != 0) return static_cast<std::uint64_t>(counter.QuadPart);
    return GetTickCount();
}

}  // namespace orvella
