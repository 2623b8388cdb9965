#pragma once
#include <chrono>
#include <functional>

namespace orvella {

// Handles pending window events during long work, but at most once per interval, so that a scan
// of many small entries is not slowed down by the message loop.
class ThrottledPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kInterval{20};

    explicit ThrottledPump(std::function<void()> pump, Clock now = &std::chrono::steady_clock::now);

    // Pumps when the interval has passed since the last pump or since the work began.
    void Tick();

private:
    std::function<void()> pump_;
    Clock now_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace orvella
