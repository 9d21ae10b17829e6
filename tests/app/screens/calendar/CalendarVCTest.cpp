// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab driven through its window: the grid, the calendar
// selector, Today, Add and the rows with their actions.
#include "app/screens/calendar/CalendarVC.h"

#include "../ScreenTestSupport.h"
#include "app/screens/calendar/EventRowView.h"
#include "app/screens/calendar/HijriDayDialog.h"
#include "components/calendar/MonthCalendarView.h"
#include "components/visual/DatePicker.h"
#include "core/DayTable.h"
#include "core/GlobalSettings.h"
#include "platform/events/EventDialogs.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"
#include "support/DebugLines.h"
#include "support/WindowInput.h"
#include "ui_CalendarVC.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string_view>

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
    bool rowShows(int row, int tag) { return !screen->rowView(row)->viewWithTag(tag)->isHidden(); }
    // The dots drawn under `day` on the page on screen.
    int dotsOn(platform::Instant day)
    {
        const components::MonthCalendarModel &model = calendar()->model();
        const int page = model.currentPageIndex();
        const int index = model.cellIndexOfDate(page, day);
        return index < 0 ? -1 : calendar()->cellOnPage(page, index).numberOfEvents;
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
    // The screen's debug lines, quiet by default, are what some tests read.
    testenv::DebugLinesOn calendarLines{lcCalendar()};
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

// Real calendar folders on disk, read by the desktop's store.
class CalendarFolders : public CalendarScreen
{
protected:
    CalendarFolders()
    {
        platform::setEventStoreFactory({});
        platform::keepEventAccess(platform::EventAccessStatus::authorized);
        base = world.env.dataHome() + QStringLiteral("/qamarly/calendars");
    }
    void write(const QString &calendar, const QString &color, const QString &file, const QByteArray &events)
    {
        const QString folder = base + QLatin1Char('/') + calendar;
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile colorFile(folder + QStringLiteral("/color"));
        ASSERT_TRUE(colorFile.open(QIODevice::WriteOnly));
        colorFile.write(color.toUtf8());
        colorFile.close();
        QFile ics(folder + QLatin1Char('/') + file);
        ASSERT_TRUE(ics.open(QIODevice::WriteOnly));
        ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n" + events +
                  "END:VCALENDAR\r\n");
    }
    static QByteArray vevent(const QByteArray &uid, const QByteArray &lines)
    {
        return "BEGIN:VEVENT\r\nUID:" + uid + "\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:" + uid + "\r\n" +
               lines + "END:VEVENT\r\n";
    }
    QString base;
};

TEST_F(CalendarFolders, DaysWithEventsShowADotPerEventInItsCalendarsColourOnBothGrids)
{
    // Riyadh times: a late evening in UTC is the next morning there.
    write(
        QStringLiteral("home"), QStringLiteral("#ff8800"), QStringLiteral("home.ics"),
        vevent("dinner", "DTSTART:20261205T160000Z\r\nDTEND:20261205T170000Z\r\n") +
            vevent("early", "DTSTART:20261206T220000Z\r\nDTEND:20261206T230000Z\r\n") +
            vevent("many1", "DTSTART:20261215T060000Z\r\nDTEND:20261215T070000Z\r\n") +
            vevent("many2", "DTSTART:20261215T070000Z\r\nDTEND:20261215T080000Z\r\n") +
            vevent("many3", "DTSTART:20261215T080000Z\r\nDTEND:20261215T090000Z\r\n") +
            vevent("weekly", "DTSTART:20261201T060000Z\r\nDTEND:20261201T070000Z\r\nRRULE:FREQ=WEEKLY\r\n"));
    write(QStringLiteral("work"), QStringLiteral("#00aa00"), QStringLiteral("conference.ics"),
          vevent("conference", "DTSTART;VALUE=DATE:20261208\r\nDTEND;VALUE=DATE:20261211\r\n"));
    show();
    const auto day = [](int d, int m = 12) { return gregorianInstant(2026, m, d); };
    for (const int segment : {0, 1}) {
        SCOPED_TRACE(segment);
        if (segment == 1)
            clickSegment(1);
        EXPECT_EQ(dotsOn(day(5)), 1);
        EXPECT_EQ(dotsOn(day(6)), 0);
        EXPECT_EQ(dotsOn(day(7)), 1) << "01:00 in Riyadh";
        for (const int d : {8, 9, 10})
            EXPECT_EQ(dotsOn(day(d)), d == 8 ? 2 : 1) << d;
        EXPECT_EQ(dotsOn(day(11)), 0);
        EXPECT_EQ(screen->eventColorsForDate(calendar(), day(8)),
                  (std::vector<QColor>{QColor(0x00, 0xaa, 0x00), QColor(0xff, 0x88, 0x00)}));
    }
    clickSegment(0);
    EXPECT_EQ(dotsOn(day(15)), 3) << "four events, three dots";
    EXPECT_EQ(dotsOn(day(22)), 1) << "the weekly series";
    // Another program adds an event: its dot follows.
    write(QStringLiteral("home"), QStringLiteral("#ff8800"), QStringLiteral("new.ics"),
          vevent("added", "DTSTART:20261219T060000Z\r\nDTEND:20261219T070000Z\r\n"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dotsOn(day(19)) == 1; }, 5000));
}

