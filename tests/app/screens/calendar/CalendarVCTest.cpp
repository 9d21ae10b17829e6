// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab driven through its window: the grid, the calendar
// selector, Today, Add and the rows with their actions.
#include "app/screens/calendar/CalendarVC.h"

#include "../ScreenTestSupport.h"
#include "app/screens/calendar/EventRowView.h"
#include "components/calendar/MonthCalendarView.h"
#include "core/GlobalSettings.h"
#include "platform/events/EventDialogs.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/system/Console.h"
#include "support/WindowInput.h"
#include "ui_CalendarVC.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using app::screens::CalendarVC;
using app::screens::EventRowView;
using screentest::gregorianDayOf;
using testenv::gregorianInstant;
namespace input = windowinput;

namespace {

class CalendarScreen : public ::testing::Test
{
protected:
    CalendarScreen()
    {
        store = std::make_shared<platform::TestEventStore>();
        previousFactory = platform::setEventStoreFactory([this] { return store; });
        previousSink = platform::setConsoleSink([this](const QString &line) { log << line; });
        home = store->addCalendar(QStringLiteral("Home"), QStringLiteral("#ff8800"), true);
        holidays = store->addCalendar(QStringLiteral("Holidays"), QStringLiteral("#00aa00"), false);
    }
    ~CalendarScreen() override
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QDialog *>(w) && w->isVisible() && !qobject_cast<platform::AlertController *>(w))
                w->close();
        }
        world.settle();
        screen.reset();
        platform::setEventStoreFactory(previousFactory);
        platform::setConsoleSink(previousSink);
    }

    void setAdjustment(std::int64_t days)
    {
        core::GlobalSettings::shared().adjustmentNumber = days;
        core::GlobalSettings::shared().save();
    }

    platform::CalendarEvent event(const QString &title, platform::Instant start, platform::Instant end,
                                  std::shared_ptr<const platform::EventCalendar> calendar = nullptr,
                                  const QString &location = {})
    {
        platform::CalendarEvent e;
        e.identifier = title;
        e.title = title;
        e.startDate = start;
        e.endDate = end;
        e.location = location;
        e.calendar = calendar ? calendar : home;
        return e;
    }

    CalendarVC &show()
    {
        screen = std::make_unique<CalendarVC>();
        screen->resize(420, 760);
        EXPECT_TRUE(input::showAndExpose(screen.get()));
        waitForLoad();
        return *screen;
    }
    Ui::CalendarVC &ui() { return screen->outlets(); }
    components::MonthCalendarView *calendar() { return ui().calendar; }

    void waitForLoad()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !screen->loading(); }, 3000));
        world.settle();
        screen->finishRowAnimations();
        world.settle();
    }
    void clickDay(platform::Instant day)
    {
        const QRectF cell = calendar()->rectForDate(day);
        ASSERT_FALSE(cell.isEmpty()) << "the day is not on the page shown";
        input::click(calendar(), cell.center().toPoint());
        waitForLoad();
    }
    void clickSegment(int index)
    {
        input::click(ui().calType, ui().calType->tabRect(index).center());
        world.settle();
        calendar()->settle();
        waitForLoad();
    }
    QStringList rowTitles()
    {
        QStringList titles;
        for (int row = 0; row < ui().tableView->count(); ++row)
            titles
                << static_cast<QLabel *>(screen->rowView(row)->viewWithTag(EventRowView::titleTag))->text();
        return titles;
    }
    QString rowText(int row, int tag)
    {
        return static_cast<QLabel *>(screen->rowView(row)->viewWithTag(tag))->text();
    }
    void swipe(EventRowView *row)
    {
        const QPoint middle = row->rect().center();
        input::drag(row, middle, middle - QPoint(120, 0));
        world.settle();
    }
    template <typename T> T *shownDialog(const char *name)
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return qobject_cast<T *>(w);
        }
        return nullptr;
    }

    screentest::ScreenWorld world;
    std::shared_ptr<platform::TestEventStore> store;
    std::shared_ptr<const platform::EventCalendar> home;
    std::shared_ptr<const platform::EventCalendar> holidays;
    platform::EventStoreFactory previousFactory;
    platform::ConsoleSink previousSink;
    QStringList log;
    std::unique_ptr<CalendarVC> screen;
};

