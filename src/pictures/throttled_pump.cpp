#include "pictures/throttled_pump.h"

namespace orvella {

ThrottledPump::ThrottledPump(std::function<void()> pump, Clock now)
    : pump_(std::move(pump)), now_(std::move(now)), last_(now_()) {}

void ThrottledPump::Tick() {
    if (!pump_) return;
    const auto now = now_();
    if (now - last_ < kInterval) return;
    pump_();
    // Time spent in the handlers does not count towards the next interval.
    last_ = now_();
}

}  // namespace orvella
