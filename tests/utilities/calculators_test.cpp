// Body measures, energy rates, unit conversions and label lists through the
// control's dispatch interface.
#include "utilities/late_bound.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::Text;
using control::Value;

class Calculators : public LateBound {};

TEST_F(Calculators, HarrisBenedictWritesBackKilogramsAndCentimetres) {
    std::vector<Value> male{boolean(true), 180.0, 70.0, 30.0};
    EXPECT_EQ(call("BMRHarris_Benedict", male).result, Value(1870.0));
    EXPECT_EQ(male[1], Value(180 * 0.4536));
    EXPECT_DOUBLE_EQ(male[1].get<double>(), 81.648);
    EXPECT_EQ(male[2], Value(177.8));

    std::vector<Value> female{boolean(false), 130.0, 64.0, 40.0};
    // 655 + 9.6 × 58.968 + 1.8 × 162.56 − 4.7 × 40 = 1325.7008
    EXPECT_EQ(call("BMRHarris_Benedict", female).result, Value(1326.0));
    EXPECT_EQ(female[2], Value(162.56));
}

TEST_F(Calculators, BodyFatAndLeanMass) {
    std::vector<Value> male{200.0, 36.0, 0.0};
    // lean = 216.4 + 94.42 − 149.4 = 161.42; (200 − 161.42) × 100 ÷ 200 = 19.29
    EXPECT_EQ(call("MaleBodyFatPercentage", male).result, Value(19.29));
    EXPECT_EQ(male[2], Value(161.42));
    std::vector<Value> zero{0.0, 36.0, 5.0};
    EXPECT_EQ(call("MaleBodyFatPercentage", zero).status, control::status::kException) << "division by zero";
    EXPECT_EQ(zero[2], Value(5.0));

    std::vector<Value> female{140.0, 30.0, 6.0, 40.0, 10.0, 0.0};
    const double lean = 6.0 / 3.14 + (140 * 0.732 + 8.987) - 30 * 0.157 - 40 * 0.249 + 10 * 0.434;
    const control::InvokeResult r = call("FemaleBodyFatPercentage", female);
    EXPECT_NEAR(r.result.get<double>(), (140 - lean) * 100 / 140, 0.005);
    EXPECT_NEAR(female[5].get<double>(), lean, 0.005);
    std::vector<Value> weightless{0.0, 30.0, 6.0, 40.0, 10.0, 7.0};
    EXPECT_EQ(call("FemaleBodyFatPercentage", weightless).result, Value(0.0)) << "absorbed";
    EXPECT_EQ(weightless[5], Value(7.0)) << "not written";
}

TEST_F(Calculators, RatesAndConversions) {
    std::vector<Value> lean{154.0};
    EXPECT_EQ(call("BMRKatch_McArdle", lean).result, Value(1882.0));  // 370 + 21.6 × 70 = 1882
    EXPECT_EQ(lean[0], Value(154.0 / 2.2));
    const struct {
        const char* method;
        std::vector<Value> args;
        double expected;
    } cases[] = {
        {"MyTDEE", {2000.0, std::int32_t{3}}, 3100},
        {"MyTDEE", {2000.0, std::int32_t{0}}, 0},
        {"MyTDEE", {1999.0, std::int32_t{1}}, 2399},  // 2398.8
        {"MyTDEE", {2000.0, std::int32_t{6}}, 0},
        {"KilogramsToPounds", {1.0}, 2.2046},
        {"PoundsToKilograms", {1.0}, 0.4536},
        {"CentimetersToInches", {100.0}, 39.37},
        {"InchesToCentimeters", {1.0}, 2.54},
        {"ConvertWieghtsAndVolumes", {3.0, control::eTea_Spoon, control::eTable_Spoon}, 1},
        {"ConvertWieghtsAndVolumes", {1.0, control::eCup, control::eOunce}, 8},
        {"ConvertWieghtsAndVolumes", {1.0, control::eKilograms, control::eOunce}, 35},
        {"ConvertWieghtsAndVolumes", {1.0, control::eLiter, control::eMilliliters}, 1000},
        {"ConvertWieghtsAndVolumes", {1.0, control::eTea_Spoon, control::eTea_Spoon}, 1},
        {"ConvertWieghtsAndVolumes", {5.0, std::int32_t{14}, control::eCup}, 0},
        {"ConvertWieghtsAndVolumes", {5.0, control::eCup, std::int32_t{-1}}, 0},
        {"ConvertWieghtsAndVolumes", {1e308, control::eGallons, control::eMicrograms}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(result(c.method, std::vector<Value>(c.args)), Value(c.expected)) << c.method;
    }
    EXPECT_EQ(call("KilogramsToPounds", {1e308}).status, control::status::kOverflow);
}

TEST_F(Calculators, ListFillersReplaceTheCallersArray) {
    const struct {
        const char* method;
        std::size_t rows;
        std::size_t dimensions;
        const char16_t* first;
        const char16_t* last;
    } cases[] = {
        {"FillMeasureUnitsArray", 14, 1, u"tsp(s)(Tea Spoon)", u"L(s)(Liter)"},
        {"FillNutrientArray", 13, 2, u"Calories", u"Protein"},
        {"FillAminoAcidArray", 20, 2, u"Alanine", u"Valine"},
        {"FillVitaminMineralArray", 25, 2, u"Vitamin A (Retinol)", u"Zinc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        std::vector<Value> args{Array::ofTexts({u"old", u"content"}, 5)};
        EXPECT_EQ(call(c.method, args).result, Value());
        const Array& a = args[0].get<Array>();
        ASSERT_EQ(a.dimensions(), c.dimensions);
        EXPECT_EQ(a.bound(1), (control::Bound{0, static_cast<std::int32_t>(c.rows)}));
        const auto last = static_cast<std::int32_t>(c.rows) - 1;
        EXPECT_EQ(c.dimensions == 1 ? a.at(0) : a.at(0, 0), Value(Text(c.first)));
        EXPECT_EQ(c.dimensions == 1 ? a.at(last) : a.at(last, 0), Value(Text(c.last)));
        if (c.dimensions == 2) {
            EXPECT_EQ(a.bound(2), (control::Bound{0, 2}));
            EXPECT_EQ(a.size(), c.rows * 2);
        }
    }
    std::vector<Value> units{Array(control::VarType::kText)};
    call("FillMeasureUnitsArray", units);
    EXPECT_EQ(units[0].get<Array>().at(2), Value(u"oz(s(Ounce)"));
    std::vector<Value> nutrients{Array(control::VarType::kText)};
    call("FillNutrientArray", nutrients);
    EXPECT_EQ(nutrients[0].get<Array>().at(0, 1), Value(u"cal"));
    EXPECT_EQ(nutrients[0].get<Array>().at(6, 1), Value(u"mg"));
    std::vector<Value> vitamins{Array(control::VarType::kText)};
    call("FillVitaminMineralArray", vitamins);
    EXPECT_EQ(vitamins[0].get<Array>().at(11, 1), Value(u"mcg"));
}

}  // namespace
}  // namespace korbit::testing
