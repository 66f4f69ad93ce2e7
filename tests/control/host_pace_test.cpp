// How often a long operation lets the host's events run: the control decides
// by the steps it made and the time that passed, read from its system's
// clock, and the host only pumps when asked.
#include <gtest/gtest.h>

#include <chrono>

#include "korbit/control/korbit_control.h"
#include "support/scripted_host.h"

namespace korbit::control {
namespace {

using namespace std::chrono_literals;

// A clock that moves only when the test says so, and counts its readings.
class SteppedClock final : public platform::System {
public:
    std::chrono::steady_clock::time_point now() override {
        ++readings;
        return start + elapsed;
    }
    platform::PumpPace pumpPace() override { return {4, 8ms}; }

    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::time_point{} + 1h;
    std::chrono::nanoseconds elapsed{};
    int readings = 0;
};

TEST(HostPace, ThePumpRunsOnlyWhenEnoughStepsAndTimeHavePassed) {
    korbit::testing::ScriptedHost host;
    SteppedClock clock;
    KorbitControl control(&host, clock);
    const struct {
        int steps;
        std::chrono::milliseconds advance;  // before those steps
        int pumps;                          // in all, afterwards
        int readings;
    } rows[] = {
        {4, 0ms, 1, 2},    // the first look at the clock finds the last pump long ago
        {3, 20ms, 1, 2},   // three steps: the clock is not even read
        {1, 0ms, 2, 4},    // the fourth: 20 ms passed, so the host pumps
        {4, 7ms, 2, 5},    // only 7 ms since: no pump
        {4, 1ms, 3, 7},    // 8 ms now
        {40, 0ms, 3, 17},  // time stands still: ten readings, no pump
    };
    for (const auto& row : rows) {
        clock.elapsed += row.advance;
        for (int i = 0; i < row.steps; ++i) {
            control.yieldToHost();
        }
        EXPECT_EQ(host.pumps, row.pumps) << row.steps << " steps after " << row.advance.count() << " ms";
        EXPECT_EQ(clock.readings, row.readings);
    }
}

}  // namespace
}  // namespace korbit::control
