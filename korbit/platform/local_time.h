// Today as the user's clock and time zone say.
#pragma once

namespace korbit::platform {

struct CalendarDay {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
};

// Today's date in local time.
CalendarDay localToday();

}  // namespace korbit::platform
