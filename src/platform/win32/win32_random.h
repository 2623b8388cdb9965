#pragma once
#include "platform/random_source.h"

namespace orvella {

// Seeded from the performance counter, or from the tick count where there is none.
class Win32Random : public ClockSeededRandom {
protected:
    std::uint64_t ClockTicks() const override;
};

}  // namespace orvella
