// Automation values and the conversions every late-bound call goes through.
#include <gtest/gtest.h>

#include <cmath>

#include "korbit/control/values/automation_date.h"
#include "korbit/control/values/value.h"

namespace korbit::control {
namespace {

template <typename F>
std::int32_t errorNumberOf(F&& f) {
    try {
        f();
    } catch (const AutomationError& e) {
        return e.errorNumber();
    }
    return 0;
}

TEST(ValueWholeNumbers, ConvertTextAndFractionsRoundingHalvesToEven) {
    struct Case {
        Value in;
        std::int32_t out;
    };
    const Case cases[] = {
        {Value(u"5"), 5},      {Value(u" 12 "), 12},  {Value(u"-7"), -7},      {Value(u"+3"), 3},
        {Value(u"2.5"), 2},    {Value(u"3.5"), 4},    {Value(u"-2.5"), -2},    {Value(u"1e3"), 1000},
        {Value(u"1,000"), 1000}, {Value(u"&HFF"), 255}, {Value(u"&hffffffff"), -1}, {Value(u"&O17"), 15},
        {Value(0.5), 0},       {Value(1.5), 2},       {Value(2.4999), 2},      {Value(-0.5), 0},
        {Value(Empty{}), 0},   {Value::boolean(true), -1}, {Value::boolean(false), 0},
        {Value(std::int16_t{-3}), -3}, {Value(Date{2.75}), 3},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(toInt32(cases[i].in), cases[i].out) << "case " << i;
    }
}

TEST(ValueWholeNumbers, RefuseWhatIsNoNumberOrDoesNotFit) {
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(u"abc")); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(u"")); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(u"12abc")); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(u"1e")); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(Array())); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(Null{})); }), 94);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value(32768.0)); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt16(Value(u"-32769")); }), 6);
    EXPECT_EQ(toInt16(Value(-32768.4)), -32768);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(2147483647.5)); }), 6);  // ties to the even 2^31
    EXPECT_EQ(toInt32(Value(2147483646.5)), 2147483646);
    EXPECT_EQ(errorNumberOf([] { toInt32(Value(u"1e400")); }), 6);
    EXPECT_EQ(errorNumberOf([] { toSingle(Value(1e39)); }), 6);
}

TEST(ValueBooleans, ReadNumbersAndTheWordsTrueAndFalse) {
    EXPECT_EQ(toBool(Value(u"True")), kTrue);
    EXPECT_EQ(toBool(Value(u" false ")), kFalse);
    EXPECT_EQ(toBool(Value(u"TRUE")), kTrue);
    EXPECT_EQ(toBool(Value(u"0")), kFalse);
    EXPECT_EQ(toBool(Value(u"-1")), kTrue);
    EXPECT_EQ(toBool(Value(0.1)), kTrue);
    EXPECT_EQ(toBool(Value(Empty{})), kFalse);
    EXPECT_EQ(errorNumberOf([] { toBool(Value(u"yes")); }), 13);
}

TEST(ValueText, WritesNumbersBooleansAndDatesAsAutomationDoes) {
    EXPECT_EQ(toText(Value::boolean(true)), u"True");
    EXPECT_EQ(toText(Value::boolean(false)), u"False");
    EXPECT_EQ(toText(Value(std::int32_t{-42})), u"-42");
    EXPECT_EQ(toText(Value(1.5)), u"1.5");
    EXPECT_EQ(toText(Value(100.0)), u"100");
    EXPECT_EQ(toText(Value(0.1)), u"0.1");
    EXPECT_EQ(toText(Value(1.0 / 3.0)), u"0.333333333333333");
    EXPECT_EQ(toText(Value(1e20)), u"1E+20");
    EXPECT_EQ(toText(Value(1.5e-7)), u"1.5E-07");
    EXPECT_EQ(toText(Value(1.5F)), u"1.5");
    EXPECT_EQ(toText(Value(Empty{})), u"");
    EXPECT_EQ(toText(Value(Date{2.0})), u"1/1/1900");
    EXPECT_EQ(toText(Value(Date{0.25})), u"6:00:00 AM");
    EXPECT_EQ(toText(Value(Date{45000.75})), u"3/15/2023 6:00:00 PM");
    EXPECT_EQ(errorNumberOf([] { toText(Value(Null{})); }), 94);
}

