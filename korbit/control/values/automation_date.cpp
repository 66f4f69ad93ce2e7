#include "korbit/control/values/automation_date.h"

#include <cmath>

namespace korbit::control {

namespace {

constexpr long long kEpochOffset = 25569;  // days from 30 December 1899 to 1 January 1970

}  // namespace

// Howard Hinnant's civil-calendar algorithms (public domain).
long long daysFromCivil(int year, int month, int day) noexcept {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long days, int& year, int& month, int& day) noexcept {
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool isLeapYear(int year) noexcept { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) noexcept {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<CivilTime> toCivil(Date date) noexcept {
    if (!std::isfinite(date.days) || date.days < kMinDateDays || date.days >= kMaxDateDays + 1e-5) {
        return std::nullopt;
    }
    double whole = std::trunc(date.days);
    long long seconds = std::llround(std::fabs(date.days - whole) * 86400.0);
    if (seconds >= 86400) {  // rounding reached the next day
        seconds -= 86400;
        whole += date.days < 0 ? -1.0 : 1.0;
    }
    CivilTime civil;
    civilFromDays(static_cast<long long>(whole) - kEpochOffset, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(seconds / 3600);
    civil.minute = static_cast<int>(seconds / 60 % 60);
    civil.second = static_cast<int>(seconds % 60);
    return civil;
}

std::optional<Date> fromCivil(const CivilTime& civil) noexcept {
    if (civil.year < 100 || civil.year > 9999 || civil.month < 1 || civil.month > 12 || civil.day < 1 ||
        civil.day > daysInMonth(civil.year, civil.month) || civil.hour < 0 || civil.hour > 23 || civil.minute < 0 ||
        civil.minute > 59 || civil.second < 0 || civil.second > 59) {
        return std::nullopt;
    }
    const auto whole = static_cast<double>(daysFromCivil(civil.year, civil.month, civil.day) + kEpochOffset);
    const double time = (civil.hour * 3600.0 + civil.minute * 60.0 + civil.second) / 86400.0;
    return Date{whole < 0 ? whole - time : whole + time};
}

}  // namespace korbit::control
