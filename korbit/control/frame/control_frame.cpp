#include "korbit/control/frame/control_frame.h"

namespace korbit::control {

ControlFrame::ControlFrame(Host* host, platform::System& system)
    : host_(host), system_(system), random_(engine::FractionGenerator::fromClock()) {}

void ControlFrame::yieldToHost() {
    const platform::PumpPace pace = system_.pumpPace();
    if (++stepsSinceClockRead_ < pace.stepsPerClockRead) {
        return;
    }
    stepsSinceClockRead_ = 0;
    if (system_.now() - lastPump_ < pace.interval) {
        return;
    }
    host().pumpEvents();
    lastPump_ = system_.now();
}

void ControlFrame::resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept {
    // Whatever was asked, height first and then width go back to the fixed size.
    (void)widthTwips;
    (void)heightTwips;
    height_ = kHeightTwips;
    width_ = kWidthTwips;
}

}  // namespace korbit::control
