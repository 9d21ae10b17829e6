// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/Provider.h"

#include "core/SharedDefaults.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <atomic>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

namespace {

using testenv::gregorianInstant;
using widget::Provider;
using widget::SimpleEntry;
using widget::Timeline;

// Each test gets its own zone, suite and clock, and a converter made in them.
class ProviderTest : public ::testing::Test
{
protected:
    explicit ProviderTest(const QString &zone = QStringLiteral("Asia/Riyadh"))
        : env(QStringLiteral("en_US"), zone)
    {
        Provider::resetSharedConverter();
    }
    ~ProviderTest() override { Provider::resetSharedConverter(); }

    Timeline timelineAt(platform::Instant now)
    {
        env.setNow(now);
        Timeline result;
        int calls = 0;
        Provider().getTimeline({}, [&](const Timeline &t) {
            result = t;
            ++calls;
        });
        EXPECT_EQ(calls, 1);
        return result;
    }

    // Every entry starts its own day, one day after the one before.
    static void expectOneEntryPerLocalDay(const Timeline &t, const platform::Calendar &cal)
    {
        ASSERT_EQ(t.entries.size(), 30u);
        for (std::size_t i = 0; i < t.entries.size(); ++i) {
            const platform::Instant d = t.entries[i].date;
            EXPECT_EQ(cal.startOfDay(d), d) << "entry " << i << " is not the start of its day";
            if (i > 0) {
                EXPECT_LT(t.entries[i - 1].date, d);
                EXPECT_EQ(cal.daysBetween(t.entries[i - 1].date, d), 1) << "entry " << i;
            }
        }
    }