TEST(ValueDates, CountDaysFrom30December1899BothWays) {
    struct Case {
        double days;
        CivilTime civil;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0}},  {1.0, {1899, 12, 31, 0, 0, 0}},  {60.0, {1900, 2, 28, 0, 0, 0}},
        {61.0, {1900, 3, 1, 0, 0, 0}},   {36526.0, {2000, 1, 1, 0, 0, 0}}, {-1.25, {1899, 12, 29, 6, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0}}, {2958465.5, {9999, 12, 31, 12, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto civil = toCivil(Date{c.days});
        ASSERT_TRUE(civil.has_value()) << c.days;
        EXPECT_EQ(*civil, c.civil) << c.days;
        const auto back = fromCivil(c.civil);
        ASSERT_TRUE(back.has_value()) << c.days;
        EXPECT_DOUBLE_EQ(back->days, c.days);
    }
    EXPECT_FALSE(fromCivil({2023, 2, 29}).has_value());
    EXPECT_TRUE(fromCivil({2024, 2, 29}).has_value());
    EXPECT_FALSE(toCivil(Date{-700000.0}).has_value());
    EXPECT_EQ(toDate(Value(u"2024-02-29 13:30")).days, fromCivil({2024, 2, 29, 13, 30, 0})->days);
    EXPECT_EQ(toDate(Value(u"12/31/1999")).days, 36525.0);
    EXPECT_EQ(errorNumberOf([] { toDate(Value(u"2023-02-30")); }), 13);
    EXPECT_EQ(errorNumberOf([] { toDate(Value(1e7)); }), 6);
}

TEST(ValueArrays, KeepLowerBoundsAndRefuseIndexesOutsideThem) {
    Array a(VarType::kText, {Bound{1, 3}});
    a.at(1) = Text(u"one");
    a.at(3) = Text(u"three");
    EXPECT_EQ(a.at(2), Value(Text()));
    EXPECT_EQ(errorNumberOf([&] { a.at(0); }), 9);
    EXPECT_EQ(errorNumberOf([&] { a.at(4); }), 9);
    EXPECT_EQ(errorNumberOf([&] { a.at(1, 1); }), 9);

    a.redimPreserve(5);
    EXPECT_EQ(a.bound(1), (Bound{1, 5}));
    EXPECT_EQ(a.at(3), Value(Text(u"three")));
    EXPECT_EQ(a.at(5), Value(Text()));

    // Two dimensions: the first index varies fastest, and growing the last
    // dimension keeps every element where it was.
    Array grid(VarType::kVariant, {Bound{0, 2}, Bound{0, 2}});
    grid.at(1, 0) = std::int32_t{10};
    grid.at(0, 1) = std::int32_t{1};
    EXPECT_EQ(grid.elements()[1], Value(std::int32_t{10}));
    EXPECT_EQ(grid.elements()[2], Value(std::int32_t{1}));
    grid.redimPreserve(3);
    EXPECT_EQ(grid.at(1, 0), Value(std::int32_t{10}));
    EXPECT_EQ(grid.at(0, 1), Value(std::int32_t{1}));
    EXPECT_TRUE(grid.at(1, 2).isEmpty());

    Array unallocated(VarType::kText);
    EXPECT_FALSE(unallocated.allocated());
    EXPECT_EQ(errorNumberOf([&] { unallocated.bound(1); }), 9);
    EXPECT_EQ(errorNumberOf([&] { unallocated.redimPreserve(2); }), 9);
}

}  // namespace
}  // namespace korbit::control
