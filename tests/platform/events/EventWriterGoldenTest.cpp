// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Edits and deletions of real-world files: each row reads an .ics from
// golden/, finds the occurrence a user would have picked on a day, makes the
// change and compares the whole file with golden/<row>.ics (and the split-off
// series with golden/<row>.split.ics). QAMARLY_UPDATE_GOLDEN=1 rewrites them.
#include "platform/events/linux/EventWriter.h"
#include "platform/events/linux/ICalendarFile.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;
using testenv::gregorianInstant;

namespace {

QByteArray readGolden(const QString &name)
{
    QFile file(QStringLiteral(QAMARLY_EVENT_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void compareWithGolden(const QString &name, const QByteArray &actual)
{
    const QString path = QStringLiteral(QAMARLY_EVENT_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("QAMARLY_UPDATE_GOLDEN")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(actual);
        return;
    }
    EXPECT_EQ(actual.toStdString(), readGolden(name).toStdString()) << name.toStdString();
}

// The occurrence of `uid` on `day` as the calendar screen shows it.
std::optional<CalendarEvent> occurrenceOn(const QByteArray &data, const QString &uid, QDate day)
{
    QString error;
    const auto file = ical::CalendarFile::parse(data, QStringLiteral("golden"), &error);
    if (!file)
        return std::nullopt;
    std::vector<ical::Occurrence> found;
    file->occurrences(fromQDateTime(day.startOfDay(Qt::LocalTime)),
                      fromQDateTime(day.addDays(1).startOfDay(Qt::LocalTime)), found);
    for (ical::Occurrence &o : found) {
        if (o.uid != uid)
            continue;
        CalendarEvent event;
        ical::copyInto(std::move(o), event);
        return event;
    }
    return std::nullopt;
}

enum class Operation
{
    edit,
    remove
};

struct Row
{
    const char *name;
    const char *input;
    const char *uid;
    QDate day;
    Operation operation;
    EventSpan span;
    std::function<void(EventDraft &)> change;
    bool nothingLeft = false;
};

// Moves a timed occurrence by whole hours, keeping its length.
std::function<void(EventDraft &)> moveBy(int hours, int lengthChangeMinutes = 0)
{
    return [=](EventDraft &d) {
        d.startDate += std::chrono::hours(hours);
        d.endDate += std::chrono::hours(hours) + std::chrono::minutes(lengthChangeMinutes);
    };
}

std::function<void(EventDraft &)> repeat(EventRepeat::Kind kind, std::vector<int> weekdays = {},
                                         std::optional<QDate> until = {}, int count = 0, bool forward = true)
{
    return [=](EventDraft &d) { d.repeat = EventRepeat{kind, weekdays, until, count, forward, {}}; };
}

std::function<void(EventDraft &)> alerts(std::vector<EventAlert> list)
{
    return [=](EventDraft &d) { d.alerts = list; };
}

std::function<void(EventDraft &)> retitle(const char *title)
{
    return [=](EventDraft &d) { d.title = QString::fromUtf8(title); };
}

const Row rows[] = {
    // Several events in one file: only the one chosen goes, its alarm with it.
    {"multi-event.delete-conference",
     "multi-event.ics",
     "conference-2026@example.org",
     {2026, 12, 10},
     Operation::remove,
     EventSpan::allEvents,
     {}},
    {"multi-event.retitle-trip",
     "multi-event.ics",
     "trip-2026@example.org",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     retitle("Night train")},
    // A weekly series across the change to summer time (29 March 2026).
    {"weekly.delete-this",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 30},
     Operation::remove,
     EventSpan::thisEvent,
     {}},
    {"weekly.delete-overridden",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 4, 13},
     Operation::remove,
     EventSpan::thisEvent,
     {}},
    {"weekly.delete-following",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 4, 6},
     Operation::remove,
     EventSpan::futureEvents,
     {}},
    {"weekly.delete-all",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 16},
     Operation::remove,
     EventSpan::allEvents,
     {},
     true},
    {"weekly.retitle-this",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 23},
     Operation::edit,
     EventSpan::thisEvent,
     retitle("Seminar (room 5)")},
    {"weekly.retitle-override",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 4, 13},
     Operation::edit,
     EventSpan::thisEvent,
     retitle("Exam / bring ID and pen")},
    {"weekly.retitle-all",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 16},
     Operation::edit,
     EventSpan::allEvents,
     retitle("Research seminar")},
    {"weekly.move-this",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 30},
     Operation::edit,
     EventSpan::thisEvent,
     moveBy(2)},
    {"weekly.move-all",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 30},
     Operation::edit,
     EventSpan::allEvents,
     moveBy(1, 30)},
    {"weekly.move-following",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 4, 6},
     Operation::edit,
     EventSpan::futureEvents,
     [](EventDraft &d) {
         d.title = QStringLiteral("Seminar, new time");
         d.startDate -= std::chrono::hours(1);
         d.endDate -= std::chrono::hours(1);
     }},
    {"weekly.move-to-tuesdays",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 9},
     Operation::edit,
     EventSpan::allEvents,
     moveBy(24)},
    // A zone named without a VTIMEZONE, and an Outlook SEQUENCE.
    {"riyadh.retitle",
     "riyadh-no-vtimezone.ics",
     "040000008200E00074C5B7101A82E008",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     retitle("Budget review (final)")},
    {"riyadh.move",
     "riyadh-no-vtimezone.ics",
     "040000008200E00074C5B7101A82E008",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     moveBy(2, 30)},
    // Bare line feeds, folds, a GEO libical cannot read, unknown properties.
    {"floating.retitle",
     "floating-unknown.ics",
     "5F1E2C3A-floating",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     retitle("Walk in the park, with Sara")},
    {"floating.move",
     "floating-unknown.ics",
     "5F1E2C3A-floating",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     moveBy(24)},
    {"floating.new-notes",
     "floating-unknown.ics",
     "5F1E2C3A-floating",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     [](EventDraft &d) { d.notes = QStringLiteral("Water; hat\nshoes"); }},
    {"all-day.move",
     "all-day.ics",
     "eid-holiday",
     {2026, 12, 21},
     Operation::edit,
     EventSpan::allEvents,
     [](EventDraft &d) {
         d.startDate += std::chrono::hours(24 * 4);
         d.endDate += std::chrono::hours(24 * 5);
     }},
    {"all-day.to-timed",
     "all-day.ics",
     "eid-holiday",
     {2026, 12, 20},
     Operation::edit,
     EventSpan::allEvents,
     [](EventDraft &d) {
         d.allDay = false;
         d.startDate = gregorianInstant(2026, 12, 20, 9);
         d.endDate = gregorianInstant(2026, 12, 20, 10);
     }},
    // A floating series ended by UNTIL, with DURATION.
    {"daily.delete-this",
     "daily-until-floating.ics",
     "morning-run",
     {2026, 12, 11},
     Operation::remove,
     EventSpan::thisEvent,
     {}},
    {"daily.delete-following",
     "daily-until-floating.ics",
     "morning-run",
     {2026, 12, 13},
     Operation::remove,
     EventSpan::futureEvents,
     {}},
    {"daily.lengthen-all",
     "daily-until-floating.ics",
     "morning-run",
     {2026, 12, 12},
     Operation::edit,
     EventSpan::allEvents,
     moveBy(0, 15)},
    // Repeats given, changed and taken away.
    {"single.weekly-until",
     "single.ics",
     "only-one",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     repeat(EventRepeat::Kind::weekly, {2, 4}, QDate(2027, 1, 31))},
    {"riyadh.hijri-yearly",
     "riyadh-no-vtimezone.ics",
     "040000008200E00074C5B7101A82E008",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     repeat(EventRepeat::Kind::hijriYearly, {}, {}, 5, false)},
    {"all-day.hijri-monthly",
     "all-day.ics",
     "eid-holiday",
     {2026, 12, 20},
     Operation::edit,
     EventSpan::allEvents,
     repeat(EventRepeat::Kind::hijriMonthly, {}, QDate(2027, 6, 1))},
    {"weekly.stop-repeating",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 16},
     Operation::edit,
     EventSpan::allEvents,
     repeat(EventRepeat::Kind::never)},
    {"weekly.daily-following",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 4, 6},
     Operation::edit,
     EventSpan::futureEvents,
     repeat(EventRepeat::Kind::daily, {}, {}, 3)},
    // Alerts: those kept stay byte for byte, alarms of other kinds (and
    // those nobody can read) always stay.
    {"multi-event.second-alert",
     "multi-event.ics",
     "conference-2026@example.org",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     alerts({EventAlert::minutesBefore(30), EventAlert::minutesBefore(24 * 60)})},
    {"alarms.at-start",
     "alarms.ics",
     "dentist-7F3A@example.net",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     alerts({EventAlert::minutesBefore(15), EventAlert::minutesBefore(0)})},
    {"alarms.none",
     "alarms.ics",
     "dentist-7F3A@example.net",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     alerts({})},
    {"weekly.alert-this",
     "weekly-berlin.ics",
     "seminar@example.org",
     {2026, 3, 23},
     Operation::edit,
     EventSpan::thisEvent,
     alerts({EventAlert::minutesBefore(60)})},
    {"single.url",
     "single.ics",
     "only-one",
     {2026, 12, 10},
     Operation::edit,
     EventSpan::allEvents,
     [](EventDraft &d) { d.url = QStringLiteral("https://meet.example.org/room?id=4,5;x=y\r\nEVIL:1"); }},
    {"single.delete",
     "single.ics",
     "only-one",
     {2026, 12, 10},
     Operation::remove,
     EventSpan::thisEvent,
     {},
     true},
};

