#include "korbit/services/file_times.h"

#include "korbit/control/values/automation_date.h"

namespace korbit::services {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

std::optional<std::int64_t> unixSecondsOf(control::Date date) noexcept {
    const auto civil = control::toCivil(date);
    if (!civil || civil->year < 1601) {
        return std::nullopt;
    }
    return control::daysFromCivil(civil->year, civil->month, civil->day) * kSecondsPerDay + civil->hour * 3600 +
           civil->minute * 60 + civil->second;
}

control::Date dateOfUnixSeconds(std::int64_t seconds) noexcept {
    std::int64_t days = seconds / kSecondsPerDay;
    std::int64_t rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    control::CivilTime civil;
    control::civilFromDays(days, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(rest / 3600);
    civil.minute = static_cast<int>(rest / 60 % 60);
    civil.second = static_cast<int>(rest % 60);
    return control::fromCivil(civil).value_or(control::Date{0.0});
}

std::int32_t compareDates(control::Date source, control::Date target) noexcept {
    if (source.days == target.days) {
        return 0;
    }
    return source.days > target.days ? 1 : -1;
}

}  // namespace korbit::services