TEST_F(CalendarFolders, HijriMonthlyRepeatsFallOnTheirHijriDaysAndSkipAsTheyAsk)
{
    // Both start on 30 Jumada I 1448; Jumada II has no 30th, so one moves on
    // to 1 Rajab and the other back to 29 Jumada II.
    const auto dateOf = [](int month, int day) {
        const core::CalendarDay d =
            core::DayTable::gregorian(core::DayTable::fromHijri(1448, month, day).value());
        return QDate(static_cast<int>(d.year), d.month, d.day);
    };
    const auto gregorianOf = [&](int month, int day) {
        const QDate date = dateOf(month, day);
        return gregorianInstant(date.year(), date.month(), date.day());
    };
    ASSERT_FALSE(core::DayTable::fromHijri(1448, 6, 30)) << "the table gives Jumada II 1448 a 30th";
    const QByteArray start = dateOf(5, 30).toString(QStringLiteral("yyyyMMdd")).toLatin1();
    const QByteArray rule = "RRULE:RSCALE=ISLAMIC-UMALQURA;FREQ=MONTHLY;COUNT=4;SKIP=";
    write(QStringLiteral("home"), QStringLiteral("#ff8800"), QStringLiteral("fasts.ics"),
          vevent("forward", "DTSTART;VALUE=DATE:" + start + "\r\n" + rule + "FORWARD\r\n") +
              vevent("backward", "DTSTART;VALUE=DATE:" + start + "\r\n" + rule + "BACKWARD\r\n"));
    show();
    for (const int segment : {0, 1}) {
        SCOPED_TRACE(segment);
        if (segment == 1)
            clickSegment(1);
        EXPECT_EQ(dotsOn(gregorianOf(6, 28)), 0);
        EXPECT_EQ(dotsOn(gregorianOf(6, 29)), 1);
        EXPECT_EQ(dotsOn(gregorianOf(7, 1)), 1);
    }
    clickDay(gregorianOf(6, 29));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("backward")});
    clickDay(gregorianOf(7, 1));
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("forward")});
    // Rajab has its 30th again: both fall on it.
    ASSERT_TRUE(core::DayTable::fromHijri(1448, 7, 30));
    // Picking a day of the next month may have turned the page there already.
    if (dotsOn(gregorianOf(7, 30)) < 0) {
        input::click(calendar()->nextPageButton());
        world.settle();
        calendar()->settle();
        waitForLoad();
    }
    EXPECT_EQ(dotsOn(gregorianOf(7, 30)), 2);
}

TEST_F(CalendarScreen, TheListSaysWhichDayItListsAndWhenItIsEmpty)
{
    store->setEvents(
        {event(QStringLiteral("Tea"), gregorianInstant(2026, 12, 6, 9), gregorianInstant(2026, 12, 6, 10))});
    setAdjustment(1);
    show();
    EXPECT_EQ(screen->listDayLabel()->text(), QStringLiteral("Saturday, December 5, 2026"));
    EXPECT_EQ(screen->listHijriDayLabel()->text(), QStringLiteral("Jumada II 26, 1448 AH"));
    EXPECT_TRUE(screen->noEventsLabel()->isVisible());
    EXPECT_EQ(screen->noEventsLabel()->text(), QStringLiteral("No events"));
    clickDay(gregorianInstant(2026, 12, 6));
    EXPECT_EQ(screen->listDayLabel()->text(), QStringLiteral("Sunday, December 6, 2026"));
    EXPECT_FALSE(screen->noEventsLabel()->isVisible());
    // Paged away, the list still names its day.
    input::click(calendar()->nextPageButton());
    calendar()->settle();
    EXPECT_EQ(gregorianDayOf(calendar()->currentPage()).month, 1);
    EXPECT_EQ(screen->listDayLabel()->text(), QStringLiteral("Sunday, December 6, 2026"));
}

