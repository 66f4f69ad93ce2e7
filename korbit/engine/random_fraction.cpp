#include "korbit/engine/random_fraction.h"

#include <atomic>
#include <chrono>

namespace korbit::engine {

namespace {

std::uint64_t splitMix(std::uint64_t x) noexcept {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

}  // namespace

FractionGenerator FractionGenerator::fromClock() {
    static std::atomic<std::uint64_t> instances{0};
    const auto wall = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto mono = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t serial = instances.fetch_add(1, std::memory_order_relaxed);
    return FractionGenerator(splitMix(wall ^ splitMix(mono ^ splitMix(serial))));
}

float FractionGenerator::next() noexcept {
    // 24 random bits fill a float's significand exactly.
    return static_cast<float>(engine_() >> 40) * 0x1p-24F;
}

}  // namespace korbit::engine
