// Day boundaries follow the system's zone database, not ICU's bundled copy.
// Expected values were read from the system's own rules (Debian tzdata 2025b,
// through Python's zoneinfo); rows that ICU 72's 2022e data gets wrong say so.
#include "platform/system/SystemTimeZone.h"

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Instant.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>
#include <unicode/timezone.h>

using platform::Calendar;
using platform::CalendarIdentifier;

namespace {

platform::Instant utc(const char *iso)
{
    return platform::fromQDateTime(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate));
}

Calendar gregorianIn(const char *zone)
{
    return Calendar(CalendarIdentifier::gregorian, QString::fromLatin1(zone), QStringLiteral("en_US"));
}

struct LocalDayRow
{
    const char *zone;
    const char *instant;
    int day;
    int hour;
    const char *why;
};

TEST(SystemTimeZone, LocalDaysFollowTheSystemRules)
{
    const LocalDayRow rows[] = {
        {"America/Mexico_City", "2026-04-06T05:00:00Z", 5, 23, "no daylight saving since 2022"},
        {"America/Coyhaique", "2026-07-01T02:30:00Z", 30, 23, "zone added in 2025, -03 all year"},
        {"Asia/Almaty", "2026-01-01T18:30:00Z", 1, 23, "+05 since 2024"},
        {"America/Asuncion", "2026-07-01T03:30:00Z", 1, 0, "-03 all year since 2024"},
        {"Europe/Berlin", "2100-07-01T22:30:00Z", 2, 0, "summer time from the yearly rule"},
        {"America/Nuuk", "2047-03-31T01:30:00Z", 31, 0, "changes at 23:00 the Saturday before"},
        {"Asia/Jerusalem", "2047-03-21T22:30:00Z", 22, 0, "Friday before the last Sunday, at 02:00"},
    };
    for (const LocalDayRow &row : rows) {
        SCOPED_TRACE(std::string(row.zone) + " at " + row.instant + ": " + row.why);
        const platform::DateComponents c = gregorianIn(row.zone).components(utc(row.instant));
        EXPECT_EQ(c.day, row.day);
        EXPECT_EQ(c.hour, row.hour);
    }
}

struct DayStartRow
{
    const char *zone;
    const char *during;
    const char *start;
    const char *why;
};

TEST(SystemTimeZone, EveryDayStartsAtItsEarliestInstant)
{
    const DayStartRow rows[] = {
        {"America/Havana", "2026-11-01T12:00:00Z", "2026-11-01T04:00:00Z", "01:00 goes back to 00:00"},
        {"Atlantic/Azores", "2026-10-25T12:00:00Z", "2026-10-25T00:00:00Z", "01:00 goes back to 00:00"},
        {"America/Scoresbysund", "2026-10-25T12:00:00Z", "2026-10-25T02:00:00Z", "01:00 goes back to 00:00"},
        {"Asia/Amman", "2018-10-26T12:00:00Z", "2018-10-25T21:00:00Z", "01:00 went back to 00:00"},
        {"Asia/Gaza", "2018-10-27T12:00:00Z", "2018-10-26T21:00:00Z", "01:00 went back to 00:00"},
        {"America/Santiago", "2026-09-06T12:00:00Z", "2026-09-06T04:00:00Z", "midnight skipped"},
        {"America/Nuuk", "2047-03-31T12:00:00Z", "2047-03-31T01:00:00Z", "23:00 the day before skipped"},
        {"Africa/Cairo", "2026-05-01T12:00:00Z", "2026-04-30T21:00:00Z", "summer time again since 2023"},
    };
    for (const DayStartRow &row : rows) {
        SCOPED_TRACE(std::string(row.zone) + " on " + row.during + ": " + row.why);
        EXPECT_EQ(
            platform::isoString(gregorianIn(row.zone).startOfDay(utc(row.during)), QStringLiteral("UTC")),
            platform::isoString(utc(row.start), QStringLiteral("UTC")));
    }
}

TEST(SystemTimeZone, RefusesDataThatIsNotAZoneFile)
{
    QFile real(QStringLiteral("/usr/share/zoneinfo/Europe/Paris"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();
    EXPECT_NE(platform::SystemTimeZone::fromTzif(QStringLiteral("Europe/Paris"), bytes), nullptr);
    for (const QByteArray &bad : {QByteArray(), QByteArray("TZif2"), bytes.left(60),
                                  bytes.left(bytes.size() / 2), QByteArray(200, 'x')}) {
        SCOPED_TRACE(bad.size());
        EXPECT_EQ(platform::SystemTimeZone::fromTzif(QStringLiteral("X"), bad), nullptr);
    }
}

TEST(SystemTimeZone, UnknownOrUnsafeIdsFallBackToUtc)
{
    for (const char *id : {"Nowhere/Land", "../../etc/passwd", "Europe/../../../etc/hostname"}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(platform::SystemTimeZone::isKnown(QString::fromLatin1(id)));
        EXPECT_EQ(gregorianIn(id).components(utc("2026-06-01T23:30:00Z")).hour, 23);
    }
    EXPECT_TRUE(platform::SystemTimeZone::isKnown(QStringLiteral("America/Ciudad_Juarez")));
}

} // namespace