class EventWriterGolden : public ::testing::TestWithParam<Row>
{
protected:
    testenv::ScopedEnvironment env_{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

TEST_P(EventWriterGolden, WritesOnlyWhatChanged)
{
    const Row &row = GetParam();
    const QByteArray input = readGolden(QString::fromLatin1(row.input));
    ASSERT_FALSE(input.isEmpty()) << row.input;
    const auto event = occurrenceOn(input, QString::fromLatin1(row.uid), row.day);
    ASSERT_TRUE(event) << "no occurrence of " << row.uid << " on " << row.day.toString().toStdString();
    const Instant now = gregorianInstant(2026, 12, 7, 12, 0, QStringLiteral("UTC"));

    QString error;
    std::optional<ical::RewrittenFile> out;
    if (row.operation == Operation::remove) {
        out = ical::EventWriter::removed(input, *event, row.span, now, &error);
    } else {
        EventDraft draft = draftOf(*event);
        row.change(draft);
        const auto change = ical::EventChange::between(*event, draft);
        ASSERT_FALSE(change.isEmpty());
        out = ical::EventWriter::edited(input, *event, change, row.span, now,
                                        QStringLiteral("split-series-uid"), &error);
    }
    ASSERT_TRUE(out) << error.toStdString();
    EXPECT_EQ(out->nothingLeft, row.nothingLeft);
    const QString name = QString::fromLatin1(row.name);
    compareWithGolden(name + QStringLiteral(".ics"), out->data);
    if (!out->splitData.isEmpty() || !readGolden(name + QStringLiteral(".split.ics")).isEmpty())
        compareWithGolden(name + QStringLiteral(".split.ics"), out->splitData);

    // Whatever the change, libical's notes never reach the file and the
    // result still reads.
    for (const QByteArray &written : {out->data, out->splitData}) {
        EXPECT_FALSE(written.contains("X-LIC-"));
        if (!written.isEmpty() && !row.nothingLeft) {
            QString why;
            EXPECT_TRUE(ical::CalendarFile::parse(written, QStringLiteral("out"), &why)) << why.toStdString();
        }
    }
}

TEST(EventAlertReading, DisplayAndSoundAlarmsAreAlertsWhateverTheyAreRelatedTo)
{
    testenv::ScopedEnvironment env(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"));
    const auto event = occurrenceOn(readGolden(QStringLiteral("alarms.ics")),
                                    QStringLiteral("dentist-7F3A@example.net"), QDate(2026, 12, 10));
    ASSERT_TRUE(event);
    // Mail, an alarm without a trigger and one with nonsense are no alerts.
    const std::vector<EventAlert> expected{
        EventAlert::minutesBefore(15),
        EventAlert{0, false, gregorianInstant(2026, 12, 9, 18, 0, QStringLiteral("UTC"))},
        EventAlert{5 * 60, true, std::nullopt}};
    EXPECT_EQ(event->alerts, expected);
    EXPECT_EQ(ical::EventWriter::eventIn(readGolden(QStringLiteral("alarms.ics")),
                                         QStringLiteral("dentist-7F3A@example.net"))
                  ->alerts,
              expected);
}

INSTANTIATE_TEST_SUITE_P(Corpus, EventWriterGolden, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row> &row) {
                             std::string name = row.param.name;
                             for (char &c : name)
                                 if (c == '.' || c == '-')
                                     c = '_';
                             return name;
                         });

} // namespace