TEST_F(CalendarScreen, OpensOnTodayWithTheDaysEventsSortedStablyByStart)
{
    store->setEvents({
        event(QStringLiteral("Late"), gregorianInstant(2026, 12, 5, 18), gregorianInstant(2026, 12, 5, 19)),
        event(QStringLiteral("Same A"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10)),
        event(QStringLiteral("Same B"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 11),
              holidays, QStringLiteral("Hall")),
        event(QStringLiteral("Tomorrow"), gregorianInstant(2026, 12, 6, 9),
              gregorianInstant(2026, 12, 6, 10)),
    });
    show();
    ASSERT_TRUE(calendar()->selectedDate());
    EXPECT_EQ(gregorianDayOf(*calendar()->selectedDate()).day, 5);
    EXPECT_EQ(rowTitles(),
              (QStringList{QStringLiteral("Same A"), QStringLiteral("Same B"), QStringLiteral("Late")}));

    EXPECT_EQ(rowText(1, EventRowView::fromTag), QStringLiteral("From 09:00 AM"));
    EXPECT_EQ(rowText(1, EventRowView::toTag), QStringLiteral("     To 11:00 AM"));
    EXPECT_EQ(rowText(1, EventRowView::locationTag), QStringLiteral("Hall"));
    EXPECT_FALSE(screen->rowView(1)->viewWithTag(EventRowView::pinTag)->isHidden());
    EXPECT_TRUE(screen->rowView(0)->viewWithTag(EventRowView::pinTag)->isHidden());
    EXPECT_EQ(rowText(1, EventRowView::durationTag), QStringLiteral("2 h"));
    EXPECT_EQ(screen->rowView(1)->marker()->backgroundColor(), QColor(QStringLiteral("#00aa00")));
    EXPECT_TRUE(log.contains(QStringLiteral("Access granted")));

    // Another day, picked on the grid.
    clickDay(gregorianInstant(2026, 12, 6));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Tomorrow")});
}

TEST(NeverClearView, RefusesAClearColourAndKeepsThePreviousOne)
{
    app::screens::NeverClearView marker;
    struct Row
    {
        QColor given;
        QColor kept;
    };
    const Row rows[] = {
        {QColor(255, 136, 0), QColor(255, 136, 0)},
        {Qt::transparent, QColor(255, 136, 0)},
        {QColor(0, 0, 255, 0), QColor(255, 136, 0)},
        {QColor(0, 170, 0), QColor(0, 170, 0)},
    };
    for (const Row &row : rows) {
        marker.setBackgroundColor(row.given);
        EXPECT_EQ(marker.backgroundColor(), row.kept) << row.given.name(QColor::HexArgb).toStdString();
    }
}

TEST_F(CalendarScreen, RefusedAccessLeavesTheTableAsItWas)
{
    store->setEvents(
        {event(QStringLiteral("Kept"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10))});
    store->setAccess(false);
    show();
    EXPECT_EQ(screen->numberOfRows(), 0);
    EXPECT_EQ(ui().tableView->count(), 0);
    EXPECT_TRUE(log.contains(QStringLiteral("Access to store not granted")));

    store->setAccess(true);
    input::click(ui().todayButton);
    waitForLoad();
    ASSERT_EQ(rowTitles(), QStringList{QStringLiteral("Kept")});

    store->setAccess(false, QStringLiteral("The user said no"));
    log.clear();
    clickDay(gregorianInstant(2026, 12, 9));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Kept")});
    EXPECT_TRUE(log.contains(QStringLiteral("Access to store not granted")));
    EXPECT_TRUE(log.contains(QStringLiteral("The user said no")));
}

