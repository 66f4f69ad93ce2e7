// Calendar arithmetic, rounding and periodic rates through the control's
// typed client.
#include <ctime>

#include "korbit/control/values/automation_date.h"
#include "utilities/utilities_fixture.h"

namespace korbit::testing {
namespace {

using control::Date;
class DateFinance : public UtilitiesFixture {
protected:
    static Date dateOf(int y, int m, int d, int hh = 0, int mm = 0) {
        return *control::fromCivil({y, m, d, hh, mm, 0});
    }
    static std::int16_t thisYear() {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        ::localtime_r(&now, &local);
        return static_cast<std::int16_t>(local.tm_year + 1900);
    }
};

TEST_F(DateFinance, LeapYearsFollowTheSignOfTheRemainder) {
    const std::pair<std::int16_t, bool> cases[] = {{1900, false}, {2000, true}, {2012, true}, {2008, true},
                                                   {2009, false}, {0, true},    {-4, false},  {-400, true},
                                                   {-100, false}, {4, true},    {-32400, true}};
    for (const auto& [year, leap] : cases) {
        EXPECT_EQ(client.IsLeapYear(year), leap) << year;
    }
}

TEST_F(DateFinance, DaysInMonthOfAnyDayOfTheMonth) {
    const struct {
        Date day;
        std::int16_t days;
    } cases[] = {{dateOf(2008, 2, 1), 29},       {dateOf(2008, 2, 29, 23, 0), 29}, {dateOf(2009, 2, 14), 28},
                 {dateOf(2009, 12, 31), 31},     {dateOf(1899, 12, 5), 31},        {dateOf(1800, 2, 10), 28},
                 {dateOf(9999, 12, 31), 31},     {dateOf(2010, 4, 30), 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(client.DaysInMonth(c.day), c.days) << c.day.days;
    }
}

TEST_F(DateFinance, DaysBetweenCountsCalendarDayBoundaries) {
    const struct {
        Date from;
        Date to;
        std::int32_t days;
    } cases[] = {
        {dateOf(2008, 12, 31, 23, 0), dateOf(2009, 1, 1, 1, 0), 1},
        {dateOf(2009, 1, 1, 1, 0), dateOf(2008, 12, 31, 23, 0), -1},
        {dateOf(2009, 1, 1, 0, 1), dateOf(2009, 1, 1, 23, 59), 0},
        {dateOf(1899, 12, 29, 6, 0), dateOf(1899, 12, 30, 12, 0), 1},  // across day 0
        {dateOf(1800, 1, 1), dateOf(2000, 1, 1), 73048},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.DaysBetween2Dates(c.from, c.to), c.days) << c.from.days << " " << c.to.days;
    }
}

TEST_F(DateFinance, DateToJulianCountsDaysFromDayZeroForEveryDayOf1700To2200) {
    EXPECT_EQ(client.DateToJulian(dateOf(2009, 1, 1, 18, 30)), 39814);
    EXPECT_EQ(client.DateToJulian(Date{-1.25}), -1);
    // An independent count: whole years of 365 or 366 days, then whole months.
    // 1 January 1700: 200 years of 365 days and 48 leap days before 1 January 1900, which is day 2.
    std::int64_t expected = 2 - (200 * 365 + 48);
    for (int y = 1700; y <= 2200; ++y) {
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= lengths[m - 1]; ++d) {
                ASSERT_EQ(client.DateToJulian(dateOf(y, m, d, 12, 0)), static_cast<std::int32_t>(expected))
                    << y << "-" << m << "-" << d;
                ++expected;
            }
        }
    }
}

TEST_F(DateFinance, RandomDateNeverPassesTodayNorHasATime) {
    const std::int32_t today = client.DateToJulian(Date{static_cast<double>(std::time(nullptr)) / 86400.0 + 25569.0});
    for (int round = 0; round < 2000; ++round) {
        const Date d = client.RandomDate();
        ASSERT_GE(d.days, 0.0);
        ASSERT_LE(d.days, today + 1.0);  // the local day may run ahead of the universal one
        ASSERT_EQ(d.days, static_cast<double>(static_cast<std::int64_t>(d.days)));
    }
}

TEST_F(DateFinance, RoundNumRoundsHalvesAwayFromZero) {
    const struct {
        double number;
        std::int32_t places;
        double rounded;
    } cases[] = {
        {2.5, 0, 3},     {-2.5, 0, -3},       {1234.5, -2, 1200}, {3.14159, 2, 3.14}, {1.005, 2, 1},
        {0.125, 2, 0.13}, {-0.125, 2, -0.13}, {1e300, 10, -1},    {5, 400, -1},       {5, -400, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.RoundNum(c.number, c.places), c.rounded) << c.number << " " << c.places;
    }
    EXPECT_EQ(client.RoundNum(3.14159), 3.14) << "two places by default";
}

TEST_F(DateFinance, PeriodicRatesDivideAndRound) {
    EXPECT_EQ(client.PeriodicRateMonthly01(6.0), 0.5);
    EXPECT_EQ(client.PeriodicRateMonthly01(12.0, 0), 1.0);
    EXPECT_EQ(client.PeriodicRateMonthly01(1e308, 5), -1.0);
    std::int16_t year = 2009;
    EXPECT_EQ(client.PeriodicRateDays01(7.3, &year), 0.02);
    year = 2008;
    EXPECT_EQ(client.PeriodicRateDays01(7.32, &year), 0.02);
    year = 2009;
    EXPECT_EQ(client.PeriodicRateDays01(3.65, &year, 3), 0.01);

    year = 0;
    client.PeriodicRateDays01(7.3, &year);
    EXPECT_EQ(year, thisYear()) << "the year 0 becomes the current year, written back";
    year = 2009;
    client.PeriodicRateDays01(7.3, &year);
    EXPECT_EQ(year, 2009);
}

}  // namespace
}  // namespace korbit::testing
