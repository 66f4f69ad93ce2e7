// The date and finance methods of the control.
#include "korbit/utilities/date_finance_methods.h"

#include <cmath>

#include "korbit/control/values/automation_date.h"
#include "korbit/platform/local_time.h"
#include "korbit/utilities/fraction_text.h"

namespace korbit::utilities {

using control::AutomationError;

namespace {

control::CivilTime civilOf(Date d) {
    const std::optional<control::CivilTime> civil = control::toCivil(d);
    if (!civil) {
        throw control::AutomationError::overflow();
    }
    return *civil;
}

// The calendar day of a date: its whole part (before day 0 the whole part
// counts backwards and the fraction adds time forwards).
double dayOf(Date d) noexcept { return std::trunc(d.days); }

std::int16_t currentYear() { return static_cast<std::int16_t>(platform::localToday().year); }

// round(x, places) with halves away from zero; throws overflow when the
// scaled value is no finite number.
double roundPlaces(double x, std::int32_t places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scale) || scale == 0.0 || !std::isfinite(scaled)) {
        throw control::AutomationError::overflow();
    }
    return roundHalfAway(scaled) / scale;
}

double roundedOrMinusOne(double x, std::int32_t places) {
    try {
        return roundPlaces(x, places);
    } catch (const AutomationError&) {
        return -1;
    }
}

}  // namespace

VBool DateFinanceMethods::IsLeapYear(std::int16_t yr) {
    return control::toVBool(yr % 4 == 0 && (yr % 400 == 0 || yr % 100 > 0));
}

std::int16_t DateFinanceMethods::DaysInMonth(Date D) {
    const control::CivilTime civil = civilOf(D);
    return static_cast<std::int16_t>(control::daysInMonth(civil.year, civil.month));
}

std::int32_t DateFinanceMethods::DaysBetween2Dates(Date MyDate1, Date MyDate2) {
    const double days = dayOf(MyDate2) - dayOf(MyDate1);
    return std::fabs(days) <= 2147483647.0 ? static_cast<std::int32_t>(days) : -1;
}

std::int32_t DateFinanceMethods::DateToJulian(Date MyDate) {
    (void)civilOf(MyDate);
    return static_cast<std::int32_t>(dayOf(MyDate));
}

Date DateFinanceMethods::RandomDate() {
    const platform::CalendarDay today = platform::localToday();
    const auto todayNumber = static_cast<double>(control::daysFromCivil(today.year, today.month, today.day) +
                                                 25569);  // 1970-01-01 is day 25569
    return Date{std::floor(static_cast<double>(frame_.nextRandom()) * (todayNumber + 1))};
}

double DateFinanceMethods::RoundNum(double MyNumber, std::int32_t DecimalPlace) {
    return roundedOrMinusOne(MyNumber, DecimalPlace);
}

double DateFinanceMethods::PeriodicRateMonthly01(double MyAPR, std::int32_t DecimalPlace) {
    return roundedOrMinusOne(MyAPR / 12, DecimalPlace);
}

double DateFinanceMethods::PeriodicRateDays01(double MyAPR, std::int16_t& MyYear, std::int32_t DecimalPlace) {
    if (MyYear == 0) {
        MyYear = currentYear();
    }
    return roundedOrMinusOne(MyAPR / (IsLeapYear(MyYear) == control::kTrue ? 366 : 365), DecimalPlace);
}

}  // namespace korbit::utilities

