#include "cli/password_strength.h"

#include <zxcvbn.h>

#include <cmath>

#include "korbit/hosting/password_rule.h"

namespace korbit::cli {

StrengthEstimate estimateStrength(std::string_view password) {
    const std::string terminated(password);  // zxcvbn reads up to the first zero byte
    const double bits = ZxcvbnMatch(terminated.c_str(), nullptr, nullptr);
    // zxcvbn counts the guesses of a search in the order it assumes; on
    // average the search finds the password halfway.
    const double seconds = std::exp2(std::max(bits - 1, 0.0)) / hosting::kGuessesPerSecond;
    constexpr double kDay = 24 * 3600;
    constexpr double kCentury = 100 * 365.25 * kDay;
    return {seconds < kDay ? Strength::kWeak : seconds < kCentury ? Strength::kFair : Strength::kStrong, seconds};
}

std::string strengthText(const StrengthEstimate& estimate) {
    const char* verdict = estimate.strength == Strength::kWeak   ? "Weak"
                          : estimate.strength == Strength::kFair ? "Fair"
                                                                 : "Strong";
    return std::string(verdict) + ": one graphics card (10 billion guesses a second) could find it in " +
           hosting::describeDuration(estimate.seconds) + ".";
}

}  // namespace korbit::cli
