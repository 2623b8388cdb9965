#pragma once
#include <cstddef>
#include <deque>
#include <functional>

#include "platform/random_source.h"

namespace orvella {

// Yields the scripted positions in turn (each taken modulo the bound), then 0.
class FakeRandom : public RandomSource {
public:
    void Reseed() override { ++reseeds; }
    std::size_t Below(std::size_t bound) override {
        ++draws;
        if (onDraw) onDraw();
        if (script.empty()) return 0;
        const std::size_t value = script.front() % bound;
        script.pop_front();
        return value;
    }

    std::deque<std::size_t> script;
    // Runs at every draw, as events arriving during a change would.
    std::function<void()> onDraw;
    int reseeds = 0;
    int draws = 0;
};

}  // namespace orvella
