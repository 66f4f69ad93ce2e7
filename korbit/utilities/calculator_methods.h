// Body-fat, metabolic-rate and unit calculators and the label lists, as a
// family of the control's methods. Weights in pounds or kilograms, lengths
// in inches or centimetres; the by-reference arguments named below are
// written back.
#pragma once

#include <cstdint>

#include "korbit/control/values/value.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class CalculatorMethods {
public:
    double FemaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double WristCircMeasure,
                                   double WidestHipCircum, double ForeArmWidestCircum, double& LeanBodyMass);
    double MaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double& LeanBodyMass);
    double BMRHarris_Benedict(VBool SexIsMale, double& BodyWieght, double& BodyHeight, double MyAge);
    double KilogramsToPounds(double Kilograms);
    double PoundsToKilograms(double Pounds);
    double CentimetersToInches(double Centimeter);
    double InchesToCentimeters(double Inches);
    double MyTDEE(double MyBMR, std::int32_t MyActivityLevel);
    double BMRKatch_McArdle(double& LeanBodyMass);
    void FillMeasureUnitsArray(Array& MyMeasureArray);
    void FillNutrientArray(Array& MyNutArray);
    void FillAminoAcidArray(Array& MyAminosArray);
    void FillVitaminMineralArray(Array& MyVitsMinsArray);
    double ConvertWieghtsAndVolumes(double HowManyOrig, std::int32_t OrigMeasureUnit, std::int32_t ToMeasureUnit);
};

}  // namespace korbit::utilities