TEST_F(CalendarScreen, RowsOfEventsOnSeveralDaysOrAllDaySayTheirDates)
{
    platform::CalendarEvent conference = event(QStringLiteral("Conference"), gregorianInstant(2026, 12, 28),
                                               gregorianInstant(2026, 12, 30, 23, 59) + 59s);
    conference.allDay = true;
    platform::CalendarEvent holiday = event(QStringLiteral("Holiday"), gregorianInstant(2026, 12, 29),
                                            gregorianInstant(2026, 12, 29, 23, 59) + 59s);
    holiday.allDay = true;
    store->setEvents({
        conference,
        holiday,
        event(QStringLiteral("Trip"), gregorianInstant(2026, 12, 28, 20), gregorianInstant(2026, 12, 30, 9)),
        event(QStringLiteral("Night"), gregorianInstant(2026, 12, 29, 22), gregorianInstant(2026, 12, 30, 1)),
    });
    show();
    clickDay(gregorianInstant(2026, 12, 29));
    ASSERT_EQ(rowTitles(), (QStringList{QStringLiteral("Conference"), QStringLiteral("Trip"),
                                        QStringLiteral("Holiday"), QStringLiteral("Night")}));
    EXPECT_EQ(rowText(0, EventRowView::fromTag), QStringLiteral("Dec 28 – Dec 30"));
    EXPECT_FALSE(rowShows(0, EventRowView::toTag));
    EXPECT_EQ(rowText(0, EventRowView::durationTag), QStringLiteral("All Day"));
    EXPECT_FALSE(rowShows(2, EventRowView::fromTag));
    EXPECT_FALSE(rowShows(2, EventRowView::toTag));
    EXPECT_EQ(rowText(2, EventRowView::durationTag), QStringLiteral("All Day"));
    EXPECT_EQ(rowText(1, EventRowView::fromTag), QStringLiteral("From Dec 28 08:00 PM"));
    EXPECT_EQ(rowText(1, EventRowView::toTag), QStringLiteral("     To Dec 30 09:00 AM"));
    EXPECT_EQ(rowText(3, EventRowView::fromTag), QStringLiteral("From 10:00 PM"));
    EXPECT_EQ(rowText(3, EventRowView::toTag), QStringLiteral("     To Dec 30 01:00 AM"));
}

TEST_F(CalendarScreen, TheNeighbouringMonthsAreButtonsThatTurnThePageOnTheirSide)
{
    for (const bool arabic : {false, true}) {
        SCOPED_TRACE(arabic);
        if (arabic)
            world.useArabic();
        show();
        QAbstractButton *next = calendar()->nextPageButton();
        QAbstractButton *previous = calendar()->previousPageButton();
        ASSERT_TRUE(next->isVisible() && previous->isVisible());
        // The next month lies on the trailing side: the left in Arabic.
        EXPECT_EQ(input::windowPoint(next).x() < screen->width() / 2, arabic);
        EXPECT_EQ(input::windowPoint(previous).x() < screen->width() / 2, !arabic);
        input::click(next);
        calendar()->settle();
        EXPECT_EQ(gregorianDayOf(calendar()->currentPage()).month, 1);
        input::click(previous);
        input::click(previous);
        calendar()->settle();
        EXPECT_EQ(gregorianDayOf(calendar()->currentPage()).month, 11);
        EXPECT_EQ(screen->listDayLabel()->text().isEmpty(), false);
        screen.reset();
    }
}

