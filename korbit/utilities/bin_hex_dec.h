// One signed 32-bit number read and written as binary, decimal or
// hexadecimal text: the value behind the BinHexDecCls class.
#pragma once

#include <cstdint>

#include "korbit/control/values/value.h"

namespace korbit::utilities {

class BinHexDec {
public:
    std::int32_t deciNum() const noexcept { return value_; }
    void setDeciNum(std::int32_t value) noexcept { value_ = value; }

    // Upper-case hexadecimal without leading zeros; a negative value as its
    // eight-digit two's complement.
    control::Text hexNum() const;
    // Each character's digit value (0 to 15, case-insensitive; 0 for any
    // other character) times 16 to the power of its place from the right.
    // Throws overflow beyond 2147483647 (so "FFFFFFFF" is refused).
    void setHexNum(const control::Text& hex);

    // hexNum() with every digit spelt as four binary digits.
    control::Text binNum() const;
    // Each character's whole-number reading times 2 to the power of its place
    // from the right: a "2" counts double, a non-digit throws type mismatch,
    // a total beyond 2147483647 throws overflow.
    void setBinNum(const control::Text& bin);

private:
    std::int32_t value_ = 0;
};

// The four binary digits of a hexadecimal digit (case-insensitive), empty
// text for any other character; and its value, 0 for any other character.
control::Text hexDigitToBinary(char16_t digit);
std::int32_t hexDigitToValue(char16_t digit) noexcept;

}  // namespace korbit::utilities
