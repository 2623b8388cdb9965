#pragma once
#include "platform/clock.h"

namespace orvella {

// The local clock in the user's regional settings.
class Win32Clock : public Clock {
public:
    std::string TodayDate() const override;
    std::string TimeOfDay() const override;
};

}  // namespace orvella
