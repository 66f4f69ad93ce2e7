// Numbers in words, fractions, number bases, string helpers, random texts
// and card issuers, through the control's dispatch interface.
#include <cmath>
#include <set>

#include "korbit/control/classes.h"
#include "utilities/late_bound.h"

namespace korbit::testing {
namespace {

using control::Text;
using control::Value;

class NumberText : public LateBound {};

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
        EXPECT_EQ(result("NumToText", {c.value, boolean(c.dollars)}), Value(Text(c.words)));
    }
    EXPECT_EQ(result("NumToText", {12.0}), Value(u"Twelve and 00/100 Dollars")) << "ShowDollars defaults to True";
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
        EXPECT_EQ(result("ConvertFractionToDecimal", {Text(c.text)}), Value(c.value));
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
        EXPECT_EQ(result("MakeFraction", {c.number, c.denominator, boolean(c.dash)}), Value(Text(c.text)));
    }
    EXPECT_EQ(result("MakeFraction", {1.5}), Value(u"1  1/2")) << "64 and no dash by default";
    EXPECT_GT(host.pumps, 0) << "the divisor search lets events run";
    EXPECT_EQ(call("MakeFraction", {1e12}).status, control::status::kOverflow);
}

TEST_F(NumberText, ConvertHexDecBinaryWritesBackTheConvertedText) {
    const struct {
        const char16_t* number;
        std::int32_t from;
        std::int32_t to;
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
        {u"42", 9, control::Math_Decimal, u"0"},
        {u"42", control::Math_Decimal, 9, u"42"},
    };
    for (const auto& c : cases) {
        std::vector<Value> args{Text(c.number), c.from, c.to};
        const control::InvokeResult r = call("ConvertHexDecBinary", args);
        ASSERT_TRUE(r.ok()) << r.description;
        EXPECT_EQ(r.result, Value(c.converted));
        EXPECT_EQ(args[0], Value(c.converted));
    }
    const struct {
        Text number;
        std::int32_t from;
        std::int32_t status;
    } failures[] = {
        {u"FFFFFFFF", control::Math_Hexidecimal, control::status::kOverflow},
        {u"1x1", control::Math_Binary, control::status::kTypeMismatch},
        {u"abc", control::Math_Decimal, control::status::kTypeMismatch},
        {Text(32, u'1'), control::Math_Binary, control::status::kOverflow},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(call("ConvertHexDecBinary", {f.number, f.from, control::Math_Decimal}).status, f.status);
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
    const struct {
        const char* method;
        std::vector<Value> args;
        const char16_t* expected;
    } cases[] = {
        {"RemovePoundSign", {Text(u"abc")}, u""},
        {"RemovePoundSign", {Text(u"#12")}, u"12"},
        {"RemovePoundSign", {Text(u"#1#2#")}, u"12"},
        {"RemoveChar", {Text(u"Apple"), Text(u"a")}, u"pple"},
        {"RemoveChar", {Text(u"banana"), Text(u"A")}, u"bnn"},
        {"RemoveChar", {Text(u"Apple"), Text(u"ap")}, u""},
        {"RemoveChar", {Text(u"Apple"), Text(u"z")}, u""},
        {"RemoveChar", {Text(u"\u00C4rger"), Text(u"\u00E4")}, u"rger"},
        {"ProperCaseString", {Text(u"hELLO wORLD")}, u"Hello World"},
        {"ProperCaseString", {Text(u"o'neil mcdonald-smith\tx")}, u"O'neil Mcdonald-smith\tX"},
        {"ProperCaseString", {Text(u"\u00E9cole \u00C9T\u00C9")}, u"\u00C9cole \u00C9t\u00E9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(result(c.method, std::vector<Value>(c.args)), Value(Text(c.expected)));
    }
}

TEST_F(NumberText, RandomTextsAndValuesStayInTheirRanges) {
    EXPECT_EQ(result("RandomAlphaNum", {std::int16_t{0}}), Value(Text()));
    EXPECT_EQ(result("RandomAlphaNum", {std::int16_t{-3}}), Value(Text())) << "ends at once";
    std::set<char16_t> seen;
    for (int round = 0; round < 200; ++round) {
        const Text t = result("RandomAlphaNum", {std::int16_t{8}}).get<Text>();
        ASSERT_EQ(t.size(), 8U);
        for (const char16_t c : t) {
            ASSERT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) << int(c);
            seen.insert(c);
        }
    }
    EXPECT_EQ(seen.size(), 62U);
    for (int round = 0; round < 1000; ++round) {
        const auto small = result("GetRandomValue", {boolean(true)}).get<std::int32_t>();
        ASSERT_GE(small, 0);
        ASSERT_LE(small, 255);
        ASSERT_GE(result("GetRandomValue", {}).get<std::int32_t>(), 0);
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
        EXPECT_EQ(result("CreditCardType", {Text(c.number)}), Value(Text(c.type)));
    }
    EXPECT_EQ(call("CreditCardType", {Text(u"x111111111111111")}).status, control::status::kTypeMismatch);
}

}  // namespace
}  // namespace korbit::testing