// With an adjustment the Umm al-Qura grid is the adjusted calendar: each day
// under its own weekday, named by its adjusted Hijri day.
TEST_F(CalendarScreen, UmmAlQuraGridWithAdjustmentShowsEveryDayUnderItsOwnWeekday)
{
    store->setEvents({
        event(QStringLiteral("Today"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10)),
        event(QStringLiteral("Tomorrow"), gregorianInstant(2026, 12, 6, 9),
              gregorianInstant(2026, 12, 6, 10)),
    });
    setAdjustment(1);
    show();
    clickSegment(1);
    input::click(ui().todayButton);
    waitForLoad();
    const auto selected = calendar()->selectedDate();
    ASSERT_TRUE(selected);
    // Today's own cell: Saturday the 5th, named 26 Jumada II (25 + 1).
    EXPECT_EQ(gregorianDayOf(*selected).day, 5);
    const int page = calendar()->model().currentPageIndex();
    const auto cellOf = [&](platform::Instant day) {
        return calendar()->model().cell(page, calendar()->model().cellIndexOfDate(page, day));
    };
    EXPECT_EQ(cellOf(*selected).title, QStringLiteral("26"));
    EXPECT_EQ(cellOf(*selected).subtitle, QStringLiteral("5"));
    EXPECT_TRUE(cellOf(*selected).today);
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Today")});
    // 1 Rajab falls on Thursday 10 December by the table; with +1 it names
    // Wednesday the 9th, drawn in the Wednesday column (Sunday first here).
    const platform::Instant ninth = gregorianInstant(2026, 12, 9);
    EXPECT_EQ(cellOf(ninth).title, QStringLiteral("1"));
    EXPECT_EQ(cellOf(ninth).weekday, 4);
    const QRectF drawn = calendar()->rectForDate(ninth);
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_EQ(int(drawn.center().x() * 7 / calendar()->width()), 3);
    // The day picked on the grid lists its own events.
    clickDay(gregorianInstant(2026, 12, 6));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Tomorrow")});
}

TEST_F(CalendarScreen, TheUmmAlQuraGridFollowsANewAdjustmentAtOnce)
{
    show();
    clickSegment(1);
    const platform::Instant today = gregorianInstant(2026, 12, 5);
    const auto titleOfToday = [&] {
        const components::MonthCalendarModel &model = calendar()->model();
        const int page = model.currentPageIndex();
        return model.cell(page, model.cellIndexOfDate(page, today)).title;
    };
    EXPECT_EQ(titleOfToday(), QStringLiteral("25"));
    // Saved elsewhere (the settings tab, a terminal) while the grid is shown.
    setAdjustment(-2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return titleOfToday() == QStringLiteral("23"); }, 3000));
    EXPECT_EQ(calendar()->selectedDate().value_or(platform::Instant{}), today);
    // The Gregorian grid's subtitles follow it too.
    clickSegment(0);
    EXPECT_EQ(screen->subtitleForDate(calendar(), today), QStringLiteral("23"));
}

TEST_F(CalendarScreen, SwitchingTheGridKeepsTheSelectedDayAfterCellsWereDrawn)
{
    show();
    clickDay(gregorianInstant(2026, 12, 10));
    // Draw the page, so that every subtitle is worked out.
    calendar()->repaint();
    for (const int segment : {1, 0, 1}) {
        SCOPED_TRACE(segment);
        clickSegment(segment);
        ASSERT_TRUE(calendar()->selectedDate());
        EXPECT_EQ(gregorianDayOf(*calendar()->selectedDate()).day, 10);
        EXPECT_EQ(gregorianDayOf(*screen->listedDay()).day, 10);
    }
}

TEST_F(CalendarScreen, TheGridStopsSixHundredDaysEitherSideOfToday)
{
    show();
    const platform::Instant now = platform::Clock::current();
    EXPECT_EQ(gregorianDayOf(calendar()->minimumDate()).day, gregorianDayOf(now - 600 * 24h).day);
    EXPECT_EQ(gregorianDayOf(calendar()->maximumDate()).day, gregorianDayOf(now + 600 * 24h).day);
}

