// A small deterministic generator for test data (independent of the
// program's own random stream).
#pragma once

#include <cstdint>

class TestRandom {
public:
    explicit TestRandom(std::uint64_t seed) : state_(seed) {}

    // Uniform in [lo, hi).
    float uniform(float lo, float hi)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        const double u = static_cast<double>(state_ >> 40) / static_cast<double>(1ull << 24);
        return static_cast<float>(lo + u * (hi - lo));
    }

    // Whole number in [0, n).
    std::int32_t below(std::int32_t n)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::int32_t>((state_ >> 33) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state_;
};
