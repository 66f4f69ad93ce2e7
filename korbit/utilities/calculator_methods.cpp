// The calculators and label lists of the control.
#include "korbit/utilities/calculator_methods.h"

#include <cmath>

#include "korbit/utilities/fraction_text.h"

namespace korbit::utilities {

using control::AutomationError;
using control::Bound;
using control::Text;
using control::Value;

namespace {

// The ounces (fluid ounces for volumes) in one unit of each MyMeasureUnits
// value; 0 for any other value.
double unitFactor(std::int32_t unit) noexcept {
    static constexpr double kFactors[] = {0.166666666, 0.5, 1, 1, 8, 16, 32, 128, 0.000000035, 0.000035, 0.035,
                                          35,          0.0338, 33.8};
    return unit >= 0 && unit < 14 ? kFactors[unit] : 0.0;
}

double activityFactor(std::int32_t level) noexcept {
    static constexpr double kFactors[] = {1.2, 1.375, 1.55, 1.725, 1.9};
    return level >= 1 && level <= 5 ? kFactors[level - 1] : 0.0;
}

// Division with the run-time's errors: 0 / 0 overflows, x / 0 divides by zero.
double divide(double a, double b) {
    if (b == 0.0) {
        throw a == 0.0 ? control::AutomationError::overflow() : control::AutomationError::divisionByZero();
    }
    return a / b;
}

// round(x, places): the product with 10^places to the nearest whole number,
// halves away from zero, divided back. Throws overflow for no finite number.
double roundTo(double x, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) {
        throw control::AutomationError::overflow();
    }
    return roundHalfAway(scaled) / scale;
}

const Text kMeasureLabels[] = {u"tsp(s)(Tea Spoon)",   u"tbsp(s)(Table Spoon)", u"oz(s(Ounce)",
                               u"fl oz(s)(Fluid Ounce)", u"C(s)(Cup)",            u"pt(s)(Pint)",
                               u"qt(s)(Quart)",        u"gal(s)(Gallons)",      u"mcg(s)(Micrograms)",
                               u"mg(s)(Milligrams)",   u"g(s)(Grams)",          u"kg(s)(Kilograms)",
                               u"mL(s)(Milliliters)",  u"L(s)(Liter)"};

struct Labelled {
    const char16_t* name;
    const char16_t* unit;
};

const Labelled kNutrients[] = {{u"Calories", u"cal"},          {u"Fat", u"gm"},
                               {u"Saturated Fat", u"gm"},      {u"Trans Fat", u"gm"},
                               {u"Polyunsaturated Fat", u"gm"}, {u"Monounsaturated Fat", u"gm"},
                               {u"Cholesterol", u"mg"},        {u"Sodium", u"mg"},
                               {u"Potassium", u"mg"},          {u"Carbohydrates", u"gm"},
                               {u"Fiber", u"gm"},              {u"Sugar", u"gm"},
                               {u"Protein", u"gm"}};

const Labelled kAminoAcids[] = {
    {u"Alanine", u"mg"},       {u"Arginine", u"mg"},      {u"Asparagine", u"mg"}, {u"Aspartic Acid", u"mg"},
    {u"Cystine (Cysteine)", u"mg"}, {u"Glutamic Acid", u"mg"}, {u"Glutamine", u"mg"}, {u"Glycine", u"mg"},
    {u"Histidine", u"mg"},     {u"Isoleucine", u"mg"},    {u"Leucine", u"mg"},    {u"Lysine", u"mg"},
    {u"Methionine", u"mg"},    {u"Phenylalanine", u"mg"}, {u"Proline", u"mg"},    {u"Serine", u"mg"},
    {u"Threonine", u"mg"},     {u"Tryptophan", u"mg"},    {u"Tyrosine", u"mg"},   {u"Valine", u"mg"}};

const Labelled kVitaminsMinerals[] = {{u"Vitamin A (Retinol)", u"iu"},
                                      {u"Provitamin (Beta-carotene)", u"iu"},
                                      {u"Vitamin C (Ascorbic Acid)", u"mg"},
                                      {u"Calcium", u"mg"},
                                      {u"Iron", u"mg"},
                                      {u"Vitamin B1 (Thiamin)", u"mg"},
                                      {u"Vitamin B2 (Riboflavin)", u"mg"},
                                      {u"Vitamin B3 (Niacin)", u"mg"},
                                      {u"Vitamin B5 (Pantothenic Acid)", u"mg"},
                                      {u"Vitamin H (Biotin)", u"mcg"},
                                      {u"Vitamin B6 (Pyridoxine)", u"mg"},
                                      {u"Vitamin B9 (Folic Acid/Folate)", u"mcg"},
                                      {u"Vitamin B12 (Cobalamin)", u"mcg"},
                                      {u"Vitamin D (Cholecalciferol)", u"iu"},
                                      {u"Vitamin E (alpha-Tocopherol)", u"iu"},
                                      {u"Vitamin K (Menadione)", u"mcg"},
                                      {u"Chromium", u"mcg"},
                                      {u"Copper", u"mg"},
                                      {u"Iodine", u"mcg"},
                                      {u"Magnesium", u"mg"},
                                      {u"Manganese", u"mg"},
                                      {u"Molybdenum", u"mcg"},
                                      {u"Phosphorus", u"mg"},
                                      {u"Selenium", u"mcg"},
                                      {u"Zinc", u"mg"}};

template <std::size_t N>
Array labelTable(const Labelled (&rows)[N]) {
    const auto count = static_cast<std::int32_t>(N);
    Array table(control::VarType::kText, {Bound{0, count}, Bound{0, 2}});
    for (std::int32_t i = 0; i < count; ++i) {
        table.at(i, 0) = Text(rows[i].name);
        table.at(i, 1) = Text(rows[i].unit);
    }
    return table;
}

}  // namespace

