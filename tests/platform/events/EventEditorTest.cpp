// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The event editor's repeat fields, driven through its window as a person
// does: click a choice, pick with the keys, save.
#include "core/DayTable.h"
#include "core/RGConv.h"
#include "core/RGDate.h"
#include "platform/events/EventDialogs.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/localization/Localization.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/testing/RecordingUrlOpener.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;
namespace input = windowinput;
using Kind = EventRepeat::Kind;

namespace {

class EventEditor : public ::testing::Test
{
protected:
    EventEditor()
    {
        installTranslations();
        // Monday 7 December 2026, 10:00 in Riyadh.
        env.setNow(testenv::gregorianInstant(2026, 12, 7, 10));
        home = store->addCalendar(QStringLiteral("Home"), QStringLiteral("#ff8800"), true);
    }
    ~EventEditor() override
    {
        if (editor)
            editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void open(std::optional<CalendarEvent> editing = std::nullopt)
    {
        editor = new EventEditDialog(store, std::move(editing), std::nullopt);
        ASSERT_TRUE(input::showAndExpose(editor));
    }

    // Opens the choice's list with a click and walks `steps` down it.
    void choose(QComboBox *choice, int steps)
    {
        input::click(choice);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 3000));
        QWindow *list = QApplication::activePopupWidget()->windowHandle();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // Keys into the window, as typed.
    void type(const char *text)
    {
        for (const char *c = text; *c; ++c)
            QTest::keyClick(editor->windowHandle(), *c);
    }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    std::shared_ptr<TestEventStore> store = std::make_shared<TestEventStore>();
    std::shared_ptr<const EventCalendar> home;
    QPointer<EventEditDialog> editor;
};

TEST_F(EventEditor, AWeeklyRepeatOnChosenDaysEndsAfterAGivenNumber)
{
    open();
    EXPECT_FALSE(editor->weekdayBox(3)->isVisible());
    EXPECT_FALSE(editor->repeatEndChoice()->isVisible());
    choose(editor->repeatChoice(), 2);
    ASSERT_TRUE(editor->weekdayBox(3)->isVisible());
    EXPECT_FALSE(editor->skipChoice()->isVisible());
    input::click(editor->weekdayBox(3), input::indicatorOf(editor->weekdayBox(3)));
    choose(editor->repeatEndChoice(), 2);
    ASSERT_TRUE(editor->countField()->isVisible());
    EXPECT_FALSE(editor->untilField()->isVisible());
    input::click(editor->countField());
    QTest::keyClick(editor->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor->windowHandle(), Qt::Key_5);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u) << editor->errorLabel()->text().toStdString();
    const EventRepeat saved = store->savedDrafts()[0].repeat.value_or(EventRepeat());
    EXPECT_EQ(saved.kind, Kind::weekly);
    // The start's own Monday is kept beside the Wednesday chosen.
    EXPECT_EQ(saved.weekdays, (std::vector{1, 3}));
    EXPECT_EQ(saved.count, 5);
    EXPECT_FALSE(saved.until);
}

TEST_F(EventEditor, AHijriRepeatEndingBeforeItsStartIsRefusedThenSaved)
{
    open();
    choose(editor->repeatChoice(), 6);
    ASSERT_TRUE(editor->skipChoice()->isVisible());
    choose(editor->skipChoice(), 1);
    choose(editor->repeatEndChoice(), 1);
    ASSERT_TRUE(editor->untilField()->isVisible());
    // Four-digit years, in the locale's order; a yearly repeat is offered an
    // end some years away, not a month, so that it happens more than once.
    EXPECT_EQ(editor->untilField()->text(), QStringLiteral("12/7/2031"));
    // Six years back: before the start.
    input::click(editor->untilField(), QPoint(8, editor->untilField()->height() / 2));
    QTest::keyClick(editor->windowHandle(), Qt::Key_End);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(editor->windowHandle(), Qt::Key_Down);
    input::click(editor->saveButton());
    EXPECT_TRUE(store->savedDrafts().empty());
    EXPECT_TRUE(editor->errorLabel()->isVisible());
    EXPECT_EQ(editor->errorLabel()->text(), localized("events.editor.repeatEndsBeforeStart"));

    input::click(editor->untilField(), QPoint(8, editor->untilField()->height() / 2));
    QTest::keyClick(editor->windowHandle(), Qt::Key_End);
    QTest::keyClick(editor->windowHandle(), Qt::Key_Up);
    QTest::keyClick(editor->windowHandle(), Qt::Key_Up);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u) << editor->errorLabel()->text().toStdString();
    const EventRepeat saved = store->savedDrafts()[0].repeat.value_or(EventRepeat());
    EXPECT_EQ(saved.kind, Kind::hijriYearly);
    EXPECT_FALSE(saved.skipForward);
    EXPECT_EQ(saved.until, QDate(2027, 12, 7));
}

