// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/Recurrence.h"

#include "platform/events/linux/ICalendarFile.h"
#include "platform/events/linux/RepeatRule.h"
#include "support/RowName.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::ical;

namespace {

LocalSeconds at(const char *text)
{
    const auto value = parseTimeValue(QByteArrayView(text));
    EXPECT_TRUE(value) << text;
    return value ? value->local : 0;
}

struct Walk
{
    std::vector<LocalSeconds> found;
    RecurrenceExpander::Result result = RecurrenceExpander::Result::done;
    std::int64_t budgetLeft = 0;
};

Walk walk(const char *rule, const char *start, const char *from, const char *to,
          std::int64_t budget = expansionBudget)
{
    const auto parsed = RecurrenceRule::parse(QByteArrayView(rule));
    EXPECT_TRUE(parsed) << rule;
    Walk w;
    if (!parsed)
        return w;
    std::optional<LocalSeconds> until;
    if (parsed->until)
        until = parsed->until->local;
    const RecurrenceExpander expander(*parsed, at(start), until);
    w.result = expander.forEach(at(from), at(to), budget, [&](LocalSeconds t) {
        w.found.push_back(t);
        return true;
    });
    w.budgetLeft = budget;
    return w;
}

TEST(Recurrence, EveryNHoursOrMinutesKeepsItsPhaseFarFromTheStart)
{
    // Six days on, "every 8 hours from 08:00" is still 00:00, 08:00, 16:00.
    EXPECT_EQ(walk("FREQ=HOURLY;INTERVAL=8", "20261201T080000", "20261207T000000", "20261207T235959").found,
              (std::vector{at("20261207T000000"), at("20261207T080000"), at("20261207T160000")}));
    // Every 7 minutes from 09:03, a year later: on the 7-minute grid of the start.
    const auto minutes =
        walk("FREQ=MINUTELY;INTERVAL=7", "20250101T090300", "20260101T000000", "20260101T010000").found;
    ASSERT_FALSE(minutes.empty());
    for (LocalSeconds t : minutes)
        EXPECT_EQ((t - at("20250101T090300")) % (7 * 60), 0);
    EXPECT_LT(minutes.front() - at("20260101T000000"), 7 * 60);
    // A day filter passed over whole keeps the phase too.
    EXPECT_EQ(walk("FREQ=HOURLY;INTERVAL=5;BYDAY=MO", "20261130T010000", "20261207T000000", "20261207T235959")
                  .found.front(),
              at("20261207T030000")); // 1 + 5k: 01:00 Mon 30 Nov + 170 h
}

TEST(Recurrence, TheStartIsAlwaysTheFirstOccurrenceAndCountsAsOne)
{
    // An UNTIL before the start cannot take the start away.
    EXPECT_EQ(
        walk("FREQ=DAILY;UNTIL=20240101T000000", "20240301T090000", "20240201T000000", "20240401T000000")
            .found,
        std::vector{at("20240301T090000")});
    // A start off the rule (a Wednesday for "Mondays") is the first of three.
    EXPECT_EQ(
        walk("FREQ=WEEKLY;BYDAY=MO;COUNT=3", "20261202T090000", "20261201T000000", "20261231T000000").found,
        (std::vector{at("20261202T090000"), at("20261207T090000"), at("20261214T090000")}));
}

TEST(Recurrence, AHugeCountEndsWhereItSaysWithoutWalkingThere)
{
    // A billion seconds from 2001-09-09T01:46:40 end at 2033-05-18T03:33:19,
    // found in a few steps.
    const Walk end =
        walk("FREQ=SECONDLY;COUNT=1000000000", "20010909T014640", "20330518T033310", "20330518T033400", 1000);
    ASSERT_EQ(end.found.size(), 10u);
    EXPECT_EQ(end.found.back(), at("20330518T033319"));
    // A count that has to be counted (two days a week) past the cap of a query
    // still ends in range; the walk is bounded by the budget.
    const Walk counted =
        walk("FREQ=WEEKLY;BYDAY=MO,TH;COUNT=10", "20260105T090000", "20260101T000000", "20270101T000000");
    EXPECT_EQ(counted.found.size(), 10u);
    EXPECT_EQ(counted.found.back(), at("20260205T090000"));
}

TEST(Recurrence, ARuleThatCannotMatchEndsAtTheRangeOrTheBudget)
{
    // 30 February never comes: the walk stops at the end of the range.
    const Walk never =
        walk("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30", "20260101T080000", "20300101T000000", "20310101T000000");
    EXPECT_TRUE(never.found.empty());
    EXPECT_EQ(never.result, RecurrenceExpander::Result::done);
    // Every second of February, asked for a week of it: more than a query may take.
    EXPECT_EQ(walk("FREQ=SECONDLY;BYMONTH=2", "20200101T000000", "20260201T000000", "20260208T000000").result,
              RecurrenceExpander::Result::overBudget);
    // The same rule asked for December passes the days over whole.
    const Walk december =
        walk("FREQ=SECONDLY;BYMONTH=2", "20200101T000000", "20261201T000000", "20261231T000000");
    EXPECT_EQ(december.result, RecurrenceExpander::Result::done);
    EXPECT_GT(december.budgetLeft, expansionBudget - 100);
}

TEST(Recurrence, RulesNearTheLastYearStopThere)
{
    const Walk last = walk("FREQ=YEARLY", "99980615T120000", "99980101T000000", "99991231T235959");
    EXPECT_EQ(last.found, (std::vector{at("99980615T120000"), at("99990615T120000")}));
    EXPECT_EQ(walk("FREQ=DAILY", "99991230T000000", "99991230T000000", "99991231T235959").found.size(), 2u);
}

// Each refused text runs alone as .../<its letters and digits>.
class RefusedText : public ::testing::TestWithParam<const char *>
{
};

std::string textName(const ::testing::TestParamInfo<const char *> &info)
{
    return testenv::rowName(info.param);
}

class ImpossibleTime : public RefusedText
{
};

TEST_P(ImpossibleTime, IsRefusedNotMoved)
{
    EXPECT_FALSE(parseTimeValue(QByteArrayView(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Recurrence, ImpossibleTime,
                         ::testing::Values("20240230", "20230229", "20240101T250000", "20240101T126000",
                                           "2024010", "20241301T000000", "00000101", "20240101T120000+"),
                         textName);

TEST(Recurrence, TheLeapDayAndTheLastSecondAreTimes)
{
    EXPECT_TRUE(parseTimeValue(QByteArrayView("20240229")));
    EXPECT_TRUE(parseTimeValue(QByteArrayView("99991231T235959Z"))->utc);
}

class ImpossibleRule : public RefusedText
{
};

TEST_P(ImpossibleRule, IsRefused)
{
    EXPECT_FALSE(RecurrenceRule::parse(QByteArrayView(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Recurrence, ImpossibleRule,
                         ::testing::Values("FREQ=FORTNIGHTLY", "INTERVAL=2", "FREQ=DAILY;INTERVAL=0",
                                           "FREQ=DAILY;COUNT=-1", "FREQ=MONTHLY;BYMONTHDAY=32",
                                           "FREQ=DAILY;BYHOUR=24", "FREQ=YEARLY;BYDAY=0MO",
                                           "FREQ=MONTHLY;RSCALE=HEBREW"),
                         textName);

TEST(Recurrence, DurationsBeyondThirtyOneBitsKeepTheirLength)
{
    EXPECT_EQ(parseDuration("PT2147483648S"), 2147483648LL);
    EXPECT_EQ(parseDuration("P30000D"), 30000LL * 86400);
    EXPECT_EQ(parseDuration("-P1W"), -7LL * 86400);
    EXPECT_EQ(parseDuration("P1DT2H3M4S"), 86400 + 2 * 3600 + 3 * 60 + 4);
}

class ImpossibleDuration : public RefusedText
{
};

TEST_P(ImpossibleDuration, IsRefused)
{
    EXPECT_FALSE(parseDuration(QByteArrayView(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Recurrence, ImpossibleDuration,
                         ::testing::Values("P", "PT", "1D", "P1H", "PT1D", "P99999999999999W", "P5000000W"),
                         textName);

} // namespace

// What the editor shows of a rule: only what it can write back unchanged;
// everything else (a count past its limit, seconds, numbered weekdays) is
// kept as written.
TEST(Recurrence, TheEditorsTermsForARuleRoundTripOrKeepItAsWritten)
{
    using Kind = platform::EventRepeat::Kind;
    const auto weekly =
        repeatOfRule("FREQ=WEEKLY;BYDAY=TH,TU;UNTIL=20270131T205959Z", QStringLiteral("Asia/Riyadh"));
    EXPECT_EQ(weekly.kind, Kind::weekly);
    EXPECT_EQ(weekly.weekdays, (std::vector{2, 4}));
    EXPECT_EQ(weekly.until, QDate(2027, 1, 31));
    EXPECT_EQ(ruleText(weekly, "20270131T205959Z"), "FREQ=WEEKLY;BYDAY=TU,TH;UNTIL=20270131T205959Z");
    const auto hijri = repeatOfRule("RSCALE=ISLAMIC-UMALQURA;FREQ=YEARLY;SKIP=BACKWARD;COUNT=5", {});
    EXPECT_EQ(hijri.kind, Kind::hijriYearly);
    EXPECT_FALSE(hijri.skipForward);
    EXPECT_EQ(hijri.count, 5);
    for (const char *kept : {"FREQ=DAILY;COUNT=1000000000", "FREQ=SECONDLY", "FREQ=MONTHLY;BYDAY=1MO",
                             "FREQ=DAILY;INTERVAL=2", "RSCALE=ISLAMIC-CIVIL;FREQ=YEARLY"}) {
        const auto other = repeatOfRule(kept, {});
        EXPECT_EQ(other.kind, Kind::other) << kept;
        EXPECT_EQ(ruleText(other, {}), QByteArray(kept));
    }
}
