#pragma once
#include <string>

namespace orvella {

// The wall clock as the user's regional settings write it.
class Clock {
public:
    virtual ~Clock() = default;
    // Today as "dd.mm.yyyy".
    virtual std::string TodayDate() const = 0;
    // The time of day in the user's long time format.
    virtual std::string TimeOfDay() const = 0;
};

}  // namespace orvella
