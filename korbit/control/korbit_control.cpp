#include "korbit/control/korbit_control.h"

#include "korbit/control/classes.h"

namespace korbit::control {

KorbitControl::KorbitControl(Host* host) : host_(host), random_(engine::FractionGenerator::fromClock()) {}

void KorbitControl::resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept {
    // Whatever was asked, height first and then width go back to the fixed size.
    (void)widthTwips;
    (void)heightTwips;
    height_ = kHeightTwips;
    width_ = kWidthTwips;
}

std::unique_ptr<DispatchObject> newKorbitControl(Host* host) { return std::make_unique<KorbitControl>(host); }

void setObjectHost(DispatchObject& object, Host* host) {
    if (auto* control = dynamic_cast<KorbitControl*>(&object)) {
        control->setHost(host);
    }
}

}  // namespace korbit::control
