// Numbers in words, fractions, number bases, string helpers, random texts
// and card issuers, through the control's typed client.
#include <cmath>
#include <set>

#include "korbit/control/classes.h"
#include "utilities/utilities_fixture.h"

namespace korbit::testing {
namespace {

using control::Text;
using control::Value;

class NumberText : public UtilitiesFixture {};

TEST_F(NumberText, NumToTextSpellsChequeAmounts) {
    const struct {
        double value;
        bool dollars;
        const char16_t* words;
    } cases[] = {
        {0, true, u"Zero and 00/100 Dollars"},
        {10, true, u"Ten and 00/100 Dollars"},
        {1000, true, u"One thousand and 00/100 Dollars"},
        {1000001, true, u"One million, one and 00/100 Dollars"},
        {1000000, true, u"One million and 00/100 Dollars"},
        {123.45, false, u"One hundred twenty-three and 45/100"},
        {0.999, true, u"Zero and 100/100 Dollars"},
        {0.456, false, u"Zero and 46/100"},
        {20, false, u"Twenty and 00/100"},
        {115, false, u"One hundred fifteen and 00/100"},
        {1001, false, u"One thousand, one and 00/100"},
        {1010, false, u"One thousand, ten and 00/100"},
        {100000, false, u"One hundred thousand and 00/100"},
        {2019000, false, u"Two million, nineteen thousand and 00/100"},
        {999999999999999, false,
         u"Nine hundred ninety-nine trillion, nine hundred ninety-nine billion, nine hundred ninety-nine million, "
         u"nine hundred ninety-nine thousand, nine hundred ninety-nine and 00/100"},
        {-5, true, u"#Error# Dollars"},
        {1e15, false, u"#Error#"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(client.NumToText(c.value, c.dollars), c.words);
    }
    EXPECT_EQ(client.NumToText(12.0), u"Twelve and 00/100 Dollars") << "ShowDollars defaults to True";
}

TEST_F(NumberText, FractionsReadIntoDecimals) {
    const struct {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"1 3/4", 1.75}, {u"1-3/4", 1.75},  {u"3/4", 0.75},    {u"  3/4  ", 0.75}, {u"12 1/2", 12.5},
        {u"2 0/4", 2},    {u"5", 5},         {u"1/0", 0},       {u"0/0", 0},        {u"1 1/0", 1},
        {u"abc", 0},      {u"", 0},          {u"3/x", 0},       {u"7 3/x", 7},      {u"1e999/2", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        EXPECT_EQ(client.ConvertFractionToDecimal(c.text), c.value);
    }
}

TEST_F(NumberText, MakeFractionReducesToTheLargestDenominator) {
    const struct {
        Value number;
        std::int32_t denominator;
        bool dash;
        const char16_t* text;
    } cases[] = {
        {1.5, 64, false, u"1  1/2"}, {0.999, 64, false, u"0  1/1"}, {2.0, 64, false, u"2"},
        {Text(u"abc"), 64, false, u""}, {0.5, 64, false, u"0  1/2"}, {0.5, 64, true, u"0-1/2"},
        {3.0, 64, false, u"3"},      {Text(u"2.75"), 64, false, u"2  3/4"}, {0.3, 10, false, u"0  3/10"},
        {-1.25, 64, false, u"-1  1/4"}, {0.5, 0, false, u"0"}, {Value(control::Null{}), 64, false, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.MakeFraction(c.number, c.denominator, c.dash), c.text);
    }
    EXPECT_EQ(client.MakeFraction(1.5), u"1  1/2") << "64 and no dash by default";
    EXPECT_GT(host.pumps, 0) << "the divisor search lets events run";
    EXPECT_EQ(failedCall([&] { client.MakeFraction(1e12); }).status, control::status::kOverflow);
}

TEST_F(NumberText, ConvertHexDecBinaryWritesBackTheConvertedText) {
    const struct {
        const char16_t* number;
        control::MathTypes from;
        control::MathTypes to;
        Text converted;
    } cases[] = {
        {u"255", control::Math_Decimal, control::Math_Hexidecimal, u"FF"},
        {u"FF", control::Math_Hexidecimal, control::Math_Binary, u"11111111"},
        {u"ff", control::Math_Hexidecimal, control::Math_Decimal, u"255"},
        {u"101", control::Math_Binary, control::Math_Decimal, u"5"},
        {u"5", control::Math_Decimal, control::Math_Binary, u"0101"},
        {u"-1", control::Math_Decimal, control::Math_Hexidecimal, u"FFFFFFFF"},
        {u"-1", control::Math_Decimal, control::Math_Binary, Text(32, u'1')},
        {u"12", control::Math_Binary, control::Math_Decimal, u"4"},  // a "2" counts double
        {u"7FFFFFFF", control::Math_Hexidecimal, control::Math_Decimal, u"2147483647"},
        {u"42", static_cast<control::MathTypes>(9), control::Math_Decimal, u"0"},
        {u"42", control::Math_Decimal, static_cast<control::MathTypes>(9), u"42"},
    };
    for (const auto& c : cases) {
        Text number = c.number;
        EXPECT_EQ(client.ConvertHexDecBinary(number, c.from, c.to), c.converted);
        EXPECT_EQ(number, c.converted);
    }
    const struct {
        Text number;
        control::MathTypes from;
        std::int32_t status;
    } failures[] = {
        {u"FFFFFFFF", control::Math_Hexidecimal, control::status::kOverflow},
        {u"1x1", control::Math_Binary, control::status::kTypeMismatch},
        {u"abc", control::Math_Decimal, control::status::kTypeMismatch},
        {Text(32, u'1'), control::Math_Binary, control::status::kOverflow},
    };
    for (const auto& f : failures) {
        Text number = f.number;
        EXPECT_EQ(failedCall([&] { client.ConvertHexDecBinary(number, f.from, control::Math_Decimal); }).status,
                  f.status);
    }
}

TEST_F(NumberText, BinHexDecClassPropertiesShareOneValue) {
    const auto object = control::newBinHexDecCls();
    const control::InterfaceInfo& info = object->interfaceInfo();
    auto put = [&](std::string_view name, Value v) {
        std::vector<Value> args{std::move(v)};
        return control::invoke(*object, info.find(name)->dispid, args, control::MemberKind::kPropertyPut);
    };
    auto get = [&](std::string_view name) {
        std::vector<Value> none;
        return control::invoke(*object, info.find(name)->dispid, none, control::MemberKind::kPropertyGet).result;
    };
    ASSERT_TRUE(put("DeciNum", std::int32_t{-1}).ok());
    EXPECT_EQ(get("HexNum"), Value(u"FFFFFFFF"));
    ASSERT_TRUE(put("BinNum", Text(u"11111111")).ok());
    EXPECT_EQ(get("DeciNum"), Value(std::int32_t{255}));
    EXPECT_EQ(get("HexNum"), Value(u"FF"));
    ASSERT_TRUE(put("HexNum", Text(u"1g")).ok()) << "a non-hex digit counts 0";
    EXPECT_EQ(get("DeciNum"), Value(std::int32_t{16}));
    EXPECT_EQ(put("HexNum", Text(u"FFFFFFFF")).status, control::status::kOverflow);
    ASSERT_TRUE(put("DeciNum", std::int32_t{0}).ok());
    EXPECT_EQ(get("HexNum"), Value(u"0"));
    EXPECT_EQ(get("BinNum"), Value(u"0000"));
}

TEST_F(NumberText, StringHelpersFollowTheirEmptyTextRules) {
    EXPECT_EQ(client.RemovePoundSign(u"abc"), u"");
    EXPECT_EQ(client.RemovePoundSign(u"#12"), u"12");
    EXPECT_EQ(client.RemovePoundSign(u"#1#2#"), u"12");
    EXPECT_EQ(client.RemoveChar(u"Apple", u"a"), u"pple");
    EXPECT_EQ(client.RemoveChar(u"banana", u"A"), u"bnn");
    EXPECT_EQ(client.RemoveChar(u"Apple", u"ap"), u"");
    EXPECT_EQ(client.RemoveChar(u"Apple", u"z"), u"");
    EXPECT_EQ(client.RemoveChar(u"\u00C4rger", u"\u00E4"), u"rger");
    EXPECT_EQ(client.ProperCaseString(u"hELLO wORLD"), u"Hello World");
    EXPECT_EQ(client.ProperCaseString(u"o'neil mcdonald-smith\tx"), u"O'neil Mcdonald-smith\tX");
    EXPECT_EQ(client.ProperCaseString(u"\u00E9cole \u00C9T\u00C9"), u"\u00C9cole \u00C9t\u00E9");
}

TEST_F(NumberText, RandomTextsAndValuesStayInTheirRanges) {
    EXPECT_EQ(client.RandomAlphaNum(0), Text());
    EXPECT_EQ(client.RandomAlphaNum(-3), Text()) << "ends at once";
    std::set<char16_t> seen;
    for (int round = 0; round < 200; ++round) {
        const Text t = client.RandomAlphaNum(8);
        ASSERT_EQ(t.size(), 8U);
        for (const char16_t c : t) {
            ASSERT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) << int(c);
            seen.insert(c);
        }
    }
    EXPECT_EQ(seen.size(), 62U);
    for (int round = 0; round < 1000; ++round) {
        const std::int32_t small = client.GetRandomValue(true);
        ASSERT_GE(small, 0);
        ASSERT_LE(small, 255);
        ASSERT_GE(client.GetRandomValue(), 0);
    }
}

TEST_F(NumberText, CreditCardTypeByLengthAndPrefix) {
    const struct {
        const char16_t* number;
        const char16_t* type;
    } cases[] = {
        {u"5212345678901234", u"Mastercard"}, {u"4111111111111111", u"Visa"}, {u"4222222222222", u"Visa"},
        {u"341111111111111", u"Amex"},        {u"371111111111111", u"Amex"},  {u"36111111111111", u"Diners"},
        {u"30211111111111", u"Diners"},       {u"30611111111111", u"Invalid"}, {u"201411111111111", u"enRoute"},
        {u"3111111111111111", u"JCB"},        {u"180011111111111", u"JCB"},   {u"203111111111111", u"JCB"},
        {u"213111111111111", u"Invalid"},     {u"4111 1111 1111 1111", u"Invalid"}, {u"abcd", u"Invalid"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.CreditCardType(c.number), c.type);
    }
    EXPECT_EQ(failedCall([&] { client.CreditCardType(u"x111111111111111"); }).status, control::status::kTypeMismatch);
}

}  // namespace
}  // namespace korbit::testing
