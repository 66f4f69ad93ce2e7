// Dates as scripts write them, ISO 8601, to and from automation dates.
// An automation date carries no zone: a method reads it as local time, or as
// UTC where an argument of its own says so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "korbit/control/values/value.h"

namespace korbit::cli {

// Reads a date in the ISO 8601 extended form: "2024-02-29", or with a time
// after "T" or a blank, "2024-02-29T10:15", "...T10:15:30", "...T10:15:30.25"
// (a fraction of a second is rounded to the second), with or without a zone,
// "Z", "+01:00", "+0100" or "+01" ("t" and "z" may be small, as RFC 3339
// allows). A time without a zone is taken as it
// stands; one with a zone is converted to the local time of that moment.
// Empty when `text` does not start like a date ("yyyy-mm-dd"). Throws
// AutomationError (type mismatch) when it does but is no date of that form,
// names no day or time (a 30 February, an hour 24), or falls outside the
// years 100 to 9999.
std::optional<control::Date> readIsoDate(std::string_view text);

// "2024-02-29T10:15:00": the date as it stands, without a zone. Empty for a
// date outside the years 100 to 9999.
std::string isoDateText(control::Date date);

}  // namespace korbit::cli
