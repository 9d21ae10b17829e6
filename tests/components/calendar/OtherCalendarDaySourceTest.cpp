// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Subtitles with the other calendar's day, computed as the calendar screen
// computes them: adjustment included, in the digits of the day numbers.
#include "components/calendar/OtherCalendarDaySource.h"

#include "TestEnvironment.h"
#include "components/calendar/MonthCalendarModel.h"
#include "core/SharedDefaults.h"

#include <gtest/gtest.h>

using components::OtherCalendarDaySource;
using platform::CalendarIdentifier;
using testenv::gregorianInstant;
using testenv::hijriInstant;

namespace {

class OtherCalendarDaySourceTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    void setAdjustment(std::int64_t days) { env.suite()->setInteger(core::keys::adjustmentNumber, days); }
};

TEST_F(OtherCalendarDaySourceTest, EachGridShowsTheOtherCalendarsDayWithTheAdjustment)
{
    // 18 February 2026 was 1 Ramadan 1447 (Umm al-Qura).
    struct Row
    {
        int adjustment;
        CalendarIdentifier grid;
        platform::Instant cell;
        const char *subtitle;
    };
    const Row rows[] = {
        {0, CalendarIdentifier::gregorian, gregorianInstant(2026, 2, 18), "1"},
        {0, CalendarIdentifier::islamicUmmAlQura, hijriInstant(1447, 9, 1), "18"},
        // With +1 a Gregorian cell shows the Hijri day of the next day...
        {1, CalendarIdentifier::gregorian, gregorianInstant(2026, 2, 17), "1"},
        // ...and the (adjusted) Hijri grid's cell of 17 February, named 1
        // Ramadan, its own Gregorian day.
        {1, CalendarIdentifier::islamicUmmAlQura, gregorianInstant(2026, 2, 17), "17"},
        {-2, CalendarIdentifier::islamicUmmAlQura, gregorianInstant(2026, 2, 20), "20"},
        {-2, CalendarIdentifier::gregorian, gregorianInstant(2026, 2, 20), "1"},
    };
    for (const Row &row : rows) {
        setAdjustment(row.adjustment);
        OtherCalendarDaySource source(row.grid);
        EXPECT_EQ(source.subtitleForDate(nullptr, row.cell), QString::fromLatin1(row.subtitle))
            << row.adjustment << " " << static_cast<int>(row.grid);
        // The same with the adjustment given once, whatever is stored after.
        OtherCalendarDaySource pinned(row.grid, row.adjustment);
        setAdjustment(row.adjustment + 3);
        EXPECT_EQ(pinned.subtitleForDate(nullptr, row.cell), QString::fromLatin1(row.subtitle))
            << row.adjustment << " " << static_cast<int>(row.grid);
    }
}

TEST_F(OtherCalendarDaySourceTest, SubtitlesUseTheDayNumbersDigitsAndTheRangeIsSixHundredDaysAroundNow)
{
    env.setLocale(QStringLiteral("ar_SA"));
    OtherCalendarDaySource source(CalendarIdentifier::gregorian);
    EXPECT_EQ(source.subtitleForDate(nullptr, gregorianInstant(2026, 2, 28)), QStringLiteral("١١"));
    EXPECT_EQ(OtherCalendarDaySource(CalendarIdentifier::islamicUmmAlQura)
                  .subtitleForDate(nullptr, gregorianInstant(2026, 2, 28)),
              QStringLiteral("٢٨"));
    EXPECT_FALSE(source.minimumDateForCalendar(nullptr));
    source.setRangeAroundNow(600);
    components::MonthCalendarModel model;
    model.setDataSource(&source);
    EXPECT_EQ(model.minimumDate(), gregorianInstant(2025, 4, 14));
    EXPECT_EQ(model.maximumDate(), gregorianInstant(2028, 7, 27));
    const auto cells = model.cells(model.currentPageIndex());
    // 4 December 2026 = 24 Jumada II 1448; the title beside it in the same digits.
    EXPECT_EQ(cells[5].subtitle, QStringLiteral("٢٤"));
    EXPECT_EQ(cells[5].title, QStringLiteral("٤"));
}

} // namespace