TEST_F(CalendarScreen, PagingThereAndBackKeepsEveryDaysDotsAndAsksOnlyForTheWeeksItBrings)
{
    // Seven months of stays crossing each other's days and the months' ends,
    // and a day of four events each month.
    std::vector<platform::CalendarEvent> events;
    const QDate first(2026, 10, 1);
    for (int day = 0; day < 215; day += 9) {
        const QDate from = first.addDays(day);
        const QDate to = from.addDays(4);
        events.push_back(event(QStringLiteral("stay %1").arg(day),
                               gregorianInstant(from.year(), from.month(), from.day(), 12),
                               gregorianInstant(to.year(), to.month(), to.day(), 12)));
    }
    for (int month = 0; month < 7; ++month) {
        const QDate busy = first.addMonths(month).addDays(14);
        for (int hour = 8; hour < 12; ++hour)
            events.push_back(event(QStringLiteral("busy %1").arg(hour),
                                   gregorianInstant(busy.year(), busy.month(), busy.day(), hour),
                                   gregorianInstant(busy.year(), busy.month(), busy.day(), hour + 1)));
    }
    store->setEvents(events);
    show();
    // The first day on the page whose dots do not match its events, if any.
    const auto wrongDay = [&]() -> std::string {
        int checked = 0;
        for (QDate date = first; date < first.addMonths(8); date = date.addDays(1)) {
            const platform::Instant start = gregorianInstant(date.year(), date.month(), date.day());
            const QDate next = date.addDays(1);
            const platform::Instant end = gregorianInstant(next.year(), next.month(), next.day());
            if (dotsOn(start) < 0)
                continue;
            ++checked;
            const auto overlapping = std::count_if(events.begin(), events.end(), [&](const auto &e) {
                return e.startDate < end && e.endDate > start;
            });
            if (dotsOn(start) != std::min<long>(overlapping, 3))
                return date.toString(Qt::ISODate).toStdString() + ": " + std::to_string(dotsOn(start)) +
                       " dots for " + std::to_string(overlapping) + " events";
        }
        return checked >= 28 ? std::string() : "only " + std::to_string(checked) + " days on the page";
    };
    const auto turn = [&](QAbstractButton *button, int months) {
        const std::size_t asked = store->queriedSpans().size();
        const auto monthShown = [&] {
            const auto page = gregorianDayOf(calendar()->currentPage());
            return page.year * 12 + page.month;
        };
        const auto before = monthShown();
        input::click(button);
        calendar()->settle();
        waitForLoad();
        EXPECT_EQ(monthShown(), before + months) << "the click did not turn the page";
        // Beyond the day's list, only the weeks not seen yet.
        const auto spans = store->queriedSpans();
        std::chrono::hours days{0};
        for (std::size_t i = asked; i < spans.size(); ++i) {
            const auto length =
                std::chrono::duration_cast<std::chrono::hours>(spans[i].second - spans[i].first);
            if (length > std::chrono::hours(25))
                days += length;
        }
        EXPECT_LE(days.count(), 6 * 7 * 24) << "a page turn asked again for weeks already known";
    };
    ASSERT_EQ(wrongDay(), "");
    for (int page = 0; page < 5; ++page) {
        turn(calendar()->nextPageButton(), 1);
        ASSERT_EQ(wrongDay(), "") << "forward " << page;
    }
    for (int page = 0; page < 5; ++page) {
        turn(calendar()->previousPageButton(), -1);
        ASSERT_EQ(wrongDay(), "") << "back " << page;
    }
    // This month's events removed behind the screen: every day is asked for again.
    std::erase_if(events, [](const platform::CalendarEvent &e) {
        return e.startDate >= gregorianInstant(2026, 12, 1) && e.startDate < gregorianInstant(2027, 1, 1);
    });
    store->setEvents(events);
    store->announceChange();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !screen->loading() && wrongDay().empty(); }, 3000))
        << wrongDay();
}

