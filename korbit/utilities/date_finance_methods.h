// Calendar arithmetic on automation dates, rounding and periodic rates, as
// a family of the control's methods.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class DateFinanceMethods {
public:
    explicit DateFinanceMethods(control::ControlFrame& frame) noexcept : frame_(frame) {}

    VBool IsLeapYear(std::int16_t yr);  // negative years: only multiples of 400
    std::int16_t DaysInMonth(Date D);
    double PeriodicRateMonthly01(double MyAPR, std::int32_t DecimalPlace);  // -1 on an error
    double PeriodicRateDays01(double MyAPR, std::int16_t& MyYear, std::int32_t DecimalPlace);  // 0: current year
    std::int32_t DaysBetween2Dates(Date MyDate1, Date MyDate2);  // calendar days, times ignored
    double RoundNum(double MyNumber, std::int32_t DecimalPlace);  // halves away from zero; -1 on an error
    Date RandomDate();  // day 0 to today, no time of day
    std::int32_t DateToJulian(Date MyDate);

private:
    control::ControlFrame& frame_;
};

}  // namespace korbit::utilities