TEST_F(CalendarScreen, RowActionsFollowWhetherTheCalendarCanBeChanged)
{
    store->setEvents({
        event(QStringLiteral("Mine"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10)),
        event(QStringLiteral("Holiday"), gregorianInstant(2026, 12, 5, 11), gregorianInstant(2026, 12, 5, 12),
              holidays),
    });
    show();
    struct Row
    {
        int row;
        QStringList actions;
        bool editable;
    };
    const Row rows[] = {
        {0, {QStringLiteral("Delete"), QStringLiteral("Share"), QStringLiteral("More")}, true},
        {1, {QStringLiteral("Share")}, false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.row);
        EventRowView *row = screen->rowView(r.row);
        swipe(row);
        ASSERT_TRUE(row->actionsShown());
        QStringList shown;
        QLayout *buttons = row->actionsView()->layout();
        for (int i = 0; i < buttons->count(); ++i) {
            if (auto *button = qobject_cast<QPushButton *>(buttons->itemAt(i)->widget()))
                shown << button->text();
        }
        EXPECT_EQ(shown, r.actions);
        // A tap on the row hides the actions; the next one opens the viewer.
        input::click(row, QPoint(20, row->height() / 2));
        input::click(row, QPoint(20, row->height() / 2));
        world.settle();
        auto *viewer = shownDialog<platform::EventViewDialog>("eventViewer");
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->allowsEditing(), r.editable);
        EXPECT_EQ(viewer->editButton() != nullptr, r.editable);
        input::click(viewer->doneButton());
        world.settle();
        waitForLoad();
    }
}

TEST_F(CalendarScreen, DeleteAsksFirstThenRemovesTheEvent)
{
    store->setEvents(
        {event(QStringLiteral("Gone"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10))});
    show();
    EventRowView *row = screen->rowView(0);
    swipe(row);
    input::click(row->deleteButton());
    world.settle();
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(store->removedIdentifiers().empty()) << "nothing removed before the answer";
    ASSERT_TRUE(alert->press(1));
    world.settle();
    waitForLoad();
    EXPECT_EQ(store->removedIdentifiers(), std::vector<QString>{QStringLiteral("Gone")});
    EXPECT_EQ(ui().tableView->count(), 0);
}

TEST_F(CalendarScreen, AFailedDeleteSaysSoAndKeepsTheRow)
{
    store->setEvents({event(QStringLiteral("Stays"), gregorianInstant(2026, 12, 5, 9),
                            gregorianInstant(2026, 12, 5, 10))});
    store->failWrites(QStringLiteral("Read-only file system"));
    show();
    EventRowView *row = screen->rowView(0);
    swipe(row);
    input::click(row->deleteButton());
    world.settle();
    ASSERT_TRUE(world.topAlert()->press(1));
    world.settle();
    platform::AlertController *error = world.topAlert();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->message(), QStringLiteral("Read-only file system"));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Stays")});
}

