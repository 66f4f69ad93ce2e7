// Automation dates: days since 30 December 1899 as a double, the time of day
// as the fraction. Before that day the whole part counts backwards while the
// fraction still adds time forwards: -1.25 is 29 December 1899, 06:00.
#pragma once

#include <optional>

#include "korbit/control/values/value.h"

namespace korbit::control {

struct CivilTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CivilTime&) const = default;
};

inline constexpr double kMinDateDays = -657434.0;  // 1 January 100
inline constexpr double kMaxDateDays = 2958465.99999;  // 31 December 9999, 23:59:59

// The calendar day and time of an automation date (Gregorian calendar, the
// time rounded to the second). Empty when the date is outside 100..9999.
std::optional<CivilTime> toCivil(Date date) noexcept;

// The automation date of a calendar day and time. Months and days outside
// their ranges are not normalised: empty for an invalid day.
std::optional<Date> fromCivil(const CivilTime& civil) noexcept;

// Days from 1 January 1970 for a proleptic Gregorian date, and back.
long long daysFromCivil(int year, int month, int day) noexcept;
void civilFromDays(long long days, int& year, int& month, int& day) noexcept;

bool isLeapYear(int year) noexcept;
int daysInMonth(int year, int month) noexcept;

}  // namespace korbit::control
