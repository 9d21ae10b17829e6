// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Day boundaries follow the system's zone database, not ICU's bundled copy.
// Expected values were read from the system's own rules (Debian tzdata 2025b,
// through Python's zoneinfo); rows that ICU 72's 2022e data gets wrong say so.
#include "platform/system/SystemTimeZone.h"

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Instant.h"
#include "support/RowName.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>
#include <string>
#include <unicode/basictz.h>
#include <unicode/calendar.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>

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

const LocalDayRow localDayRows[] = {
    {"America/Mexico_City", "2026-04-06T05:00:00Z", 5, 23, "no daylight saving since 2022"},
    {"America/Coyhaique", "2026-07-01T02:30:00Z", 30, 23, "zone added in 2025, -03 all year"},
    {"Asia/Almaty", "2026-01-01T18:30:00Z", 1, 23, "+05 since 2024"},
    {"America/Asuncion", "2026-07-01T03:30:00Z", 1, 0, "-03 all year since 2024"},
    {"Europe/Berlin", "2100-07-01T22:30:00Z", 2, 0, "summer time from the yearly rule"},
    {"America/Nuuk", "2047-03-31T01:30:00Z", 31, 0, "changes at 23:00 the Saturday before"},
    {"Asia/Jerusalem", "2047-03-21T22:30:00Z", 22, 0, "Friday before the last Sunday, at 02:00"},
};

// Each row runs alone as .../<its zone>, e.g. */America_Nuuk.
struct ByZone
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return testenv::rowName(info.param.zone);
    }
};

class LocalDay : public ::testing::TestWithParam<LocalDayRow>
{
};

TEST_P(LocalDay, FollowsTheSystemRules)
{
    const LocalDayRow &row = GetParam();
    SCOPED_TRACE(std::string(row.instant) + ": " + row.why);
    const platform::DateComponents c = gregorianIn(row.zone).components(utc(row.instant));
    EXPECT_EQ(c.day, row.day);
    EXPECT_EQ(c.hour, row.hour);
}

INSTANTIATE_TEST_SUITE_P(SystemTimeZone, LocalDay, ::testing::ValuesIn(localDayRows), ByZone());

struct DayStartRow
{
    const char *zone;
    const char *during;
    const char *start;
    const char *why;
};

const DayStartRow dayStartRows[] = {
    {"America/Havana", "2026-11-01T12:00:00Z", "2026-11-01T04:00:00Z", "01:00 goes back to 00:00"},
    {"Atlantic/Azores", "2026-10-25T12:00:00Z", "2026-10-25T00:00:00Z", "01:00 goes back to 00:00"},
    {"America/Scoresbysund", "2026-10-25T12:00:00Z", "2026-10-25T02:00:00Z", "01:00 goes back to 00:00"},
    {"Asia/Amman", "2018-10-26T12:00:00Z", "2018-10-25T21:00:00Z", "01:00 went back to 00:00"},
    {"Asia/Gaza", "2018-10-27T12:00:00Z", "2018-10-26T21:00:00Z", "01:00 went back to 00:00"},
    {"America/Santiago", "2026-09-06T12:00:00Z", "2026-09-06T04:00:00Z", "midnight skipped"},
    {"America/Nuuk", "2047-03-31T12:00:00Z", "2047-03-31T01:00:00Z", "23:00 the day before skipped"},
    {"Africa/Cairo", "2026-05-01T12:00:00Z", "2026-04-30T21:00:00Z", "summer time again since 2023"},
};

class DayStart : public ::testing::TestWithParam<DayStartRow>
{
};

TEST_P(DayStart, IsTheDaysEarliestInstant)
{
    const DayStartRow &row = GetParam();
    SCOPED_TRACE(std::string(row.during) + ": " + row.why);
    EXPECT_EQ(platform::isoString(gregorianIn(row.zone).startOfDay(utc(row.during)), QStringLiteral("UTC")),
              platform::isoString(utc(row.start), QStringLiteral("UTC")));
}