TEST_F(CalendarScreen, AFocusedRowOpensDeletesAndOffersItsActionsFromTheKeyboard)
{
    platform::CalendarEvent weekly =
        event(QStringLiteral("Class"), gregorianInstant(2026, 12, 5, 9), gregorianInstant(2026, 12, 5, 10));
    weekly.recurring = true;
    weekly.recurrenceId = weekly.startDate;
    store->setEvents({weekly, event(QStringLiteral("Lunch"), gregorianInstant(2026, 12, 5, 12),
                                    gregorianInstant(2026, 12, 5, 13))});
    show();
    QWindow *window = screen->windowHandle();
    const auto key = [](QWidget *top, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(top->windowHandle(), k, m);
        QCoreApplication::processEvents();
    };
    // Tab along the screen's controls onto the first row.
    for (int i = 0; i < 12 && !screen->rowView(0)->hasFocus(); ++i)
        QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_TRUE(screen->rowView(0)->hasFocus());

    key(screen.get(), Qt::Key_Return);
    auto *viewer = shownDialog<platform::EventViewDialog>("eventViewer");
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->titleLabel()->text(), QStringLiteral("Class"));
    key(viewer, Qt::Key_Escape);
    waitForLoad();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return screen->rowView(0) && screen->focusWidget() == screen->rowView(0); }, 3000))
        << "the keyboard stays on the row when the list is made again";

    // A repeating event asks which occurrences go.
    key(screen.get(), Qt::Key_Delete);
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->objectName(), QStringLiteral("eventSpanAlert"));
    key(alert, Qt::Key_Escape);
    world.settle();
    EXPECT_TRUE(store->spans().empty());

    // The next row: Return on the question's default (Cancel) keeps it, the
    // focused Delete button takes it.
    key(screen.get(), Qt::Key_Down);
    ASSERT_EQ(screen->focusWidget(), screen->rowView(1));
    key(screen.get(), Qt::Key_Delete);
    ASSERT_NE(world.topAlert(), nullptr);
    key(world.topAlert(), Qt::Key_Return);
    world.settle();
    EXPECT_TRUE(store->removedIdentifiers().empty());
    key(screen.get(), Qt::Key_Delete);
    alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    key(alert, Qt::Key_Tab);
    key(alert, Qt::Key_Return);
    world.settle();
    waitForLoad();
    EXPECT_EQ(store->removedIdentifiers(), std::vector<QString>{QStringLiteral("Lunch")});

    // The Menu key and Shift+F10 show the actions with the keyboard on them.
    for (const bool menuKey : {true, false}) {
        EventRowView *row = screen->rowView(0);
        row->showActions(false);
        row->setFocus();
        key(screen.get(), menuKey ? Qt::Key_Menu : Qt::Key_F10, menuKey ? Qt::NoModifier : Qt::ShiftModifier);
        EXPECT_TRUE(row->actionsShown()) << menuKey;
        EXPECT_EQ(screen->focusWidget(), row->deleteButton()) << menuKey;
    }
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
    for (const char c : std::string_view("Lunch"))
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

