#include "platform/native/native_random.h"

#include <chrono>

namespace orvella {

std::uint64_t NativeRandom::ClockTicks() const {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace orvella