TEST_F(EventEditor, ARuleTheEditorCannotShowIsKeptAsItIs)
{
    CalendarEvent event;
    event.uid = QStringLiteral("first-monday");
    event.title = QStringLiteral("Committee");
    event.startDate = testenv::gregorianInstant(2026, 12, 7, 18);
    event.endDate = testenv::gregorianInstant(2026, 12, 7, 19);
    event.calendar = home;
    event.repeat = EventRepeat{Kind::other, {}, {}, 0, true, QStringLiteral("FREQ=MONTHLY;BYDAY=1MO")};
    store->setEvents({event});
    open(event);
    EXPECT_EQ(editor->repeatChoice()->currentText(), localized("events.repeat.other"));
    EXPECT_FALSE(editor->repeatEndChoice()->isVisible());
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].repeat, event.repeat);
}

TEST_F(EventEditor, TwoAlertsAreChosenAndAlertsTheEditorCannotShowStay)
{
    open();
    EXPECT_FALSE(editor->secondAlertChoice()->isVisible());
    choose(editor->alertChoice(), 1);
    ASSERT_TRUE(editor->secondAlertChoice()->isVisible());
    choose(editor->secondAlertChoice(), 6);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].alerts,
              (std::vector{EventAlert::minutesBefore(0), EventAlert::minutesBefore(24 * 60)}));

    CalendarEvent event;
    event.uid = QStringLiteral("flight");
    event.title = QStringLiteral("Flight");
    event.startDate = testenv::gregorianInstant(2026, 12, 9, 6);
    event.endDate = testenv::gregorianInstant(2026, 12, 9, 9);
    event.calendar = home;
    const EventAlert fixed{0, false, testenv::gregorianInstant(2026, 12, 8, 21)};
    const EventAlert afterLanding{10 * 60, true, std::nullopt};
    event.alerts = {EventAlert::minutesBefore(15), fixed, afterLanding};
    store->setEvents({event});
    open(event);
    EXPECT_EQ(editor->alertChoice()->currentText(), localized("events.alert.15minutes"));
    EXPECT_EQ(editor->secondAlertChoice()->currentText(), localized("events.alert.custom"));
    // From "15 minutes before" down to "1 hour before".
    choose(editor->alertChoice(), 2);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 2u);
    EXPECT_EQ(store->savedDrafts()[1].alerts,
              (std::vector{EventAlert::minutesBefore(60), fixed, afterLanding}));
}

