// Numbers in words, fractions, number bases, tidy and random texts and card
// issuers, as a family of the control's methods. Random texts and values
// come from the control's random sequence.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class NumberTextMethods {
public:
    explicit NumberTextMethods(control::ControlFrame& frame) noexcept : frame_(frame) {}

    Text NumToText(double dblVal, VBool ShowDollars);  // "#Error#" outside 0 <= dblVal < 10^15
    double ConvertFractionToDecimal(const Text& sMixedFrac);  // never throws
    Text ProperCaseString(const Text& MyString);
    Text CreditCardType(const Text& CardNumber);  // a prefix read for a matching length must be a number
    Text RemovePoundSign(const Text& MyStr);      // empty text when there is no "#"
    Text RemoveChar(const Text& MyStr, const Text& CharToRemove);  // empty text unless found
    Text RandomAlphaNum(std::int16_t StrLength);  // empty text for a negative length
    Text MakeFraction(const Value& DecimalNumber, std::int32_t LargestDenominator, VBool bShowDash);
    Text ConvertHexDecBinary(Text& MyNumber, std::int32_t ConvertFrom, std::int32_t ConvertTo);  // also into MyNumber
    std::int32_t GetRandomValue(VBool Two56Val);

private:
    control::ControlFrame& frame_;
};

}  // namespace korbit::utilities