TEST_F(CalendarScreen, TheEditorsDaysArePickedByTheirHijriDatesUnderTheAdjustment)
{
    app::screens::installHijriDays();
    setAdjustment(1);
    show();
    input::click(ui().addEventButton);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
    auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
    const QDate start = editor->startField()->date();
    const qint64 length = editor->startField()->dateTime().secsTo(editor->endField()->dateTime());
    const auto pick = [&](int daysOn) {
        input::click(editor->startHijriButton());
        EXPECT_TRUE(QTest::qWaitFor([this] { return shownDialog<QDialog>("hijriDayDialog"); }, 3000));
        auto *dialog = qobject_cast<app::screens::HijriDayDialog *>(shownDialog<QDialog>("hijriDayDialog"));
        if (!dialog)
            return QString();
        for (int i = 0; i < daysOn; ++i)
            QTest::keyClick(dialog->windowHandle(), Qt::Key_Down);
        const QString day = dialog->picker()->dayText();
        input::click(dialog->chooseButton());
        world.settle();
        return day;
    };
    // Chosen as offered, the day stays: the adjustment goes there and back.
    const QString offered = pick(0);
    EXPECT_EQ(editor->startField()->date(), start);
    EXPECT_TRUE(editor->startNote()->text().startsWith(offered)) << editor->startNote()->text().toStdString();
    // A day on, and the end goes along.
    const QString next = pick(1);
    EXPECT_NE(next, offered);
    EXPECT_EQ(editor->startField()->date(), start.addDays(1));
    EXPECT_EQ(editor->startField()->dateTime().secsTo(editor->endField()->dateTime()), length);
    EXPECT_TRUE(editor->startNote()->text().startsWith(next)) << editor->startNote()->text().toStdString();
    platform::setEventDayPicker({});
    platform::setEventDayNote({});
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

TEST_F(CalendarScreen, DaysPickedWhileTheStoreIsBusyAreLookedUpOnlyForTheLastOne)
{
    store->setEvents({event(QStringLiteral("Lunch"), gregorianInstant(2026, 12, 9, 12),
                            gregorianInstant(2026, 12, 9, 13))});
    show();
    const int before = store->queries();
    store->holdQueries(true);
    for (int day = 6; day <= 9; ++day)
        input::click(calendar(), calendar()->rectForDate(gregorianInstant(2026, 12, day)).center().toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return store->queries() > before; }, 3000));
    store->holdQueries(false);
    waitForLoad();
    // The first day's query was under way; of the days picked behind it only the last is asked for.
    EXPECT_EQ(store->queries() - before, 2);
    EXPECT_EQ(rowTitles(), QStringList{QStringLiteral("Lunch")});
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
        EXPECT_TRUE(screen->grab().save(
            dir.filePath(QStringLiteral("calendar-gregorian") + suffix + QStringLiteral(".png"))));
        clickSegment(1);
        calendar()->settle();
        EXPECT_TRUE(screen->grab().save(
            dir.filePath(QStringLiteral("calendar-ummalqura") + suffix + QStringLiteral(".png"))));
        swipe(screen->rowView(0));
        EXPECT_TRUE(screen->grab().save(
            dir.filePath(QStringLiteral("calendar-actions") + suffix + QStringLiteral(".png"))));
        input::click(screen->rowView(0), QPoint(20, 10));
        input::click(screen->rowView(0), QPoint(20, 10));
        world.settle();
        if (auto *viewer = shownDialog<platform::EventViewDialog>("eventViewer")) {
            EXPECT_TRUE(viewer->grab().save(
                dir.filePath(QStringLiteral("event-viewer") + suffix + QStringLiteral(".png"))));
            viewer->close();
        }
        world.settle();
        input::click(ui().addEventButton);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return shownDialog<platform::EventEditDialog>("eventEditor"); }, 3000));
        auto *editor = shownDialog<platform::EventEditDialog>("eventEditor");
        EXPECT_TRUE(editor->grab().save(
            dir.filePath(QStringLiteral("event-editor") + suffix + QStringLiteral(".png"))));
        editor->close();
        world.settle();
        screen.reset();
    }
}

} // namespace

namespace {

// Mirrored, the row keeps its colour marker against the leading (right) edge
// and the duration away from the trailing (left) one, as it does left to right.
TEST(EventRow, MirroredRowKeepsTheDurationOffItsTrailingEdge)
{
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        SCOPED_TRACE(direction);
        platform::CalendarEvent event;
        event.title = QStringLiteral("Qamarly");
        QWidget top;
        top.setLayoutDirection(direction);
        auto *layout = new QVBoxLayout(&top);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *row = new EventRowView(event, QStringLiteral("09:00"), QStringLiteral("10:00"),
                                     QStringLiteral("1 h"), &top);
        layout->addWidget(row);
        top.resize(400, 80);
        ASSERT_TRUE(windowinput::showAndExpose(&top));
        const QRect marker = row->viewWithTag(EventRowView::markerTag)->geometry();
        const QRect duration = row->viewWithTag(EventRowView::durationTag)->geometry();
        const int width = row->viewWithTag(EventRowView::markerTag)->parentWidget()->width();
        // The Latin title's ink keeps to the leading edge in either direction.
        auto *title = row->viewWithTag(EventRowView::titleTag);
        const QImage ink = title->grab().toImage();
        int first = ink.width(), last = -1;
        for (int x = 0; x < ink.width(); ++x) {
            for (int y = 0; y < ink.height(); ++y) {
                if (qAlpha(ink.pixel(x, y)) > 128 && qGray(ink.pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = x;
                    break;
                }
            }
        }
        ASSERT_GE(last, 0) << "no ink";
        if (direction == Qt::RightToLeft) {
            EXPECT_GT(first, ink.width() / 2);
            EXPECT_EQ(marker.right(), width - 1);
            EXPECT_GE(duration.left(), 10);
        } else {
            EXPECT_LT(last, ink.width() / 2);
            EXPECT_EQ(marker.left(), 0);
            EXPECT_LE(duration.right(), width - 11);
        }
    }
}

} // namespace
