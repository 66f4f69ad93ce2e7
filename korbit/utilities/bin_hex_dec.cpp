#include "korbit/utilities/bin_hex_dec.h"

#include <cmath>

namespace korbit::utilities {

using control::AutomationError;
using control::Text;

namespace {

constexpr double kMaxValue = 2147483647.0;

// Sums digit × base^place from the right, refusing totals beyond 32 bits.
template <typename DigitOf>
std::int32_t placeValueSum(const Text& text, double base, DigitOf digitOf) {
    double value = 0;
    double weight = 1;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const double digit = digitOf(text[text.size() - 1 - k]);
        if (digit != 0) {
            if (!std::isfinite(weight)) {
                throw AutomationError::overflow();
            }
            value += digit * weight;
            if (value > kMaxValue) {
                throw AutomationError::overflow();
            }
        }
        weight *= base;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t hexDigitToValue(char16_t digit) noexcept {
    if (digit >= u'0' && digit <= u'9') {
        return digit - u'0';
    }
    if (digit >= u'A' && digit <= u'F') {
        return digit - u'A' + 10;
    }
    if (digit >= u'a' && digit <= u'f') {
        return digit - u'a' + 10;
    }
    return 0;
}

Text hexDigitToBinary(char16_t digit) {
    const bool hex = (digit >= u'0' && digit <= u'9') || (digit >= u'A' && digit <= u'F') ||
                     (digit >= u'a' && digit <= u'f');
    if (!hex) {
        return {};
    }
    const std::int32_t v = hexDigitToValue(digit);
    Text bits(4, u'0');
    for (int b = 0; b < 4; ++b) {
        if ((v >> (3 - b)) & 1) {
            bits[static_cast<std::size_t>(b)] = u'1';
        }
    }
    return bits;
}

Text BinHexDec::hexNum() const {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value_);
    Text out;
    do {
        out.insert(out.begin(), kDigits[bits & 0xFU]);
        bits >>= 4;
    } while (bits != 0);
    return out;
}

void BinHexDec::setHexNum(const Text& hex) {
    value_ = placeValueSum(hex, 16.0, [](char16_t c) { return static_cast<double>(hexDigitToValue(c)); });
}

Text BinHexDec::binNum() const {
    Text out;
    for (const char16_t digit : hexNum()) {
        out += hexDigitToBinary(digit);
    }
    return out;
}

void BinHexDec::setBinNum(const Text& bin) {
    value_ = placeValueSum(bin, 2.0, [](char16_t c) { return static_cast<double>(control::toInt32(Text(1, c))); });
}

}  // namespace korbit::utilities
