// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The duration calculator's arithmetic: what the date range screen and
// `qamarly range` both show. Expected values are counted on a wall calendar
// (Gregorian) or read from the Umm al-Qura tables through ICU (Hijri).
#include "app/screens/daterange/DateRangeCalculator.h"

#include "support/RowName.h"
#include "support/TestEnvironment.h"

#include <chrono>
#include <gtest/gtest.h>

namespace app::screens {
// Readable failures.
void PrintTo(const DateRange &r, std::ostream *os)
{
    *os << r.totalDays << " days = " << r.years << " y " << r.months << " m " << r.days << " d";
}
} // namespace app::screens

using app::screens::DateRange;
using app::screens::DateRangeCalculator;
using testenv::gregorianInstant;
using testenv::hijriInstant;

namespace {

enum class Kind
{
    gregorian,
    hijri
};

// A day on either calendar, at a time of day in the row's zone.
struct Day
{
    Kind kind;
    int year, month, day, hour = 0, minute = 0;

    platform::Instant instant() const
    {
        if (kind == Kind::hijri)
            return hijriInstant(year, month, day) + std::chrono::hours(hour) + std::chrono::minutes(minute);
        return gregorianInstant(year, month, day, hour, minute);
    }
};

struct RangeRow
{
    const char *what;
    const char *zone;
    Kind countIn;
    Day from;
    Day to;
    DateRange expected;
};

// Gregorian spans are counted on a wall calendar; Hijri dates are the Umm
// al-Qura calendar's (1 Ramadan 1447 = 18 February 2026, 1 Shawwal 1447 =
// 20 March 2026, 1 Ramadan 1448 = 8 February 2027).
const RangeRow rangeRows[] = {
    {"the same day is zero whatever the times of day",
     "Asia/Riyadh",
     Kind::gregorian,
     {Kind::gregorian, 2026, 12, 5, 23, 59},
     {Kind::gregorian, 2026, 12, 5, 0, 1},
     {0, 0, 0, 0}},
    {"1 January to 1 March of a leap year: 31 + 29 days",
     "Asia/Riyadh",
     Kind::gregorian,
     {Kind::gregorian, 2020, 1, 1},
     {Kind::gregorian, 2020, 3, 1},
     {60, 0, 2, 0}},
    {"late evening to early next morning is one day",
     "Asia/Riyadh",
     Kind::gregorian,
     {Kind::gregorian, 2026, 3, 28, 23, 30},
     {Kind::gregorian, 2026, 3, 29, 0, 30},
     {1, 0, 0, 1}},
    {"a 23-hour day (29 March 2026 in Berlin) still counts whole",
     "Europe/Berlin",
     Kind::gregorian,
     {Kind::gregorian, 2026, 3, 28, 12},
     {Kind::gregorian, 2026, 3, 30, 1},
     {2, 0, 0, 2}},
    {"an end before the start gives negative values",
     "Asia/Riyadh",
     Kind::gregorian,
     {Kind::gregorian, 2020, 3, 1},
     {Kind::gregorian, 2019, 1, 15},
     {-411, -1, -1, -17}},
    {"Ramadan 1447 is one Hijri month of 30 days",
     "Asia/Riyadh",
     Kind::hijri,
     {Kind::hijri, 1447, 9, 1},
     {Kind::hijri, 1447, 10, 1},
     {30, 0, 1, 0}},
    {"Ramadan to Ramadan is one Hijri year of 355 days",
     "Asia/Riyadh",
     Kind::hijri,
     {Kind::hijri, 1447, 9, 1},
     {Kind::hijri, 1448, 9, 1},
     {355, 1, 0, 0}},
    {"the same 355 days are not a Gregorian year",
     "Asia/Riyadh",
     Kind::gregorian,
     {Kind::hijri, 1447, 9, 1},
     {Kind::hijri, 1448, 9, 1},
     {355, 0, 11, 21}},
};

class DateRangeCalculation : public ::testing::TestWithParam<RangeRow>
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

TEST_P(DateRangeCalculation, CountsAsTheRowSays)
{
    const RangeRow &row = GetParam();
    env.setTimeZone(QString::fromLatin1(row.zone));
    const platform::Calendar calendar(row.countIn == Kind::hijri
                                          ? platform::CalendarIdentifier::islamicUmmAlQura
                                          : platform::CalendarIdentifier::gregorian);
    EXPECT_EQ(DateRangeCalculator::between(row.from.instant(), row.to.instant(), calendar), row.expected)
        << row.what;
}

INSTANTIATE_TEST_SUITE_P(Rows, DateRangeCalculation, ::testing::ValuesIn(rangeRows), testenv::RowWhat());

TEST(DateRangeStartOfDay, IsLocalMidnightInTheDeviceZone)
{
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    EXPECT_EQ(DateRangeCalculator::startOfDay(gregorianInstant(2026, 12, 5, 2, 30)),
              gregorianInstant(2026, 12, 5));
    env.setTimeZone(QStringLiteral("America/New_York"));
    // 02:30 in Riyadh is still the 4th in New York.
    EXPECT_EQ(
        DateRangeCalculator::startOfDay(gregorianInstant(2026, 12, 5, 2, 30, QStringLiteral("Asia/Riyadh"))),
        gregorianInstant(2026, 12, 4));
}

} // namespace
