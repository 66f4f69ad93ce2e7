// What every family of the control's methods shares: the host the control
// was lent, the system it reaches the operating system through, the state
// one control keeps between calls, its random sequence and its fixed size.
// KorbitControl (korbit_control.h) is this frame with the families on it.
#pragma once

#include <chrono>
#include <cstdint>

#include "korbit/control/frame/control_state.h"
#include "korbit/control/values/host.h"
#include "korbit/engine/random_fraction.h"
#include "korbit/platform/system.h"

namespace korbit::control {

class ControlFrame {
public:
    // The control's face is always this size, whatever the host asks.
    static constexpr std::int32_t kWidthTwips = 1980;
    static constexpr std::int32_t kHeightTwips = 450;

    // `host` may be null: boxes then go to standard error with their safe
    // answer. The host must outlive the control or be withdrawn first; so
    // must `system`.
    ControlFrame(Host* host, platform::System& system);
    ControlFrame(const ControlFrame&) = delete;
    ControlFrame& operator=(const ControlFrame&) = delete;

    Host& host() noexcept { return host_ != nullptr ? *host_ : headlessHost(); }
    void setHost(Host* host) noexcept { host_ = host; }

    platform::System& system() noexcept { return system_; }

    // Lets the host's pending events run, as every long operation does
    // between its steps (a block, an entry of a walk): at the pace the
    // system gives, so that a host only pumps, however often it is asked.
    void yieldToHost();

    ControlState& state() noexcept { return state_; }
    const ControlState& state() const noexcept { return state_; }

    // The instance's random sequence: single-precision fractions in [0, 1),
    // seeded from the clock when the control was created. Every random draw
    // of every method comes from it.
    float nextRandom() noexcept { return random_.next(); }

    // The host sizing the control: the size snaps back.
    void resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept;
    std::int32_t widthTwips() const noexcept { return width_; }
    std::int32_t heightTwips() const noexcept { return height_; }

protected:
    ~ControlFrame() = default;

private:
    Host* host_;
    platform::System& system_;
    unsigned stepsSinceClockRead_ = 0;
    std::chrono::steady_clock::time_point lastPump_{};
    ControlState state_;
    engine::FractionGenerator random_;
    std::int32_t width_ = kWidthTwips;
    std::int32_t height_ = kHeightTwips;
};

}  // namespace korbit::control
