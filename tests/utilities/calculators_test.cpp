// Body measures, energy rates, unit conversions and label lists through the
// control's typed client.
#include "utilities/utilities_fixture.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::ControlMethod;
using control::Text;
using control::Value;

class Calculators : public UtilitiesFixture {};

TEST_F(Calculators, HarrisBenedictWritesBackKilogramsAndCentimetres) {
    double weight = 180.0;
    double height = 70.0;
    EXPECT_EQ(client.BMRHarris_Benedict(true, weight, height, 30.0), 1870.0);
    EXPECT_EQ(weight, 180 * 0.4536);
    EXPECT_DOUBLE_EQ(weight, 81.648);
    EXPECT_EQ(height, 177.8);

    weight = 130.0;
    height = 64.0;
    // 655 + 9.6 × 58.968 + 1.8 × 162.56 − 4.7 × 40 = 1325.7008
    EXPECT_EQ(client.BMRHarris_Benedict(false, weight, height, 40.0), 1326.0);
    EXPECT_EQ(height, 162.56);
}

TEST_F(Calculators, BodyFatAndLeanMass) {
    double lean = 0.0;
    // lean = 216.4 + 94.42 − 149.4 = 161.42; (200 − 161.42) × 100 ÷ 200 = 19.29
    EXPECT_EQ(client.MaleBodyFatPercentage(200.0, 36.0, &lean), 19.29);
    EXPECT_EQ(lean, 161.42);
    // Late-bound, to see the lean mass the failed call left.
    std::vector<Value> zero{0.0, 36.0, 5.0};
    EXPECT_EQ(control::invoke(control, control::dispatchIdOf(ControlMethod::MaleBodyFatPercentage), zero).status,
              control::status::kException)
        << "division by zero";
    EXPECT_EQ(zero[2], Value(5.0));

    lean = 0.0;
    const double expected = 6.0 / 3.14 + (140 * 0.732 + 8.987) - 30 * 0.157 - 40 * 0.249 + 10 * 0.434;
    EXPECT_NEAR(client.FemaleBodyFatPercentage(140.0, 30.0, 6.0, 40.0, 10.0, &lean), (140 - expected) * 100 / 140,
                0.005);
    EXPECT_NEAR(lean, expected, 0.005);
    lean = 7.0;
    EXPECT_EQ(client.FemaleBodyFatPercentage(0.0, 30.0, 6.0, 40.0, 10.0, &lean), 0.0) << "absorbed";
    EXPECT_EQ(lean, 7.0) << "not written";
}

TEST_F(Calculators, RatesAndConversions) {
    double lean = 154.0;
    EXPECT_EQ(client.BMRKatch_McArdle(lean), 1882.0);  // 370 + 21.6 × 70 = 1882
    EXPECT_EQ(lean, 154.0 / 2.2);
    const auto level = [](std::int32_t n) { return static_cast<control::ActivityLevel>(n); };
    const auto unit = [](std::int32_t n) { return static_cast<control::MyMeasureUnits>(n); };
    EXPECT_EQ(client.MyTDEE(2000.0, control::Average_Active), 3100.0);
    EXPECT_EQ(client.MyTDEE(2000.0, level(0)), 0.0);
    EXPECT_EQ(client.MyTDEE(1999.0, control::Sedentary), 2399.0);  // 2398.8
    EXPECT_EQ(client.MyTDEE(2000.0, level(6)), 0.0);
    EXPECT_EQ(client.KilogramsToPounds(1.0), 2.2046);
    EXPECT_EQ(client.PoundsToKilograms(1.0), 0.4536);
    EXPECT_EQ(client.CentimetersToInches(100.0), 39.37);
    EXPECT_EQ(client.InchesToCentimeters(1.0), 2.54);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(3.0, control::eTea_Spoon, control::eTable_Spoon), 1.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(1.0, control::eCup, control::eOunce), 8.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(1.0, control::eKilograms, control::eOunce), 35.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(1.0, control::eLiter, control::eMilliliters), 1000.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(1.0, control::eTea_Spoon, control::eTea_Spoon), 1.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(5.0, unit(14), control::eCup), 0.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(5.0, control::eCup, unit(-1)), 0.0);
    EXPECT_EQ(client.ConvertWieghtsAndVolumes(1e308, control::eGallons, control::eMicrograms), 0.0);
    EXPECT_EQ(failedCall([&] { client.KilogramsToPounds(1e308); }).status, control::status::kOverflow);
}

TEST_F(Calculators, ListFillersReplaceTheCallersArray) {
    const struct {
        const char* list;
        Value (hosting::KorbitClient::*fill)(Array&);
        std::size_t rows;
        std::size_t dimensions;
        const char16_t* first;
        const char16_t* last;
    } cases[] = {
        {"measure units", &hosting::KorbitClient::FillMeasureUnitsArray, 14, 1, u"tsp(s)(Tea Spoon)", u"L(s)(Liter)"},
        {"nutrients", &hosting::KorbitClient::FillNutrientArray, 13, 2, u"Calories", u"Protein"},
        {"amino acids", &hosting::KorbitClient::FillAminoAcidArray, 20, 2, u"Alanine", u"Valine"},
        {"vitamins and minerals", &hosting::KorbitClient::FillVitaminMineralArray, 25, 2, u"Vitamin A (Retinol)",
         u"Zinc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        Array a = Array::ofTexts({u"old", u"content"}, 5);
        EXPECT_EQ((client.*c.fill)(a), Value());
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
    Array units(control::VarType::kText);
    client.FillMeasureUnitsArray(units);
    EXPECT_EQ(units.at(2), Value(u"oz(s(Ounce)"));
    Array nutrients(control::VarType::kText);
    client.FillNutrientArray(nutrients);
    EXPECT_EQ(nutrients.at(0, 1), Value(u"cal"));
    EXPECT_EQ(nutrients.at(6, 1), Value(u"mg"));
    Array vitamins(control::VarType::kText);
    client.FillVitaminMineralArray(vitamins);
    EXPECT_EQ(vitamins.at(11, 1), Value(u"mcg"));
}

}  // namespace
}  // namespace korbit::testing