double CalculatorMethods::FemaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double WristCircMeasure,
                                                  double WidestHipCircum, double ForeArmWidestCircum,
                                                  double& LeanBodyMass) {
    try {
        const double f1 = MyWeight * 0.732 + 8.987;
        const double f2 = WristCircMeasure / 3.14;
        const double f3 = WaistMeasurement * 0.157;
        const double f4 = WidestHipCircum * 0.249;
        const double f5 = ForeArmWidestCircum * 0.434;
        const double lean = f2 + f1 - f3 - f4 + f5;
        const double result = roundTo(divide((MyWeight - lean) * 100, MyWeight), 2);
        LeanBodyMass = roundTo(lean, 2);
        return result;
    } catch (const AutomationError&) {
        return 0;
    }
}

double CalculatorMethods::MaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double& LeanBodyMass) {
    const double lean = MyWeight * 1.082 + 94.42 - WaistMeasurement * 4.15;
    const double result = roundTo(divide((MyWeight - lean) * 100, MyWeight), 2);
    LeanBodyMass = roundTo(lean, 2);
    return result;
}

double CalculatorMethods::BMRHarris_Benedict(VBool SexIsMale, double& BodyWieght, double& BodyHeight, double MyAge) {
    BodyWieght = PoundsToKilograms(BodyWieght);
    BodyHeight = InchesToCentimeters(BodyHeight);
    const double rate = SexIsMale == control::kTrue ? 66 + 13.7 * BodyWieght + 5 * BodyHeight - 6.8 * MyAge
                                           : 655 + 9.6 * BodyWieght + 1.8 * BodyHeight - 4.7 * MyAge;
    return roundTo(rate, 0);
}

double CalculatorMethods::BMRKatch_McArdle(double& LeanBodyMass) {
    LeanBodyMass = LeanBodyMass / 2.2;
    return roundTo(370 + 21.6 * LeanBodyMass, 0);
}

double CalculatorMethods::MyTDEE(double MyBMR, std::int32_t MyActivityLevel) {
    return roundTo(activityFactor(MyActivityLevel) * MyBMR, 0);
}

double CalculatorMethods::KilogramsToPounds(double Kilograms) { return roundTo(Kilograms / 0.4536, 4); }
double CalculatorMethods::PoundsToKilograms(double Pounds) { return Pounds * 0.4536; }
double CalculatorMethods::CentimetersToInches(double Centimeter) { return roundTo(Centimeter * 0.3937, 2); }
double CalculatorMethods::InchesToCentimeters(double Inches) { return roundTo(Inches / 0.3937, 2); }

double CalculatorMethods::ConvertWieghtsAndVolumes(double HowManyOrig, std::int32_t OrigMeasureUnit,
                                                   std::int32_t ToMeasureUnit) {
    try {
        return roundTo(divide(HowManyOrig * unitFactor(OrigMeasureUnit), unitFactor(ToMeasureUnit)), 2);
    } catch (const AutomationError&) {
        return 0;
    }
}

void CalculatorMethods::FillMeasureUnitsArray(Array& MyMeasureArray) {
    MyMeasureArray = Array::ofTexts(std::vector<Text>(std::begin(kMeasureLabels), std::end(kMeasureLabels)));
}

void CalculatorMethods::FillNutrientArray(Array& MyNutArray) { MyNutArray = labelTable(kNutrients); }
void CalculatorMethods::FillAminoAcidArray(Array& MyAminosArray) { MyAminosArray = labelTable(kAminoAcids); }
void CalculatorMethods::FillVitaminMineralArray(Array& MyVitsMinsArray) {
    MyVitsMinsArray = labelTable(kVitaminsMinerals);
}

}  // namespace korbit::utilities

