// The duration calculator's arithmetic: what the date range screen and
// `qamarly range` both show. Expected values are counted on a wall calendar
// (Gregorian) or read from the Umm al-Qura tables through ICU (Hijri).
#include "app/screens/daterange/DateRangeCalculator.h"

#include "support/TestEnvironment.h"

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

class DateRangeCalculation : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    platform::Calendar gregorian{platform::CalendarIdentifier::gregorian};
    platform::Calendar hijri{platform::CalendarIdentifier::islamicUmmAlQura};
};

TEST_F(DateRangeCalculation, TheSameDayIsZeroWhateverTheTimesOfDay)
{
    const DateRange r = DateRangeCalculator::between(gregorianInstant(2026, 12, 5, 23, 59),
                                                     gregorianInstant(2026, 12, 5, 0, 1), gregorian);
    EXPECT_EQ(r, (DateRange{0, 0, 0, 0}));
}

TEST_F(DateRangeCalculation, FirstOfJanuaryToFirstOfMarch2020IsSixtyDaysAndTwoMonths)
{
    const DateRange r =
        DateRangeCalculator::between(gregorianInstant(2020, 1, 1), gregorianInstant(2020, 3, 1), gregorian);
    EXPECT_EQ(r, (DateRange{60, 0, 2, 0}));
}

TEST_F(DateRangeCalculation, LateEveningToEarlyNextMorningIsOneDay)
{
    const DateRange r = DateRangeCalculator::between(gregorianInstant(2026, 3, 28, 23, 30),
                                                     gregorianInstant(2026, 3, 29, 0, 30), gregorian);
    EXPECT_EQ(r, (DateRange{1, 0, 0, 1}));
}

TEST_F(DateRangeCalculation, CountsAcrossADaylightSavingChangeInWholeDays)
{
    env.setTimeZone(QStringLiteral("Europe/Berlin"));
    // 29 March 2026 has 23 hours in Berlin.
    const DateRange r = DateRangeCalculator::between(gregorianInstant(2026, 3, 28, 12),
                                                     gregorianInstant(2026, 3, 30, 1), gregorian);
    EXPECT_EQ(r.totalDays, 2);
}

TEST_F(DateRangeCalculation, OneHijriMonthInHijriModeIsOneMonthOfItsUmmAlQuraLength)
{
    const platform::Instant from = hijriInstant(1447, 9, 1);
    const platform::Instant to = hijriInstant(1447, 10, 1);
    const DateRange r = DateRangeCalculator::between(from, to, hijri);
    EXPECT_EQ(r.years, 0);
    EXPECT_EQ(r.months, 1);
    EXPECT_EQ(r.days, 0);
    EXPECT_EQ(r.totalDays, hijri.daysInMonth(from));
    EXPECT_TRUE(r.totalDays == 29 || r.totalDays == 30);
}

TEST_F(DateRangeCalculation, TheSameSpanCountsDifferentlyInTheTwoCalendars)
{
    // 1 Ramadan 1447 is 18 February 2026; 355 days of Hijri year are not a Gregorian year.
    const platform::Instant from = hijriInstant(1447, 9, 1);
    const platform::Instant to = hijriInstant(1448, 9, 1);
    const DateRange inHijri = DateRangeCalculator::between(from, to, hijri);
    const DateRange inGregorian = DateRangeCalculator::between(from, to, gregorian);
    EXPECT_EQ(inHijri.years, 1);
    EXPECT_EQ(inHijri.months, 0);
    EXPECT_EQ(inHijri.days, 0);
    EXPECT_EQ(inGregorian.totalDays, inHijri.totalDays);
    EXPECT_EQ(inGregorian.years, 0);
    EXPECT_EQ(inGregorian.months, 11);
}

TEST_F(DateRangeCalculation, AnEndBeforeTheStartGivesNegativeValues)
{
    const DateRange r =
        DateRangeCalculator::between(gregorianInstant(2020, 3, 1), gregorianInstant(2019, 1, 15), gregorian);
    EXPECT_EQ(r, (DateRange{-411, -1, -1, -17}));
}

TEST_F(DateRangeCalculation, TheStartOfADayIsLocalMidnightInTheDeviceZone)
{
    EXPECT_EQ(DateRangeCalculator::startOfDay(gregorianInstant(2026, 12, 5, 2, 30)),
              gregorianInstant(2026, 12, 5));
    env.setTimeZone(QStringLiteral("America/New_York"));
    // 02:30 in Riyadh is still the 4th in New York.
    EXPECT_EQ(
        DateRangeCalculator::startOfDay(gregorianInstant(2026, 12, 5, 2, 30, QStringLiteral("Asia/Riyadh"))),
        gregorianInstant(2026, 12, 4));
}

} // namespace
