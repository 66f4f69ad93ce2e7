#include "korbit/utilities/fraction_text.h"

#include <cmath>
#include <limits>
#include <string>

namespace korbit::utilities {

using control::AutomationError;
using control::Text;
using control::Value;

namespace {

bool isSkipped(char16_t c) noexcept { return c == u' ' || c == u'\t' || c == u'\n'; }

std::size_t firstSlash(const Text& text) noexcept { return text.find(u'/'); }

// The text after the first "/", or the whole text when there is none.
Text afterSlash(const Text& text) {
    const std::size_t slash = firstSlash(text);
    return slash == Text::npos ? text : text.substr(slash + 1);
}

double radixValue(std::u16string_view text, std::size_t i, int radix) {
    double value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (isSkipped(c)) {
            continue;
        }
        int d = -1;
        if (c >= u'0' && c <= u'9') {
            d = c - u'0';
        } else if (radix == 16 && c >= u'a' && c <= u'f') {
            d = c - u'a' + 10;
        } else if (radix == 16 && c >= u'A' && c <= u'F') {
            d = c - u'A' + 10;
        }
        if (d < 0 || d >= radix) {
            break;
        }
        value = value * radix + d;
        if (value > 4294967295.0) {
            throw AutomationError::overflow();
        }
    }
    return value > 2147483647.0 ? value - 4294967296.0 : value;
}

}  // namespace

double roundHalfAway(double x) noexcept { return std::round(x); }

double leadingNumberValue(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSkipped(text[i])) {
        ++i;
    }
    if (i + 1 < text.size() && text[i] == u'&') {
        const char16_t kind = text[i + 1];
        if (kind == u'h' || kind == u'H') {
            return radixValue(text, i + 2, 16);
        }
        if (kind == u'o' || kind == u'O') {
            return radixValue(text, i + 2, 8);
        }
    }
    std::string ascii;
    auto peek = [&]() -> char16_t {
        while (i < text.size() && isSkipped(text[i])) {
            ++i;
        }
        return i < text.size() ? text[i] : u'\0';
    };
    if (peek() == u'+' || peek() == u'-') {
        ascii += static_cast<char>(text[i++]);
    }
    bool digits = false;
    while (peek() >= u'0' && peek() <= u'9') {
        ascii += static_cast<char>(text[i++]);
        digits = true;
    }
    if (peek() == u'.') {
        ascii += '.';
        ++i;
        while (peek() >= u'0' && peek() <= u'9') {
            ascii += static_cast<char>(text[i++]);
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    const char16_t e = peek();
    if (e == u'e' || e == u'E' || e == u'd' || e == u'D') {
        std::string exponent = "e";
        const std::size_t mark = i++;
        if (peek() == u'+' || peek() == u'-') {
            exponent += static_cast<char>(text[i++]);
        }
        bool exponentDigits = false;
        while (peek() >= u'0' && peek() <= u'9') {
            exponent += static_cast<char>(text[i++]);
            exponentDigits = true;
        }
        if (exponentDigits) {
            ascii += exponent;
        } else {
            i = mark;
        }
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value)) {
        throw AutomationError::overflow();
    }
    return value;
}

Text numberTextWithSign(double value) {
    Text text = control::formatNumber(value);
    return value < 0 ? text : u" " + text;
}

double fractionToDecimal(const Text& mixedFraction) noexcept {
    double result = 0;
    try {
        std::size_t first = mixedFraction.find_first_not_of(u' ');
        const std::size_t last = mixedFraction.find_last_not_of(u' ');
        Text text = first == Text::npos ? Text() : mixedFraction.substr(first, last - first + 1);

        char16_t separator = text.find(u'-') != Text::npos ? u'-' : u' ';
        if (text.find(separator) == Text::npos) {
            if (firstSlash(text) == Text::npos) {
                return leadingNumberValue(text);  // a whole number reads as itself
            }
            const double divisor = control::toDouble(Value(afterSlash(text)));
            const double numerator = leadingNumberValue(text);
            return divisor == 0.0 ? 0.0 : numerator / divisor;
        }
        for (char16_t& c : text) {
            c = c == separator ? u'X' : c;
        }
        const double whole = leadingNumberValue(text);
        result = whole;
        const std::size_t skip = numberTextWithSign(whole).size();
        const Text rest = skip < text.size() ? text.substr(skip) : Text();
        const std::int32_t numerator = control::toInt32(Value(leadingNumberValue(rest)));
        if (numerator != 0) {
            const std::int32_t denominator = control::toInt32(Value(afterSlash(rest)));
            if (denominator != 0) {
                result = whole + static_cast<double>(numerator) / denominator;
            }
        }
    } catch (...) {
        // Whatever was read so far stands.
    }
    return std::isfinite(result) ? result : 0.0;
}

namespace {

bool hasNumericReading(const Value& v) {
    switch (v.type()) {
        case control::VarType::kEmpty:
        case control::VarType::kBool:
        case control::VarType::kInt16:
        case control::VarType::kInt32:
        case control::VarType::kSingle:
        case control::VarType::kDouble:
            return true;
        case control::VarType::kText:
            try {
                (void)control::toDouble(v);
                return true;
            } catch (const AutomationError&) {
                return false;
            }
        default:
            return false;
    }
}

}  // namespace

Text makeFraction(const Value& number, std::int32_t largestDenominator, bool showDash,
                  const std::function<void()>& step) {
    if (!hasNumericReading(number)) {
        return {};
    }
    const double x = control::toDouble(number);
    const double truncated = std::trunc(x);
    if (!(truncated >= std::numeric_limits<std::int32_t>::min() &&
          truncated <= std::numeric_limits<std::int32_t>::max())) {
        throw AutomationError::overflow();
    }
    const auto whole = static_cast<std::int32_t>(truncated);
    const auto numerator = static_cast<std::int64_t>(roundHalfAway(std::fabs(x - whole) * largestDenominator));
    const Text wholeText = control::toText(Value(whole));
    if (numerator == 0) {
        return wholeText;
    }
    std::int64_t a = largestDenominator;
    std::int64_t b = numerator;
    std::int64_t r = 0;
    do {
        r = a % b;
        a = b;
        b = r;
        if (step) {
            step();
        }
    } while (r != 0);
    const std::string fraction = std::to_string(numerator / a) + "/" + std::to_string(largestDenominator / a);
    return wholeText + (showDash ? u"-" : u"  ") + Text(fraction.begin(), fraction.end());
}

}  // namespace korbit::utilities