// The alert's button with that text, pressed where it is drawn.
void pressAlertButton(platform::AlertController *alert, const QString &text)
{
    for (QPushButton *button : alert->findChildren<QPushButton *>()) {
        if (button->text() == text) {
            input::click(button);
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

TEST_F(CalendarScreen, ARepeatingEventAsksWhichOccurrencesADeletionOrAChangeIsFor)
{
    platform::CalendarEvent weekly =
        event(QStringLiteral("Class"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10));
    weekly.recurring = true;
    weekly.recurrenceId = weekly.startDate;
    store->setEvents({weekly});
    show();
    EventRowView *row = screen->rowView(0);
    swipe(row);
    input::click(row->deleteButton());
    world.settle();
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    QStringList choices;
    for (const auto &action : alert->actions())
        choices << action.title;
    EXPECT_EQ(choices, (QStringList{QStringLiteral("This event"), QStringLiteral("This and following events"),
                                    QStringLiteral("All events"), QStringLiteral("Cancel")}));
    pressAlertButton(alert, QStringLiteral("This and following events"));
    world.settle();
    waitForLoad();
    EXPECT_EQ(store->spans(), std::vector<platform::EventSpan>{platform::EventSpan::futureEvents});

    // Its dates can be changed too, for the occurrences chosen.
    store->setEvents({weekly});
    store->announceChange();
    waitForLoad();
    row = screen->rowView(0);
    input::click(row, QPoint(20, row->height() / 2));
    world.settle();
    auto *viewer = shownDialog<platform::EventViewDialog>("eventViewer");
    ASSERT_NE(viewer, nullptr);
    input::click(viewer->editButton());
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
    auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
    EXPECT_TRUE(editor->startField()->isEnabled());
    EXPECT_TRUE(editor->endField()->isEnabled());
    input::click(editor->saveButton());
    world.settle();
    alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(editor->isVisible()) << "nothing is saved before the answer";
    pressAlertButton(alert, QStringLiteral("This event"));
    world.settle();
    EXPECT_EQ(store->spans(), (std::vector<platform::EventSpan>{platform::EventSpan::futureEvents,
                                                                platform::EventSpan::thisEvent}));
}

TEST_F(CalendarScreen, ShareCopiesTheEventAsTextAndAsICalendar)
{
    store->setEvents({event(QStringLiteral("Dinner"), gregorianInstant(2026, 12, 5, 19),
                            gregorianInstant(2026, 12, 5, 21), holidays, QStringLiteral("Riyadh"))});
    show();
    EventRowView *row = screen->rowView(0);
    swipe(row);
    input::click(row->shareButton());
    world.settle();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("Dinner\n")));
    EXPECT_TRUE(copied->text().contains(QStringLiteral("Riyadh")));
    EXPECT_TRUE(copied->data(QStringLiteral("text/calendar")).startsWith("BEGIN:VCALENDAR"));
    EXPECT_NE(world.topAlert(), nullptr);
}

TEST_F(CalendarScreen, AddOpensTheEditorAndTheSavedEventIsListed)
{
    show();
    input::click(ui().addEventButton);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
    auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
    // Only calendars that can be written are offered.
    EXPECT_EQ(editor->calendarChoice()->count(), 1);
    input::click(editor->titleField());
    for (const char c : QByteArray("Lunch"))
        QTest::keyClick(editor->windowHandle(), c);
    EXPECT_EQ(editor->titleField()->text(), QStringLiteral("Lunch"));
    input::click(editor->saveButton());
    world.settle();
    waitForLoad();
    ASSERT_EQ(store->savedDrafts().size(), 1u);
    EXPECT_EQ(store->savedDrafts()[0].title, QStringLiteral("Lunch"));
    EXPECT_EQ(store->savedDrafts()[0].calendarIdentifier, home->identifier);
    EXPECT_EQ(shownDialog<platform::EventEditDialog>("eventEditor"), nullptr);
}

TEST_F(CalendarScreen, AFailedSaveKeepsTheEditorOpenWithTheReason)
{
    store->failWrites(QStringLiteral("No space left on device"));
    show();
    input::click(ui().addEventButton);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
    auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
    input::click(editor->saveButton());
    world.settle();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->errorLabel()->text().contains(QStringLiteral("No space left on device")));
    EXPECT_TRUE(store->savedDrafts().empty());
}

TEST_F(CalendarScreen, ChangesInTheStoreAreShown)
{
    show();
    EXPECT_EQ(ui().tableView->count(), 0);
    store->setEvents({event(QStringLiteral("Synced"), gregorianInstant(2026, 12, 5, 9),
                            gregorianInstant(2026, 12, 5, 10))});
    store->announceChange();
    waitForLoad();
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Synced")});
}

