// Automation dates and the file system's time stamps (whole seconds since
// 1970-01-01 00:00, "Unix seconds"), without any time-zone shift.
#pragma once

#include <cstdint>
#include <optional>

#include "korbit/control/values/value.h"

namespace korbit::services {

// The Unix seconds of `date`'s calendar day and time, rounded to the
// second; nothing for a date before 1601 or after 9999, which no time stamp
// can hold.
std::optional<std::int64_t> unixSecondsOf(control::Date date) noexcept;

// The automation date of `seconds`; the date 0 for a moment outside the
// years 100 to 9999.
control::Date dateOfUnixSeconds(std::int64_t seconds) noexcept;

// 1 when `source` is later, -1 when earlier, 0 when equal.
std::int32_t compareDates(control::Date source, control::Date target) noexcept;

}  // namespace korbit::services
