#include "cli/iso_dates.h"

#include <time.h>

#include <cstdio>

#include "korbit/control/values/automation_date.h"

namespace korbit::cli {

namespace {

constexpr long long kSecondsPerDay = 86400;

// Reads `count` digits at `pos` into `value`.
bool digits(std::string_view text, std::size_t& pos, std::size_t count, int& value) {
    if (pos + count > text.size()) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool take(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

[[noreturn]] void notADate(std::string_view text, std::string_view why) {
    throw control::AutomationError(control::status::kTypeMismatch, 13,
                                   "'" + std::string(text) + "' is no date: " + std::string(why));
}

// Seconds from 1 January 1970 of a calendar day and time, zone aside.
long long secondsOf(const control::CivilTime& t) {
    return control::daysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600LL + t.minute * 60LL +
           t.second;
}

control::CivilTime civilOf(long long seconds) {
    long long days = seconds / kSecondsPerDay;
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    control::CivilTime t;
    control::civilFromDays(days, t.year, t.month, t.day);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

}  // namespace

std::optional<control::Date> readIsoDate(std::string_view text) {
    control::CivilTime t;
    std::size_t pos = 0;
    if (!digits(text, pos, 4, t.year) || !take(text, pos, '-') || !digits(text, pos, 2, t.month) ||
        !take(text, pos, '-') || !digits(text, pos, 2, t.day)) {
        return std::nullopt;
    }
    bool roundUp = false;
    if (pos < text.size() && (text[pos] == 'T' || text[pos] == 't' || text[pos] == ' ')) {
        ++pos;
        if (!digits(text, pos, 2, t.hour) || !take(text, pos, ':') || !digits(text, pos, 2, t.minute)) {
            notADate(text, "a time is written hh:mm or hh:mm:ss");
        }
        if (take(text, pos, ':')) {
            if (!digits(text, pos, 2, t.second)) {
                notADate(text, "a time is written hh:mm or hh:mm:ss");
            }
            if (take(text, pos, '.') || take(text, pos, ',')) {
                const std::size_t first = pos;
                while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
                    ++pos;
                }
                if (pos == first) {
                    notADate(text, "a fraction of a second needs its digits");
                }
                roundUp = text[first] >= '5';
            }
        }
    }
    std::optional<long long> offset;  // seconds east of UTC
    if (take(text, pos, 'Z') || take(text, pos, 'z')) {
        offset = 0;
    } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        const int sign = text[pos++] == '-' ? -1 : 1;
        int hours = 0;
        int minutes = 0;
        if (!digits(text, pos, 2, hours)) {
            notADate(text, "a zone is written Z, +hh:mm, +hhmm or +hh");
        }
        if (pos < text.size()) {
            take(text, pos, ':');
            if (!digits(text, pos, 2, minutes)) {
                notADate(text, "a zone is written Z, +hh:mm, +hhmm or +hh");
            }
        }
        if (hours > 23 || minutes > 59) {
            notADate(text, "no zone is that far from UTC");
        }
        offset = sign * (hours * 3600LL + minutes * 60LL);
    }
    if (pos != text.size()) {
        notADate(text, "write yyyy-mm-dd, then optionally Thh:mm:ss and a zone");
    }
    if (t.year < 100) {
        notADate(text, "dates lie within the years 100 to 9999");
    }
    if (!control::fromCivil(t)) {  // checks every field against its range and the calendar
        notADate(text, "there is no such day or time");
    }

    const long long seconds = secondsOf(t) + (roundUp ? 1 : 0);
    control::CivilTime local = civilOf(seconds);
    if (offset) {
        const time_t moment = static_cast<time_t>(seconds - *offset);
        struct tm parts {};
        if (localtime_r(&moment, &parts) == nullptr) {
            notADate(text, "its local time is unknown");
        }
        local = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
    }
    const std::optional<control::Date> date = control::fromCivil(local);
    if (!date) {
        notADate(text, "dates lie within the years 100 to 9999");
    }
    return date;
}

std::string isoDateText(control::Date date) {
    const std::optional<control::CivilTime> t = control::toCivil(date);
    if (!t) {
        return {};
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t->year, t->month, t->day, t->hour, t->minute,
                  t->second);
    return text;
}

}  // namespace korbit::cli