TEST_F(CalendarScreen, RowsSlideInFromTheLeadingSide)
{
    store->setEvents(
        {event(QStringLiteral("A"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10)),
         event(QStringLiteral("B"), gregorianInstant(2026, 12, 5, 11), gregorianInstant(2026, 12, 5, 12))});
    screen = std::make_unique<CalendarVC>();
    screen->resize(420, 760);
    ASSERT_TRUE(input::showAndExpose(screen.get()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !screen->loading(); }, 3000));
    world.settle();
    ASSERT_EQ(ui().tableView->count(), 2);
    EXPECT_TRUE(screen->rowView(0)->entering());
    EXPECT_TRUE(screen->animateCells());
    // The second row starts a twentieth of a second after the first and both finish.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !screen->rowView(1)->entering(); }, 3000));
    EXPECT_FALSE(screen->animateCells());
}

TEST_F(CalendarScreen, TheCalendarTakesTheHeightItAnnounces)
{
    show();
    calendar()->setScope(components::MonthCalendarScope::week, false);
    calendar()->settle();
    world.settle();
    EXPECT_EQ(ui().calendarBaseView->height(), static_cast<int>(std::ceil(calendar()->fittingHeight())));
    const int weekTable = ui().tableView->height();
    calendar()->setScope(components::MonthCalendarScope::month, false);
    calendar()->settle();
    world.settle();
    EXPECT_EQ(ui().calendarBaseView->height(), static_cast<int>(std::ceil(calendar()->fittingHeight())));
    EXPECT_LT(ui().tableView->height(), weekTable);
}

// Renders the tab, the editor and the viewer to PNG files for a person to look
// at: set QAMARLY_SCREENSHOT_DIR to a folder; skipped otherwise.
TEST_F(CalendarScreen, Screenshots)
{
    if (qEnvironmentVariableIsEmpty("QAMARLY_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set QAMARLY_SCREENSHOT_DIR to write screenshots";
    const QDir dir(qEnvironmentVariable("QAMARLY_SCREENSHOT_DIR"));
    store->setEvents({
        event(QStringLiteral("Team meeting"), gregorianInstant(2026, 12, 5, 9),
              gregorianInstant(2026, 12, 5, 10, 30), nullptr, QStringLiteral("Room 4")),
        event(QStringLiteral("National holiday"), gregorianInstant(2026, 12, 5),
              gregorianInstant(2026, 12, 5, 23, 59) + 59s, holidays),
        event(QStringLiteral("Trip to Makkah"), gregorianInstant(2026, 12, 5, 14),
              gregorianInstant(2026, 12, 7, 17), nullptr, QStringLiteral("Makkah")),
    });
    for (const bool arabic : {false, true}) {
        if (arabic)
            world.useArabic();
        const QString suffix = arabic ? QStringLiteral("-ar") : QStringLiteral("-en");
        setAdjustment(1);
        show();
        calendar()->settle();
        EXPECT_TRUE(
            screen->grab().save(dir.filePath(QStringLiteral("calendar-gregorian") + suffix + ".png")));
        clickSegment(1);
        calendar()->settle();
        EXPECT_TRUE(
            screen->grab().save(dir.filePath(QStringLiteral("calendar-ummalqura") + suffix + ".png")));
        swipe(screen->rowView(0));
        EXPECT_TRUE(screen->grab().save(dir.filePath(QStringLiteral("calendar-actions") + suffix + ".png")));
        input::click(screen->rowView(0), QPoint(20, 10));
        input::click(screen->rowView(0), QPoint(20, 10));
        world.settle();
        if (auto *viewer = shownDialog<platform::EventViewDialog>("eventViewer")) {
            EXPECT_TRUE(viewer->grab().save(dir.filePath(QStringLiteral("event-viewer") + suffix + ".png")));
            viewer->close();
        }
        world.settle();
        input::click(ui().addEventButton);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
        auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
        EXPECT_TRUE(editor->grab().save(dir.filePath(QStringLiteral("event-editor") + suffix + ".png")));
        editor->close();
        world.settle();
        screen.reset();
    }
}

} // namespace
