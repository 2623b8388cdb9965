#include "ui/timer.h"

#include "ui/form.h"

namespace orvella::ui {

Timer::Timer(Form& owner, std::string name) : name_(std::move(name)) { owner.AddTimer(*this); }

void Timer::SetInterval(unsigned milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Notify();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify();
}

void Timer::Notify() {
    if (observer_ != nullptr) observer_->OnTimerChanged(*this);
}

}  // namespace orvella::ui
