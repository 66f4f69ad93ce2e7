// Fractions in text and back, and the number readings they are built on.
// Plain C++ over automation values: no control object, no platform.
#pragma once

#include <cstdint>
#include <functional>

#include "korbit/control/values/value.h"

namespace korbit::utilities {

// The value of the longest leading run of `text` that forms a number (sign,
// digits, decimal point, exponent, or &H / &O digits); blanks, tabs and line
// feeds anywhere are skipped; 0 when there is none. Throws overflow when the
// run is too large for a double.
double leadingNumberValue(std::u16string_view text);

// A number as text with a sign position: a blank before a value that is not
// negative (" 1", "-1", " 1.5").
control::Text numberTextWithSign(double value);

// `x` rounded to the nearest whole number, halves away from zero, on the
// double's exact value: what formatting with the pattern "0" gives.
double roundHalfAway(double x) noexcept;

// "3/4", "1 3/4" or "1-3/4" as a double. Never throws: an unreadable part
// leaves what was read so far (0, or the whole part of a mixed number). A
// text without "/" reads as its leading number; a zero denominator gives 0
// (simple fraction) or the whole part (mixed number).
double fractionToDecimal(const control::Text& mixedFraction) noexcept;

// `number` as a whole part and a reduced fraction of `largestDenominator`
// ("1  1/2", "1-1/2" with `showDash`, "2"); empty text when `number` has no
// numeric reading. `step` runs between the steps of the divisor search.
// Throws overflow when the whole part does not fit in 32 bits.
control::Text makeFraction(const control::Value& number, std::int32_t largestDenominator, bool showDash,
                           const std::function<void()>& step = {});

}  // namespace korbit::utilities
