// How long guessing a new password would take, estimated with zxcvbn
// (dictionaries, names, dates, keyboard walks, repeats) and told in plain
// words. Neither Qt nor the control: both hosts can show the same estimate.
#pragma once

#include <string>
#include <string_view>

namespace korbit::cli {

enum class Strength { kWeak, kFair, kStrong };

struct StrengthEstimate {
    Strength strength;
    double seconds;  // the average time one graphics card takes to find it
};

// The estimate for the UTF-8 password `password`: weak when one graphics
// card (hosting::kGuessesPerSecond) finds it within a day on average, fair
// within a century, strong beyond.
StrengthEstimate estimateStrength(std::string_view password);

// "Weak: one graphics card (10 billion guesses a second) could find it in
// about 3 hours."
std::string strengthText(const StrengthEstimate& estimate);

}  // namespace korbit::cli