TEST_F(EventEditor, AnAddressIsSavedAsALinkAndOpensInTheBrowserFromTheViewer)
{
    open();
    input::click(editor->urlField());
    type("javascript:alert(1)");
    input::click(editor->saveButton());
    EXPECT_TRUE(store->savedDrafts().empty());
    EXPECT_EQ(editor->errorLabel()->text(), localized("events.editor.badUrl"));
    editor->urlField()->clear();
    input::click(editor->urlField());
    type("example.org/room");
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].url, QStringLiteral("https://example.org/room"));

    auto opener = std::make_shared<RecordingUrlOpener>();
    UrlOpener::install(opener);
    CalendarEvent event;
    event.title = QStringLiteral("Lesson");
    event.startDate = testenv::gregorianInstant(2026, 12, 9, 17);
    event.endDate = testenv::gregorianInstant(2026, 12, 9, 18);
    for (const QString &url :
         {QStringLiteral("file:///etc/passwd"), QStringLiteral("https://example.org/room")}) {
        event.url = url;
        QPointer<EventViewDialog> viewer = new EventViewDialog(store, event, false);
        ASSERT_TRUE(input::showAndExpose(viewer));
        EXPECT_EQ(viewer->urlLabel()->text().contains(QStringLiteral("<a ")),
                  url.startsWith(QStringLiteral("https")));
        input::click(viewer->urlLabel(), QPoint(6, viewer->urlLabel()->height() / 2));
        viewer->close();
    }
    // Only the web page was handed to the browser.
    EXPECT_EQ(opener->opened, QList<QUrl>{QUrl(QStringLiteral("https://example.org/room"))});
    UrlOpener::install(nullptr);
}

TEST_F(EventEditor, TimesAreReadInTheEventsZoneAndANewEventIsWrittenInIt)
{
    open();
    // A new event is in the local zone; all-day events have none, and
    // going all-day and back keeps the times.
    EXPECT_EQ(editor->zoneChoice()->currentData().toString(), QStringLiteral("Asia/Riyadh"));
    EXPECT_TRUE(editor->zoneChoice()->isVisible());
    input::click(editor->allDaySwitch(), input::indicatorOf(editor->allDaySwitch()));
    EXPECT_FALSE(editor->zoneChoice()->isVisible());
    input::click(editor->allDaySwitch(), input::indicatorOf(editor->allDaySwitch()));
    // Typed into the open list, as a person looks a zone up.
    input::click(editor->zoneChoice());
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 3000));
    QWindow *list = QApplication::activePopupWidget()->windowHandle();
    for (const char c : QByteArrayView("Asia/Tokyo"))
        QTest::keyClick(list, c);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(editor->zoneChoice()->currentData().toString(), QStringLiteral("Asia/Tokyo"));
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u) << editor->errorLabel()->text().toStdString();
    // The 11:00 shown is 11:00 in Tokyo, six hours before 11:00 in Riyadh.
    const EventDraft saved = store->savedDrafts()[0];
    EXPECT_EQ(saved.timeZone, QStringLiteral("Asia/Tokyo"));
    EXPECT_EQ(saved.startDate, testenv::gregorianInstant(2026, 12, 7, 5));
    EXPECT_EQ(saved.endDate, testenv::gregorianInstant(2026, 12, 7, 6));

    // An event of another zone shows and keeps its own times there.
    CalendarEvent event;
    event.uid = QStringLiteral("call");
    event.title = QStringLiteral("Call home");
    event.startDate = testenv::gregorianInstant(2026, 12, 9, 4);
    event.endDate = testenv::gregorianInstant(2026, 12, 9, 5);
    event.timeZone = QStringLiteral("Asia/Tokyo");
    event.calendar = home;
    store->setEvents({event});
    open(event);
    EXPECT_EQ(editor->startField()->time(), QTime(10, 0));
    EXPECT_FALSE(editor->zoneChoice()->isEnabled());
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 2u);
    EXPECT_EQ(store->savedDrafts()[1].startDate, event.startDate);
    EXPECT_EQ(store->savedDrafts()[1].endDate, event.endDate);
    EXPECT_TRUE(store->savedDrafts()[1].timeZone.isEmpty());
    // The viewer says when that is in the event's zone.
    const QString inTokyo = eventZoneText(event);
    EXPECT_TRUE(inTokyo.contains(QStringLiteral("Asia/Tokyo")));
    EXPECT_TRUE(inTokyo.contains(QLocale().toString(QTime(10, 0), QLocale::ShortFormat)))
        << inTokyo.toStdString();
    event.timeZone = QStringLiteral("Asia/Riyadh");
    EXPECT_TRUE(eventZoneText(event).isEmpty());
}

} // namespace

