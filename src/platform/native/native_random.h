#pragma once
#include "platform/random_source.h"

namespace orvella {

// Seeded from the steady clock, for native builds and benchmarks.
class NativeRandom : public ClockSeededRandom {
protected:
    std::uint64_t ClockTicks() const override;
};

}  // namespace orvella
