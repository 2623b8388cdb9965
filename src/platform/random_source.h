#pragma once
#include <cstddef>
#include <cstdint>
#include <random>

namespace orvella {

// Uniform random positions for the picture draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds the generator afresh from the clock.
    virtual void Reseed() = 0;
    // A uniform integer in 0 ... bound - 1; bound is at least 1.
    virtual std::size_t Below(std::size_t bound) = 0;
};

// The generator shared by the platforms; only the clock that seeds it differs.
class ClockSeededRandom : public RandomSource {
public:
    void Reseed() override {
        const std::uint64_t ticks = ClockTicks();
        std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
        engine_.seed(seed);
    }
    std::size_t Below(std::size_t bound) override {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(engine_);
    }

protected:
    virtual std::uint64_t ClockTicks() const = 0;

private:
    std::mt19937 engine_;
};

}  // namespace orvella