namespace {

void pressAlertButton(const QString &text)
{
    ASSERT_FALSE(AlertController::shownAlerts().isEmpty());
    for (QPushButton *button : AlertController::shownAlerts().constLast()->findChildren<QPushButton *>()) {
        if (button->text() == text) {
            input::click(button);
            QCoreApplication::processEvents();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

TEST_F(EventEditor, TheViewerDeletesTheOccurrencesChosen)
{
    CalendarEvent event;
    event.identifier = QStringLiteral("class@1");
    event.title = QStringLiteral("Class");
    event.startDate = testenv::gregorianInstant(2026, 12, 9, 17);
    event.endDate = testenv::gregorianInstant(2026, 12, 9, 18);
    event.calendar = home;
    event.recurring = true;
    event.repeat.kind = Kind::weekly;
    store->setEvents({event});
    // The viewer may close itself for good once the event is gone.
    QPointer<EventViewDialog> viewer = new EventViewDialog(store, event, true);
    ASSERT_TRUE(input::showAndExpose(viewer));
    input::click(viewer->deleteButton());
    pressAlertButton(QStringLiteral("This event"));
    EXPECT_EQ(store->spans(), std::vector{EventSpan::thisEvent});
    EXPECT_EQ(store->removedIdentifiers(), std::vector{event.identifier});
    EXPECT_TRUE(!viewer || !viewer->isVisible());
}

TEST_F(EventEditor, ANewEventGoesToTheCalendarUsedLast)
{
    const auto work = store->addCalendar(QStringLiteral("Work"), QStringLiteral("#0044cc"), true);
    store->addCalendar(QStringLiteral("Holidays"), QStringLiteral("#00aa00"), false);
    open();
    // Writable calendars only, by name, in the store's order.
    ASSERT_EQ(editor->calendarChoice()->count(), 2);
    EXPECT_EQ(editor->calendarChoice()->currentText(), QStringLiteral("Home"));
    choose(editor->calendarChoice(), 1);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].calendarIdentifier, work->identifier);
    open();
    EXPECT_EQ(editor->calendarChoice()->currentText(), QStringLiteral("Work"));
}

TEST_F(EventEditor, TheDatesCarryTheirHijriDayAndNotesAreSaved)
{
    setEventDayNote([](QDate day) {
        return core::RGConv(fromQDateTime(day.startOfDay())).hijriDate()->dateFullString();
    });
    open();
    // Monday 7 December 2026 by the table, then the day after in the end field.
    const auto hijri = core::DayTable::hijri(core::DayTable::fromGregorian(2026, 12, 7));
    ASSERT_TRUE(hijri);
    const QString year = QString::number(hijri->year);
    EXPECT_TRUE(editor->startNote()->isVisible());
    EXPECT_EQ(editor->startNote()->text().left(3),
              QStringLiteral("%1 ").arg(hijri->day, 2, 10, QLatin1Char('0')));
    EXPECT_TRUE(editor->startNote()->text().endsWith(year));
    // The day's digits of "12/7/2026 ...".
    QDateTimeEdit *end = editor->endField();
    const int dayAt = end->fontMetrics().horizontalAdvance(QStringLiteral("12/")) + 6;
    input::click(end, QPoint(dayAt, end->height() / 2));
    QTest::keyClick(editor->windowHandle(), Qt::Key_Up);
    EXPECT_EQ(end->date(), QDate(2026, 12, 8));
    EXPECT_EQ(editor->endNote()->text().left(3),
              QStringLiteral("%1 ").arg(hijri->day + 1, 2, 10, QLatin1Char('0')));
    input::click(editor->notesField());
    for (const Qt::Key key : {Qt::Key_H, Qt::Key_I})
        QTest::keyClick(editor->windowHandle(), key);
    input::click(editor->saveButton());
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].notes, QStringLiteral("hi"));
    setEventDayNote({});
}

} // namespace
