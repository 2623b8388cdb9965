#pragma once
#include <functional>
#include <string>

namespace orvella::ui {

class Form;
class Timer;

class TimerObserver {
public:
    virtual ~TimerObserver() = default;
    virtual void OnTimerChanged(Timer& timer) = 0;
};

// A window-thread timer owned by a form; it ticks every Interval() milliseconds while enabled.
class Timer {
public:
    Timer(Form& owner, std::string name);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    void SetObserver(TimerObserver* observer) { observer_ = observer; }

    // One tick; the binding calls it through the application's dispatch.
    void Fire() {
        if (enabled_ && OnTimer) OnTimer();
    }
    std::function<void()> OnTimer;

private:
    void Notify();

    std::string name_;
    unsigned interval_ = 1000;
    bool enabled_ = false;
    TimerObserver* observer_ = nullptr;
};

}  // namespace orvella::ui