    testenv::ScopedEnvironment env;
};

TEST_F(ProviderTest, TimelineHasThirtyEntriesAtLocalMidnightsFromTodayWithPolicyAtEnd)
{
    const Timeline t = timelineAt(gregorianInstant(2026, 12, 5, 15, 30));
    EXPECT_EQ(t.policy, widget::TimelineReloadPolicy::atEnd);
    ASSERT_EQ(t.entries.size(), 30u);
    const platform::Calendar cal(platform::CalendarIdentifier::gregorian);
    for (int i = 0; i < 30; ++i) {
        const auto c = cal.components(t.entries[i].date);
        const auto expected = cal.components(*cal.dateByAddingDays(i, gregorianInstant(2026, 12, 5)));
        EXPECT_EQ(c, expected) << "entry " << i;
        EXPECT_EQ(c.hour, 0);
        EXPECT_EQ(c.minute, 0);
    }
    expectOneEntryPerLocalDay(t, cal);
}

TEST_F(ProviderTest, TimelineBuiltAtOneMinuteToMidnightStartsAtThatDaysMidnight)
{
    const Timeline t = timelineAt(gregorianInstant(2026, 12, 5, 23, 59));
    ASSERT_FALSE(t.entries.empty());
    EXPECT_EQ(t.entries.front().date, gregorianInstant(2026, 12, 5));
    EXPECT_EQ(t.entries.back().date, gregorianInstant(2027, 1, 3));
}

TEST_F(ProviderTest, WithoutAdjustmentBothRecordsDescribeTheEntrysOwnDate)
{
    const Timeline t = timelineAt(gregorianInstant(2026, 12, 5, 9, 0));
    for (const SimpleEntry &e : t.entries) {
        EXPECT_EQ(e.gregorianDate->date(), e.date);
        EXPECT_EQ(e.hijriDate->date(), e.date);
    }
}

TEST_F(ProviderTest, AdjustmentShiftsOnlyTheHijriRecordsAndANewTimelineTakesAChange)
{
    env.suite()->setInteger(core::keys::adjustmentNumber, 1);
    const Timeline shifted = timelineAt(gregorianInstant(2026, 12, 5, 9, 0));
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    const platform::Calendar islamic(platform::CalendarIdentifier::islamicUmmAlQura);
    for (const SimpleEntry &e : shifted.entries) {
        const platform::Instant next = *gregorian.dateByAddingDays(1, e.date);
        EXPECT_EQ(e.gregorianDate->date(), e.date);
        EXPECT_EQ(*e.gregorianDate, core::RGDate(e.date, gregorian));
        // The next day's Hijri date, shown for (and named by the weekday of) the entry's own day.
        EXPECT_EQ(*e.hijriDate, core::RGDate(next, islamic, e.date));
        EXPECT_EQ(e.hijriDate->weekDayName(), e.gregorianDate->weekDayName());
    }

    env.suite()->setInteger(core::keys::adjustmentNumber, 0);
    // The delivered timeline stays as it was; the next one has the new value everywhere.
    EXPECT_EQ(shifted.entries[3].hijriDate->date(), *gregorian.dateByAddingDays(1, shifted.entries[3].date));
    const Timeline plain = timelineAt(gregorianInstant(2026, 12, 5, 9, 0));
    for (const SimpleEntry &e : plain.entries)
        EXPECT_EQ(e.hijriDate->date(), e.date);
}

TEST_F(ProviderTest, EachEntryKeepsItsOwnRecords)
{
    const Timeline t = timelineAt(gregorianInstant(2026, 12, 5, 9, 0));
    const platform::Calendar islamic(platform::CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(*t.entries[0].hijriDate, core::RGDate(gregorianInstant(2026, 12, 5), islamic));
    EXPECT_EQ(t.entries[0].gregorianDate->day(), 5);
    for (std::size_t i = 1; i < t.entries.size(); ++i) {
        EXPECT_NE(t.entries[i].hijriDate, t.entries[i - 1].hijriDate);
        EXPECT_NE(t.entries[i].gregorianDate, t.entries[i - 1].gregorianDate);
    }
    // The converter holds the last entry's records, not the first's.
    EXPECT_EQ(Provider::sharedConverter().gregorianDate(), t.entries.back().gregorianDate);
}

TEST_F(ProviderTest, HijriMonthEndInsideTheTimelineGoesToDayOneOfTheNextMonth)
{
    // 1 Rajab 1448 is 10 December 2026 (Umm al-Qura); Jumada II has 29 days.
    const Timeline t = timelineAt(gregorianInstant(2026, 12, 5, 9, 0));
    int monthEnds = 0;
    for (std::size_t i = 1; i < t.entries.size(); ++i) {
        const core::RGDate &before = *t.entries[i - 1].hijriDate;
        const core::RGDate &after = *t.entries[i].hijriDate;
        if (after.day() == 1) {
            ++monthEnds;
            EXPECT_TRUE(before.day() == 29 || before.day() == 30);
            EXPECT_EQ(after.month(), before.month() % 12 + 1);
            EXPECT_NE(after.monthName(), before.monthName());
        } else {
            EXPECT_EQ(after.day(), before.day() + 1);
        }
    }
    EXPECT_EQ(monthEnds, 1);
    EXPECT_EQ(t.entries[5].hijriDate->monthName(), QStringLiteral("Rajab (7)"));
    EXPECT_EQ(t.entries[4].hijriDate->day(), 29);
}

TEST_F(ProviderTest, HijriYearEndChangesTheYear)
{
    // 1 Muharram 1449 falls in early June 2027.
    const Timeline t = timelineAt(gregorianInstant(2027, 5, 25, 9, 0));
    bool crossed = false;
    for (std::size_t i = 1; i < t.entries.size(); ++i) {
        if (t.entries[i].hijriDate->year() != t.entries[i - 1].hijriDate->year()) {
            crossed = true;
            EXPECT_EQ(t.entries[i].hijriDate->year(), 1449);
            EXPECT_EQ(t.entries[i].hijriDate->month(), 1);
            EXPECT_EQ(t.entries[i].hijriDate->day(), 1);
        }
    }
    EXPECT_TRUE(crossed);
}

TEST_F(ProviderTest, PlaceholderAndSnapshotAreDatedNow)
{
    const platform::Instant now = gregorianInstant(2026, 12, 5, 17, 45);
    env.setNow(now);
    const SimpleEntry placeholder = Provider().placeholder({});
    EXPECT_EQ(placeholder.date, now);
    EXPECT_EQ(placeholder.gregorianDate->date(), now);
    int calls = 0;
    Provider().getSnapshot({widget::WidgetFamily::systemMedium, true}, [&](const SimpleEntry &e) {
        ++calls;
        EXPECT_EQ(e.date, now);
        EXPECT_EQ(e.hijriDate->date(), now);
    });
    EXPECT_EQ(calls, 1);
}

TEST_F(ProviderTest, CallsFromSeveralThreadsAreSerialised)
{
    env.setNow(gregorianInstant(2026, 12, 5, 9, 0));
    std::vector<Timeline> results(4);
    std::vector<std::thread> threads;
    for (auto &slot : results)
        threads.emplace_back([&slot] { Provider().getTimeline({}, [&](const Timeline &t) { slot = t; }); });
    for (auto &t : threads)
        t.join();
    for (const Timeline &t : results) {
        ASSERT_EQ(t.entries.size(), 30u);
        for (const SimpleEntry &e : t.entries) {
            EXPECT_EQ(e.gregorianDate->date(), e.date);
            EXPECT_EQ(e.hijriDate->date(), e.date);
        }
    }
}

// Another process saving adjustments while timelines are built: every
// timeline is on one adjustment, whichever it is.
TEST_F(ProviderTest, ATimelineNeverMixesTwoAdjustments)
{
    env.setNow(gregorianInstant(2026, 3, 1, 9, 0));
    const QString path = env.suite()->path();
    std::atomic<bool> done{false};
    std::thread writer([&] {
        // A connection of its own, as another process has (a suite of the
        // same file would be this process's one connection).
        sqlite3 *other = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &other);
        sqlite3_busy_timeout(other, 1000);
        for (std::int64_t i = 0; !done.load(); ++i) {
            const QByteArray sql =
                "INSERT OR REPLACE INTO defaults(key, type, value) VALUES('adjustmentNumber', "
                "'integer', " +
                QByteArray::number((i % 2) * 8) + ")";
            sqlite3_exec(other, sql.constData(), nullptr, nullptr, nullptr);
        }
        sqlite3_close(other);
    });
    const platform::Calendar cal(platform::CalendarIdentifier::gregorian);
    int torn = 0;
    for (int round = 0; round < 60 && torn == 0; ++round) {
        const Timeline t = timelineAt(gregorianInstant(2026, 3, 1, 9, 0));
        const auto shift = cal.daysBetween(t.entries[0].date, t.entries[0].hijriDate->date());
        for (const SimpleEntry &e : t.entries)
            torn += cal.daysBetween(e.date, e.hijriDate->date()) != shift ? 1 : 0;
    }
    done = true;
    writer.join();
    EXPECT_EQ(torn, 0);
}

struct ZoneCase
{
    const char *zone;
    int year, month, day; // when the timeline is built (noon)
};

class ProviderZoneTest : public ProviderTest, public ::testing::WithParamInterface<ZoneCase>
{
protected:
    ProviderZoneTest() : ProviderTest(QString::fromLatin1(GetParam().zone)) {}
};

TEST_P(ProviderZoneTest, EveryEntryStartsItsOwnLocalDayAcrossClockChanges)
{
    const ZoneCase c = GetParam();
    const Timeline t = timelineAt(gregorianInstant(c.year, c.month, c.day, 12, 0));
    expectOneEntryPerLocalDay(t, platform::Calendar(platform::CalendarIdentifier::gregorian));
}

INSTANTIATE_TEST_SUITE_P(
    DaylightSaving, ProviderZoneTest,
    ::testing::Values(ZoneCase{"Europe/London", 2027, 3, 20},     // spring forward 28 March 2027
                      ZoneCase{"Europe/London", 2026, 10, 20},    // fall back 25 October 2026
                      ZoneCase{"America/New_York", 2027, 3, 1},   // spring forward 14 March 2027
                      ZoneCase{"America/New_York", 2026, 10, 20}, // fall back 1 November 2026
                      // Midnight did not exist on 4 November 2018: the day began at 01:00.
                      ZoneCase{"America/Sao_Paulo", 2018, 10, 25},
                      // Built on that very day: the next entries are at midnight again.
                      ZoneCase{"America/Sao_Paulo", 2018, 11, 4}));

TEST(ProviderSkippedMidnight, TheDayWithoutMidnightStartsAtOneAndTheNextAtMidnight)
{
    testenv::ScopedEnvironment env(QStringLiteral("en_US"), QStringLiteral("America/Sao_Paulo"));
    Provider::resetSharedConverter();
    env.setNow(gregorianInstant(2018, 11, 4, 12, 0));
    Timeline t;
    Provider().getTimeline({}, [&](const Timeline &timeline) { t = timeline; });
    ASSERT_EQ(t.entries.size(), 30u);
    EXPECT_EQ(t.entries[0].date, gregorianInstant(2018, 11, 4, 1, 0));
    EXPECT_EQ(t.entries[1].date, gregorianInstant(2018, 11, 5, 0, 0));
    EXPECT_EQ(t.entries[29].date, gregorianInstant(2018, 12, 3, 0, 0));
    EXPECT_EQ(t.end, gregorianInstant(2018, 12, 4, 0, 0));
    Provider::resetSharedConverter();
}

TEST(TimelineSchedule, TheEntryInForceIsTheLastOneThatHasBegunAndNoneOutsideTheTimeline)
{
    Timeline t;
    for (int i = 0; i < 3; ++i)
        t.entries.push_back(SimpleEntry{platform::instantFromMSecs(1000 * i), nullptr, nullptr});
    t.end = platform::instantFromMSecs(3000);
    // Before the first day and from the end on, no entry is today.
    EXPECT_FALSE(widget::indexInForce(t, platform::instantFromMSecs(-5)).has_value());
    EXPECT_EQ(widget::indexInForce(t, platform::instantFromMSecs(0)), 0u);
    EXPECT_EQ(widget::indexInForce(t, platform::instantFromMSecs(999)), 0u);
    EXPECT_EQ(widget::indexInForce(t, platform::instantFromMSecs(1000)), 1u);
    EXPECT_EQ(widget::indexInForce(t, platform::instantFromMSecs(2999)), 2u);
    EXPECT_FALSE(widget::indexInForce(t, platform::instantFromMSecs(3000)).has_value());
    EXPECT_EQ(widget::nextEntryDate(t, platform::instantFromMSecs(1000)), platform::instantFromMSecs(2000));
    EXPECT_EQ(widget::nextEntryDate(t, platform::instantFromMSecs(2000)), platform::instantFromMSecs(3000));
    EXPECT_FALSE(widget::nextEntryDate(t, platform::instantFromMSecs(3000)).has_value());
    // A timeline that does not say its end: the last day lasts 24 hours at most.
    t.end.reset();
    EXPECT_EQ(widget::indexInForce(t, platform::instantFromMSecs(2000 + 86'399'999)), 2u);
    EXPECT_FALSE(widget::indexInForce(t, platform::instantFromMSecs(2000 + 86'400'000)).has_value());
    EXPECT_FALSE(widget::needsNewTimeline(t, platform::instantFromMSecs(1999)));
    EXPECT_TRUE(widget::needsNewTimeline(t, platform::instantFromMSecs(2000)));
    EXPECT_FALSE(widget::indexInForce(Timeline{}, platform::instantFromMSecs(0)).has_value());
    EXPECT_TRUE(widget::needsNewTimeline(Timeline{}, platform::instantFromMSecs(0)));
}

} // namespace
