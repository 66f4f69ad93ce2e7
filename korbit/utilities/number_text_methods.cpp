// The number and text methods of the control.
#include "korbit/utilities/number_text_methods.h"

#include "korbit/base/concat.h"

#include <cmath>

#include "korbit/control/values/type_library.h"
#include "korbit/platform/text_case.h"
#include "korbit/utilities/bin_hex_dec.h"
#include "korbit/utilities/fraction_text.h"

namespace korbit::utilities {


namespace {

// The words numbers are spelt with.
struct NumberWords {
    std::vector<Text> ones;
    std::vector<Text> teens;
    std::vector<Text> tens;
    std::vector<Text> thousands;
};

const NumberWords& numberWords() {
    static const NumberWords words{
        {u"zero", u"one", u"two", u"three", u"four", u"five", u"six", u"seven", u"eight", u"nine"},
        {u"ten", u"eleven", u"twelve", u"thirteen", u"fourteen", u"fifteen", u"sixteen", u"seventeen", u"eighteen",
         u"nineteen"},
        {u"", u"ten", u"twenty", u"thirty", u"forty", u"fifty", u"sixty", u"seventy", u"eighty", u"ninety"},
        {u"", u"thousand", u"million", u"billion", u"trillion"},
    };
    return words;
}

const Text& word(const std::vector<Text>& table, std::size_t i) {
    if (i >= table.size()) {
        throw control::AutomationError::subscriptOutOfRange();
    }
    return table[i];
}

// The amount in words: groups of three digits from the right, teens and
// hyphenated tens, cents as a fraction of 100.
Text amountInWords(const NumberWords& w, double value) {
    if (!(value >= 0.0 && value < 1e15)) {
        throw control::AutomationError::overflow();  // negative or beyond plain digits
    }
    const double whole = std::floor(value);
    const auto cents = static_cast<long>(roundHalfAway((value - whole) * 100.0));
    const std::string centsText = concat(cents < 10 ? "0" : "", std::to_string(cents));
    Text buffer = u"and " + Text(centsText.begin(), centsText.end()) + u"/100";

    const Text digits = control::formatNumber(whole);
    auto digitAt = [&](std::size_t i) { return static_cast<std::size_t>(digits[i - 1] - u'0'); };
    const std::size_t length = digits.size();
    bool noGroupYet = true;
    for (std::size_t i = length; i >= 1; --i) {
        const std::size_t digit = digitAt(i);
        const std::size_t column = length - i + 1;
        if (column % 3 == 1) {
            bool showGroup = true;
            Text part;
            if (i == 1) {
                part = word(w.ones, digit) + u" ";
            } else if (digits[i - 2] == u'1') {
                part = word(w.teens, digit) + u" ";
                --i;  // the tens digit is spelt with the teen
            } else if (digit > 0) {
                part = word(w.ones, digit) + u" ";
            } else {
                showGroup = digits[i - 2] != u'0' || (i > 2 && digits[i - 3] != u'0');
            }
            if (showGroup) {
                if (column > 1) {
                    part += word(w.thousands, column / 3) + (noGroupYet ? u" " : u", ");
                }
                noGroupYet = false;
                buffer = part + buffer;
            }
        } else if (column % 3 == 2) {
            if (digit > 0) {
                buffer = word(w.tens, digit) + (digits[i] != u'0' ? u"-" : u" ") + buffer;
            }
        } else if (digit > 0) {
            buffer = word(w.ones, digit) + u" hundred " + buffer;
        }
        if (i == 1) {
            break;
        }
    }
    return buffer;
}

Text lowerOf(char16_t c) { return platform::toLowerCase(std::u16string_view(&c, 1)); }

bool sameIgnoringCase(char16_t a, char16_t b) { return a == b || lowerOf(a) == lowerOf(b); }

bool isWordBreak(char16_t c) noexcept {
    return c == u' ' || c == u'\0' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

}  // namespace

Text NumberTextMethods::NumToText(double dblVal, VBool ShowDollars) {
    Text buffer;
    try {
        buffer = amountInWords(numberWords(), dblVal);
        buffer[0] = platform::toUpperCase(buffer[0]);
    } catch (const std::exception&) {
        buffer = u"#Error#";
    }
    return ShowDollars == control::kTrue ? buffer + u" Dollars" : buffer;
}

double NumberTextMethods::ConvertFractionToDecimal(const Text& sMixedFrac) {
    return fractionToDecimal(sMixedFrac);
}

Text NumberTextMethods::MakeFraction(const Value& DecimalNumber, std::int32_t LargestDenominator, VBool bShowDash) {
    return makeFraction(DecimalNumber, LargestDenominator, bShowDash == control::kTrue,
                                   [this] { frame_.yieldToHost(); });
}

Text NumberTextMethods::ConvertHexDecBinary(Text& MyNumber, std::int32_t ConvertFrom, std::int32_t ConvertTo) {
    BinHexDec number;
    switch (ConvertFrom) {
        case control::Math_Binary: number.setBinNum(MyNumber); break;
        case control::Math_Decimal: number.setDeciNum(control::toInt32(Value(MyNumber))); break;
        case control::Math_Hexidecimal: number.setHexNum(MyNumber); break;
        default: break;
    }
    switch (ConvertTo) {
        case control::Math_Binary: MyNumber = number.binNum(); break;
        case control::Math_Decimal: MyNumber = control::toText(Value(number.deciNum())); break;
        case control::Math_Hexidecimal: MyNumber = number.hexNum(); break;
        default: break;
    }
    return MyNumber;
}

Text NumberTextMethods::ProperCaseString(const Text& MyString) {
    Text out = platform::toLowerCase(MyString);
    if (out.size() != MyString.size()) {  // a letter whose lower case is longer: go letter by letter
        out.clear();
        for (const char16_t c : MyString) {
            const Text lower = lowerOf(c);
            out += lower.size() == 1 ? lower : Text(1, c);
        }
    }
    bool wordStart = true;
    for (char16_t& c : out) {
        if (wordStart) {
            c = platform::toUpperCase(c);
        }
        wordStart = isWordBreak(c);
    }
    return out;
}

Text NumberTextMethods::RemovePoundSign(const Text& MyStr) {
    if (MyStr.find(u'#') == Text::npos) {
        return {};
    }
    Text out;
    for (const char16_t c : MyStr) {
        if (c != u'#') {
            out += c;
        }
    }
    return out;
}

Text NumberTextMethods::RemoveChar(const Text& MyStr, const Text& CharToRemove) {
    if (CharToRemove.size() != 1) {
        return {};
    }
    Text out;
    bool found = false;
    for (const char16_t c : MyStr) {
        if (sameIgnoringCase(c, CharToRemove[0])) {
            found = true;
        } else {
            out += c;
        }
    }
    return found ? out : Text();
}

Text NumberTextMethods::RandomAlphaNum(std::int16_t StrLength) {
    Text out;
    if (StrLength < 0) {
        return out;  // no text has a negative length
    }
    while (out.size() != static_cast<std::size_t>(StrLength)) {
        const auto kind = static_cast<int>(std::floor(static_cast<double>(frame_.nextRandom()) * 3 + 1));
        const double r = static_cast<double>(frame_.nextRandom());
        double code = 0;
        if (kind == 1) {
            code = 48 + control::roundHalfEven(r * 9);
        } else if (kind == 2) {
            code = 65 + control::roundHalfEven(r * 25);
        } else {
            code = 97 + control::roundHalfEven(r * 25);
        }
        out += static_cast<char16_t>(code);
        frame_.yieldToHost();
    }
    return out;
}

std::int32_t NumberTextMethods::GetRandomValue(VBool Two56Val) {
    const auto r = static_cast<double>(frame_.nextRandom());
    if (Two56Val == control::kTrue) {
        return static_cast<std::int32_t>(std::floor(r * 256));
    }
    return control::toInt32(Value(r * 2147483647.0));
}

Text NumberTextMethods::CreditCardType(const Text& CardNumber) {
    const std::size_t length = CardNumber.size();
    auto prefix = [&](std::size_t n) { return control::toInt32(Value(CardNumber.substr(0, n))); };
    if (length == 16 && prefix(2) >= 51 && prefix(2) <= 55) {
        return u"Mastercard";
    }
    if ((length == 16 || length == 13) && prefix(1) == 4) {
        return u"Visa";
    }
    if (length == 15 && (prefix(2) == 34 || prefix(2) == 37)) {
        return u"Amex";
    }
    if (length == 14 && (prefix(2) == 36 || prefix(2) == 38 || (prefix(3) >= 300 && prefix(3) <= 305))) {
        return u"Diners";
    }
    if (length == 15 && (prefix(4) == 2014 || prefix(4) == 2149)) {
        return u"enRoute";
    }
    if (length == 16 && prefix(1) == 3) {
        return u"JCB";
    }
    if (length == 15 && (prefix(4) == 1800 || prefix(4) == 2031)) {
        return u"JCB";
    }
    return u"Invalid";
}

}  // namespace korbit::utilities

