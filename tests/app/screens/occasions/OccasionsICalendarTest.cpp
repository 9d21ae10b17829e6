// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The occasions as an iCalendar file: what libical reads of it, the day each
// lands on under an adjustment, UIDs that survive a second export, and lines
// folded without splitting an Arabic letter.
#include "app/screens/occasions/OccasionsICalendar.h"

#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QList>
#include <QStringList>
#include <chrono>
#include <gtest/gtest.h>
#include <libical/ical.h>

using app::occasions::occasionsICalendar;
using namespace std::chrono_literals;

namespace {

struct Occurrence
{
    std::string uid;
    std::string summary;
    QString start;
    QString end;
};

QList<Occurrence> parse(const QByteArray &file)
{
    QList<Occurrence> entries;
    icalcomponent *calendar = icalparser_parse_string(file.constData());
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return entries;
    EXPECT_STREQ(icalproperty_get_version(icalcomponent_get_first_property(calendar, ICAL_VERSION_PROPERTY)),
                 "2.0");
    EXPECT_NE(icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY), nullptr);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        EXPECT_TRUE(start.is_date && end.is_date);
        EXPECT_EQ(icaltime_compare(icaltime_add(start, icaldurationtype_from_int(24 * 3600)), end), 0);
        entries.append({icalcomponent_get_uid(e), icalcomponent_get_summary(e),
                        QString::fromLatin1(icaltime_as_ical_string(start)),
                        QString::fromLatin1(icaltime_as_ical_string(end))});
    }
    icalcomponent_free(calendar);
    return entries;
}

class OccasionsICalendar : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    OccasionsICalendar() { platform::installTranslations(); }
    ~OccasionsICalendar() override { platform::installTranslations(); }
};

TEST_F(OccasionsICalendar, HoldsSixAllDayEntriesAYearOnTheirGregorianDays)
{
    const platform::Instant now = testenv::hijriInstant(1447, 5, 1) + 10h;
    const QList<Occurrence> entries = parse(occasionsICalendar(now, 2));
    ASSERT_EQ(entries.size(), 12);
    EXPECT_EQ(entries[0].uid, "occasion-ny-1447@qamarly.org");
    EXPECT_EQ(entries[0].summary, "Islamic New Year");
    // 1 Muharram 1447 is 26 June 2025; 10 Dhu al-Hijjah 1448 is 16 May 2027.
    EXPECT_EQ(entries[0].start, QStringLiteral("20250626"));
    EXPECT_EQ(entries[11].uid, "occasion-adh-1448@qamarly.org");
    EXPECT_EQ(entries[11].start, QStringLiteral("20270516"));

    // Later in the same year, and under a moon sighting a day late: the same
    // entries (same UIDs), each a day later.
    env.suite()->setInteger(core::keys::adjustmentNumber, -1);
    const QList<Occurrence> shifted = parse(occasionsICalendar(now + 24h * 100, 2));
    ASSERT_EQ(shifted.size(), 12);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(shifted[i].uid, entries[i].uid);
        EXPECT_EQ(QDate::fromString(shifted[i].start, QStringLiteral("yyyyMMdd")),
                  QDate::fromString(entries[i].start, QStringLiteral("yyyyMMdd")).addDays(1))
            << entries[i].uid;
    }
}

TEST(ICalendarLine, FoldsLongArabicLinesBetweenLetters)
{
    const QString line =
        QStringLiteral("SUMMARY:") + QString(QStringLiteral("عيد الأضحى المبارك ")).repeated(8);
    const QByteArray folded = app::occasions::iCalendarLine(line);
    ASSERT_TRUE(folded.endsWith("\r\n"));
    QByteArrayList physical = folded.chopped(2).split('\n');
    ASSERT_GT(physical.size(), 3);
    QByteArray unfolded;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QByteArray piece = physical[i];
        if (i + 1 < physical.size()) {
            ASSERT_TRUE(piece.endsWith('\r'));
            piece.chop(1);
        }
        EXPECT_LE(piece.size(), 75);
        // Each piece is whole UTF-8 on its own.
        EXPECT_EQ(QString::fromUtf8(piece).toUtf8(), piece);
        if (i > 0) {
            ASSERT_TRUE(piece.startsWith(' '));
            piece.remove(0, 1);
        }
        unfolded += piece;
    }
    EXPECT_EQ(QString::fromUtf8(unfolded), line);
}

TEST_F(OccasionsICalendar, NamesTheOccasionsInTheUsersLanguage)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    const QList<Occurrence> entries = parse(occasionsICalendar(testenv::hijriInstant(1447, 5, 1), 1));
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(QString::fromStdString(entries[0].summary), platform::localized("NY"));
}

} // namespace
