// Calendar arithmetic on automation dates, rounding and periodic rates, as
// methods of the control, and their bindings.
#include <cmath>
#include <ctime>

#include "korbit/control/automation_date.h"
#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/utilities/fraction_text.h"

namespace korbit::control {

namespace {

CivilTime civilOf(Date d) {
    const std::optional<CivilTime> civil = toCivil(d);
    if (!civil) {
        throw AutomationError::overflow();
    }
    return *civil;
}

// The calendar day of a date: its whole part (before day 0 the whole part
// counts backwards and the fraction adds time forwards).
double dayOf(Date d) noexcept { return std::trunc(d.days); }

std::tm localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

std::int16_t currentYear() { return static_cast<std::int16_t>(localToday().tm_year + 1900); }

// round(x, places) with halves away from zero; throws overflow when the
// scaled value is no finite number.
double roundPlaces(double x, std::int32_t places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scale) || scale == 0.0 || !std::isfinite(scaled)) {
        throw AutomationError::overflow();
    }
    return utilities::roundHalfAway(scaled) / scale;
}

double roundedOrMinusOne(double x, std::int32_t places) {
    try {
        return roundPlaces(x, places);
    } catch (const AutomationError&) {
        return -1;
    }
}

}  // namespace

VBool KorbitControl::IsLeapYear(std::int16_t yr) {
    return toVBool(yr % 4 == 0 && (yr % 400 == 0 || yr % 100 > 0));
}

std::int16_t KorbitControl::DaysInMonth(Date D) {
    const CivilTime civil = civilOf(D);
    return static_cast<std::int16_t>(daysInMonth(civil.year, civil.month));
}

std::int32_t KorbitControl::DaysBetween2Dates(Date MyDate1, Date MyDate2) {
    const double days = dayOf(MyDate2) - dayOf(MyDate1);
    return std::fabs(days) <= 2147483647.0 ? static_cast<std::int32_t>(days) : -1;
}

std::int32_t KorbitControl::DateToJulian(Date MyDate) {
    (void)civilOf(MyDate);
    return static_cast<std::int32_t>(dayOf(MyDate));
}

Date KorbitControl::RandomDate() {
    const std::tm today = localToday();
    const auto todayNumber = static_cast<double>(
        daysFromCivil(today.tm_year + 1900, today.tm_mon + 1, today.tm_mday) + 25569);  // 1970-01-01 is day 25569
    return Date{std::floor(static_cast<double>(nextRandom()) * (todayNumber + 1))};
}

double KorbitControl::RoundNum(double MyNumber, std::int32_t DecimalPlace) {
    return roundedOrMinusOne(MyNumber, DecimalPlace);
}

double KorbitControl::PeriodicRateMonthly01(double MyAPR, std::int32_t DecimalPlace) {
    return roundedOrMinusOne(MyAPR / 12, DecimalPlace);
}

double KorbitControl::PeriodicRateDays01(double MyAPR, std::int16_t& MyYear, std::int32_t DecimalPlace) {
    if (MyYear == 0) {
        MyYear = currentYear();
    }
    return roundedOrMinusOne(MyAPR / (IsLeapYear(MyYear) == kTrue ? 366 : 365), DecimalPlace);
}

}  // namespace korbit::control

namespace korbit::utilities {

namespace {

using control::Date;
using control::DispatchObject;
using control::KorbitControl;
using control::Value;
using Span = std::span<Value>;


}  // namespace

void bindDateFinanceMethods(control::InterfaceInfo& info) {
    info.bind("IsLeapYear", [](DispatchObject& s, Span a) -> Value {
        return control::Boolean{controlOf(s).IsLeapYear(a[0].get<std::int16_t>())};
    });
    info.bind("DaysInMonth", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).DaysInMonth(a[0].get<Date>());
    });
    info.bind("PeriodicRateMonthly01", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).PeriodicRateMonthly01(a[0].get<double>(), a[1].get<std::int32_t>());
    });
    info.bind("PeriodicRateDays01", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).PeriodicRateDays01(a[0].get<double>(), a[1].get<std::int16_t>(), a[2].get<std::int32_t>());
    });
    info.bind("DaysBetween2Dates", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).DaysBetween2Dates(a[0].get<Date>(), a[1].get<Date>());
    });
    info.bind("RoundNum", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).RoundNum(a[0].get<double>(), a[1].get<std::int32_t>());
    });
    info.bind("RandomDate", [](DispatchObject& s, Span) -> Value { return controlOf(s).RandomDate(); });
    info.bind("DateToJulian", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).DateToJulian(a[0].get<Date>());
    });
}

}  // namespace korbit::utilities
