#pragma once
#include <string>

#include "platform/clock.h"

namespace orvella {

class FakeClock : public Clock {
public:
    std::string TodayDate() const override { return date; }
    std::string TimeOfDay() const override { return time; }
    std::string date = "09.12.2026";
    std::string time = "12:05:09";
};

}  // namespace orvella
