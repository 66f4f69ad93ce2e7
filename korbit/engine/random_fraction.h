// The uniform generator behind every random draw of one control object:
// single-precision fractions in [0, 1), one independent sequence per object.
#pragma once

#include <cstdint>
#include <random>

namespace korbit::engine {

class FractionGenerator {
public:
    // A fixed sequence, for tests and reproducible runs.
    explicit FractionGenerator(std::uint64_t seed) : engine_(seed) {}

    // Seeded from the clocks, mixed with a process-wide counter so that two
    // objects created in the same clock tick still draw different sequences.
    static FractionGenerator fromClock();

    // The next fraction: a multiple of 2^-24 in [0, 1).
    float next() noexcept;

private:
    std::mt19937_64 engine_;
};

}  // namespace korbit::engine
