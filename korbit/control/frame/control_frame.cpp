#include "korbit/control/frame/control_frame.h"

namespace korbit::control {

ControlFrame::ControlFrame(Host* host) : host_(host), random_(engine::FractionGenerator::fromClock()) {}

void ControlFrame::resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept {
    // Whatever was asked, height first and then width go back to the fixed size.
    (void)widthTwips;
    (void)heightTwips;
    height_ = kHeightTwips;
    width_ = kWidthTwips;
}

}  // namespace korbit::control