INSTANTIATE_TEST_SUITE_P(SystemTimeZone, DayStart, ::testing::ValuesIn(dayStartRows), ByZone());

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
    const QByteArray tooLong = "Europe/" + QByteArray(200, 'A');
    const QByteArray withControl = QByteArray("Europe/Par") + '\x01' + "is";
    for (const char *id :
         {"Nowhere/Land", "../../etc/passwd", "Europe/../../../etc/hostname", "/etc/localtime",
          "/usr/share/zoneinfo/Europe/Paris", "Europe//Paris", "Europe/Paris/", "Europe/.", "Europe/Paris\n",
          "Europe/Par is", withControl.constData(), tooLong.constData()}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(platform::SystemTimeZone::isKnown(QString::fromLatin1(id)));
        EXPECT_EQ(gregorianIn(id).components(utc("2026-06-01T23:30:00Z")).hour, 23);
    }
    EXPECT_TRUE(platform::SystemTimeZone::isKnown(QStringLiteral("America/Ciudad_Juarez")));
}

// Zones handed out share the database's rules instead of copying them; every
// copy must still answer as a zone made straight from the file.
TEST(SystemTimeZone, CopiesAnswerAsTheZoneFile)
{
    for (const char *id : {"America/New_York", "Australia/Lord_Howe", "Pacific/Apia", "America/Santiago"}) {
        SCOPED_TRACE(id);
        QFile file(QStringLiteral("/usr/share/zoneinfo/") + QString::fromLatin1(id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto fromFile = platform::SystemTimeZone::fromTzif(QString::fromLatin1(id), file.readAll());
        const auto created = platform::SystemTimeZone::create(QString::fromLatin1(id));
        const std::unique_ptr<icu::TimeZone> copy(created->clone());
        ASSERT_TRUE(fromFile && copy);
        EXPECT_TRUE(*copy == *fromFile && *copy == *created);
        EXPECT_TRUE(copy->hasSameRules(*fromFile));
        const auto &fileRules = dynamic_cast<const icu::BasicTimeZone &>(*fromFile);
        const auto &copyRules = dynamic_cast<const icu::BasicTimeZone &>(*copy);
        // Every eleven hours from 1900 to 2100, as UTC and as wall time.
        for (UDate at = -2208988800000.0; at < 4102444800000.0; at += 39'600'000.0) {
            UErrorCode status = U_ZERO_ERROR;
            int32_t raw[4] = {}, dst[4] = {};
            fromFile->getOffset(at, false, raw[0], dst[0], status);
            copy->getOffset(at, false, raw[1], dst[1], status);
            fileRules.getOffsetFromLocal(at, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, raw[2], dst[2],
                                         status);
            copyRules.getOffsetFromLocal(at, UCAL_TZ_LOCAL_FORMER, UCAL_TZ_LOCAL_LATTER, raw[3], dst[3],
                                         status);
            ASSERT_TRUE(U_SUCCESS(status));
            ASSERT_EQ(raw[0] + dst[0], raw[1] + dst[1]) << at;
            ASSERT_EQ(raw[2] + dst[2], raw[3] + dst[3]) << at;
        }
        icu::TimeZoneTransition fileNext;
        icu::TimeZoneTransition copyNext;
        ASSERT_TRUE(fileRules.getNextTransition(1.3e12, false, fileNext));
        ASSERT_TRUE(copyRules.getNextTransition(1.3e12, false, copyNext));
        EXPECT_EQ(fileNext.getTime(), copyNext.getTime());
        // Calendars on either zone agree on a day shift across a change.
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Calendar> onFile(icu::Calendar::createInstance(fromFile->clone(), status));
        std::unique_ptr<icu::Calendar> onCopy(icu::Calendar::createInstance(copy->clone(), status));
        for (icu::Calendar *cal : {onFile.get(), onCopy.get()}) {
            cal->setTime(fileNext.getTime() - 3'600'000.0 * 20, status);
            cal->add(UCAL_DATE, 1, status);
        }
        EXPECT_EQ(onFile->getTime(status), onCopy->getTime(status));
    }
}

} // namespace
