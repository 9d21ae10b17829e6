// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Calendar values and their arithmetic; LDML formatting and parsing.
#include "platform/calendar/Calendar.h"

#include "platform/calendar/DateFormatter.h"
#include "platform/calendar/Instant.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using platform::Calendar;
using platform::CalendarIdentifier;

namespace {

constexpr QLatin1StringView riyadh("Asia/Riyadh");

TEST(Calendar, ComparesEqualByIdentifierZoneLocaleAndFirstWeekday)
{
    const Calendar a(CalendarIdentifier::gregorian, riyadh, QStringLiteral("en_US"));
    Calendar b(CalendarIdentifier::gregorian, riyadh, QStringLiteral("en_US"));
    EXPECT_EQ(a, b);
    b.setFirstWeekday(a.firstWeekday() == 1 ? 2 : 1);
    EXPECT_NE(a, b);
    EXPECT_NE(a, Calendar(CalendarIdentifier::gregorian, riyadh, QStringLiteral("ar_SA")));
    EXPECT_NE(a, Calendar(CalendarIdentifier::islamicUmmAlQura, riyadh, QStringLiteral("en_US")));
    const Calendar copy = a;
    EXPECT_EQ(copy, a);
}

TEST(Calendar, RefusesDaysTheCalendarDoesNotHave)
{
    const Calendar g(CalendarIdentifier::gregorian, riyadh, QStringLiteral("en_US"));
    EXPECT_FALSE(g.date(2026, 4, 31).has_value());
    EXPECT_FALSE(g.date(2026, 2, 29).has_value());
    EXPECT_TRUE(g.date(2024, 2, 29).has_value());
    EXPECT_FALSE(g.date(2026, 13, 1).has_value());
    EXPECT_FALSE(g.date(2026, 0, 10).has_value());
    EXPECT_FALSE(g.date(5'000'000'000LL, 1, 1).has_value());

    // A day the zone skipped has no moment; an hour it skipped moves on.
    const Calendar apia(CalendarIdentifier::gregorian, QStringLiteral("Pacific/Apia"),
                        QStringLiteral("en_US"));
    EXPECT_FALSE(apia.date(2011, 12, 30).has_value());
    EXPECT_EQ(apia.date(2011, 12, 31, 0).value(), platform::instantFromMSecs(1'325'239'200'000));
    const Calendar newYork(CalendarIdentifier::gregorian, QStringLiteral("America/New_York"),
                           QStringLiteral("en_US"));
    EXPECT_EQ(newYork.components(newYork.date(2026, 3, 8, 2, 30).value()).hour, 3);
    // The same answers before the Gregorian reform, where days come from ICU.
    EXPECT_FALSE(g.date(1500, 2, 30).has_value());
    EXPECT_TRUE(g.date(1500, 2, 29).has_value()) << "a Julian leap day";
    EXPECT_FALSE(g.date(1582, 10, 10).has_value()) << "dropped by the reform";
}

TEST(Calendar, DifferenceCountsYearsThenMonthsThenDays)
{
    const Calendar g(CalendarIdentifier::gregorian, riyadh, QStringLiteral("en_US"));
    const auto from = *g.date(2020, 1, 1);
    const auto to = *g.date(2020, 3, 1);
    EXPECT_EQ(g.daysBetween(from, to), 60);
    EXPECT_EQ(g.difference(from, to), (platform::DateDifference{0, 2, 0}));
    EXPECT_EQ(g.difference(*g.date(2019, 1, 31), *g.date(2020, 3, 2)), (platform::DateDifference{1, 1, 2}));
    EXPECT_EQ(g.difference(to, from), (platform::DateDifference{0, -2, 0}));

    const Calendar h(CalendarIdentifier::islamicUmmAlQura, riyadh, QStringLiteral("en_US"));
    EXPECT_EQ(h.difference(*h.date(1447, 9, 1), *h.date(1447, 10, 1)), (platform::DateDifference{0, 1, 0}));
}

TEST(Calendar, AddingKeepsTheWallClockAcrossDaylightSaving)
{
    const Calendar g(CalendarIdentifier::gregorian, QStringLiteral("Europe/London"), QStringLiteral("en_GB"));
    const auto before = *g.date(2026, 3, 28, 9);
    const auto after = *g.dateByAddingDays(1, before);
    EXPECT_EQ(g.components(after).hour, 9);
    EXPECT_EQ(platform::msecsOf(after) - platform::msecsOf(before), 23 * 3600 * 1000);
    EXPECT_FALSE(g.dateByAddingDays(3'000'000'000LL, before).has_value());
}

TEST(DateFormatter, FormatsAndParsesLdmlPatternsOnEitherCalendar)
{
    platform::DateFormatter f;
    f.setLocaleName(QStringLiteral("en_US"));
    f.setTimeZoneId(riyadh);
    f.setCalendar(Calendar(CalendarIdentifier::islamicUmmAlQura, riyadh, QStringLiteral("en_US")));
    f.setDateFormat(QStringLiteral("d MMMM yyyy"));
    const auto parsed = f.date(QStringLiteral("1 Ramadan 1447"));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(f.string(*parsed), QStringLiteral("1 Ramadan 1447"));
    EXPECT_FALSE(f.date(QStringLiteral("1 Ramadan 1447 and more")).has_value());
    EXPECT_FALSE(f.date(QStringLiteral("32 Ramadan 1447")).has_value());

    f.setCalendar(Calendar(CalendarIdentifier::gregorian, riyadh, QStringLiteral("en_US")));
    f.setDateFormat(QStringLiteral("yyyyMMdd"));
    EXPECT_EQ(f.string(*parsed), QStringLiteral("20260218"));
    // The cached path gives the same text as a fresh formatter.
    EXPECT_EQ(platform::DateFormatter::format(f.calendar(), QStringLiteral("yyyyMMdd"), *parsed).size(), 8);
}

} // namespace

namespace {

// What Qt's own ISO writer gives, with the numeric offset kept for UTC: the
// text the moments of a timeline were always written as.
QString qtIso(platform::Instant at, const char *zone)
{
    QDateTime dt = platform::toQDateTime(at).toTimeZone(QTimeZone(zone));
    dt.setOffsetFromUtc(dt.offsetFromUtc());
    QString text = dt.toString(Qt::ISODate);
    if (text.endsWith(QLatin1Char('Z')))
        text.chop(1), text += QStringLiteral("+00:00");
    return text;
}

} // namespace

TEST(Instant, IsoTextsAreQtsInEveryZoneAndEra)
{
    using platform::instantFromMSecs;
    const std::int64_t msecs[] = {
        1'796'601'600'000,   // 2026-12-07 midnight UTC
        1'772'953'200'000,   // 2026-03-08 07:00 UTC, New York's clocks jump
        1'796'601'600'123,   // with milliseconds
        -2'208'988'800'000,  // 1900: local mean times with seconds in their offsets
        -62'135'596'800'000, // year 1
        253'402'300'799'000, // 9999-12-31 23:59:59 UTC
        0,
    };
    for (const char *zone : {"UTC", "Asia/Riyadh", "America/New_York", "America/St_Johns", "Asia/Kathmandu",
                             "Pacific/Kiritimati", "America/Sao_Paulo", "No/Such_Zone"}) {
        for (const std::int64_t m : msecs) {
            SCOPED_TRACE(testing::Message() << zone << " " << m);
            const QString expected = QTimeZone(zone).isValid() ? qtIso(instantFromMSecs(m), zone)
                                                               : qtIso(instantFromMSecs(m), "UTC");
            EXPECT_EQ(platform::isoString(instantFromMSecs(m), QString::fromLatin1(zone)), expected);
        }
    }
}
