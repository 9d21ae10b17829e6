// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The application's main window as a mouse user meets it: every press, drag
// and wheel turn goes to the top-level window at window coordinates, so the
// wallpaper each screen's controls sit in, the presented prompt and the tab
// bar all take part in deciding who gets it.
#include "ScreenTestSupport.h"
#include "app/Composition.h"
#include "app/notifications/CustomError.h"
#include "app/notifications/EnableOptionsVC.h"
#include "app/screens/calendar/CalendarVC.h"
#include "app/screens/daterange/DateRangeVC.h"
#include "app/screens/occasions/EventsVC.h"
#include "app/screens/pickerconverter/PickerConverterVC.h"
#include "app/screens/settings/SettingsVC.h"
#include "app/shell/AppDelegate.h"
#include "app/shell/MainWindow.h"
#include "app/shell/TabScreens.h"
#include "components/calendar/MonthCalendarView.h"
#include "components/carousel/MediaClock.h"
#include "components/visual/DatePickerColumn.h"
#include "core/GlobalSettings.h"
#include "platform/events/EventDialogs.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "support/WindowInput.h"
#include "ui_CalendarVC.h"
#include "ui_DateRangeVC.h"
#include "ui_EnableOptionsVC.h"
#include "ui_EventsVC.h"
#include "ui_PickerConverterVC.h"
#include "ui_SettingsVC.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
namespace input = windowinput;

namespace {

constexpr int calendarTab = 0;
constexpr int converterTab = 1;
constexpr int dateRangeTab = 2;
constexpr int settingsTab = 3;
constexpr int occasionsTab = 4;

class MainWindowInput : public ::testing::Test
{
protected:
    // Builds the real main window with every tab; `beforeShow` runs on it
    // before it is shown (a denied permission, a clock for the carousel).
    void open(const std::function<void()> &beforeShow = {})
    {
        app::shell::AppServices services;
        services.center = world.center.get();
        services.refreshNotificationsIfNeeded = [] {};
        services.rescheduleNotifications = [this] {
            ++appReschedules;
            // As the scheduler does: it clears, then refuses without alerts.
            if (!world.center->notificationSettings().alertsAllowed())
                throw app::notifications::CustomError(
                    app::notifications::CustomError::NotificationsNotAllowed);
        };
        delegate = std::make_unique<app::shell::AppDelegate>(services);
        window = app::shell::makeMainWindow(app::tabScreens());
        tabs = app::shell::rootTabBarController(*window);
        ASSERT_NE(tabs, nullptr);
        app::screens::ConverterServices converterServices;
        converterServices.sendAdjustmentToWatch = [] {};
        converterServices.rescheduleNotifications = [] {};
        converterServices.reloadWidgetTimelines = [] {};
        converterServices.settingsTabShown = app::converterServices().settingsTabShown;
        converter().setServices(converterServices);
        app::screens::SettingsServices settingsServices;
        settingsServices.sendAdjustmentToWatch = [this] {
            watchSends << core::GlobalSettings::shared().adjustmentNumber;
        };
        settingsServices.rescheduleNotifications = services.rescheduleNotifications;
        settingsServices.reloadWidgetTimelines = [this] { ++widgetReloads; };
        settings().setServices(settingsServices);
        occasions().outlets().carousel->setMediaClock(clock);
        if (beforeShow)
            beforeShow();
        ASSERT_TRUE(input::showAndExpose(window.get()));
        world.settle();
        // Most tests start on the converter, the calendar's neighbour.
        selectTab(converterTab);
    }
    ~MainWindowInput() override
    {
        if (platform::AppSettingsWindow *page = platform::AppSettings::shared().window())
            page->close();
        world.settle();
        window.reset();
        world.settle();
    }

    app::screens::PickerConverterVC &converter()
    {
        return *qobject_cast<app::screens::PickerConverterVC *>(tabs->viewControllerAt(converterTab));
    }
    app::screens::DateRangeVC &dateRange()
    {
        return *qobject_cast<app::screens::DateRangeVC *>(tabs->viewControllerAt(dateRangeTab));
    }
    app::screens::SettingsVC &settings()
    {
        return *qobject_cast<app::screens::SettingsVC *>(tabs->viewControllerAt(settingsTab));
    }
    app::occasions::EventsVC &occasions()
    {
        return *qobject_cast<app::occasions::EventsVC *>(tabs->viewControllerAt(occasionsTab));
    }
    app::notifications::EnableOptionsVC *prompt() const
    {
        return window->findChild<app::notifications::EnableOptionsVC *>();
    }

    void selectTab(int index)
    {
        input::click(tabs->tabButton(index));
        world.settle();
    }
    // Clicks a segment of a QTabBar-style control where it is drawn.
    void clickSegment(QTabBar *control, int index)
    {
        input::click(control, control->tabRect(index).center());
    }
    static QWidget *column(QWidget *picker, const char *name)
    {
        return picker->findChild<QWidget *>(QString::fromLatin1(name));
    }

    void settleCarousel()
    {
        components::Carousel &carousel = *occasions().outlets().carousel;
        for (int i = 0; i < 2000 && carousel.isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel.step();
        }
    }
    // The middle of the part of item `index`'s card that is in sight, along
    // the carousel's middle line (side cards hide partly behind the current one).
    QPoint visiblePartOf(int index)
    {
        components::Carousel &carousel = *occasions().outlets().carousel;
        QWidget *view = carousel.itemViewAtIndex(index);
        const int y = carousel.height() / 2;
        int first = -1;
        int last = -1;
        for (int x = 0; x < carousel.width(); ++x) {
            if (view && carousel.itemViewAtPoint(QPointF(x, y)) == view) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        EXPECT_GE(first, 0) << "card " << index << " is not in sight";
        return QPoint((first + last) / 2, y);
    }

    // Waits for the top alert to be on screen and presses its button `index`.
    void pressAlertButton(int index)
    {
        platform::AlertController *alert = world.topAlert();
        ASSERT_NE(alert, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(alert));
        auto *button = alert->findChild<QPushButton *>(QStringLiteral("alertButton%1").arg(index));
        ASSERT_NE(button, nullptr);
        input::click(button);
        world.settle();
    }
    platform::AppSettingsWindow *settingsPage()
    {
        platform::AppSettingsWindow *page = platform::AppSettings::shared().window();
        if (page && !QTest::qWaitForWindowExposed(page))
            return nullptr;
        return page;
    }

    screentest::ScreenWorld world;
    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    std::unique_ptr<app::shell::AppDelegate> delegate;
    std::unique_ptr<platform::Window> window;
    platform::TabBarController *tabs = nullptr;
    int appReschedules = 0;
    QList<std::int64_t> watchSends;
    int widgetReloads = 0;
};

TEST_F(MainWindowInput, EveryTabButtonBringsItsScreenIntoView)
{
    open();
    EXPECT_EQ(tabs->count(), 5);
    for (int index : {dateRangeTab, settingsTab, occasionsTab, calendarTab, converterTab}) {
        selectTab(index);
        EXPECT_EQ(tabs->selectedIndex(), index);
        EXPECT_TRUE(tabs->viewControllerAt(index)->isInView()) << index;
    }
}

TEST_F(MainWindowInput, TheCalendarTabListsTheDayPickedOnItsGridFromTheCalendarFolders)
{
    const QString folder = world.env.dataHome() + QStringLiteral("/qamarly/calendars/home");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile file(folder + QStringLiteral("/visit.ics"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:visit\r\n"
               "DTSTAMP:20260101T000000Z\r\nDTSTART;TZID=Asia/Riyadh:20261208T100000\r\n"
               "DTEND;TZID=Asia/Riyadh:20261208T113000\r\nSUMMARY:Visit\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    platform::setEventAccessPrompt([](std::function<void(bool)> answer) { answer(true); });
    open();
    selectTab(calendarTab);
    auto &calendar = *qobject_cast<app::screens::CalendarVC *>(tabs->viewControllerAt(calendarTab));
    components::MonthCalendarView *grid = calendar.outlets().calendar;
    const QRectF cell = grid->rectForDate(testenv::gregorianInstant(2026, 12, 8));
    ASSERT_FALSE(cell.isEmpty());
    input::click(grid, cell.center().toPoint());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !calendar.loading() && calendar.numberOfRows() == 1; }, 3000));
    ASSERT_EQ(calendar.numberOfRows(), 1);
    EXPECT_EQ((*calendar.events())[0].title, QStringLiteral("Visit"));
    EXPECT_EQ((*calendar.events())[0].startDate, testenv::gregorianInstant(2026, 12, 8, 10));
    platform::setEventAccessPrompt(nullptr);
}

// Whatever is laid over or around a control, a press on its middle must
// reach it: a guard against overlays and see-through parents to come.
TEST_F(MainWindowInput, EveryControlOfEveryTabIsReachableInBothDirections)
{
    for (const bool arabic : {false, true}) {
        if (arabic)
            world.useArabic();
        window.reset();
        open();
        for (int index = 0; index < tabs->count(); ++index) {
            selectTab(index);
            int controls = 0;
            for (QWidget *w : tabs->viewControllerAt(index)->findChildren<QWidget *>()) {
                const bool takesInput = qobject_cast<QAbstractButton *>(w) || qobject_cast<QTabBar *>(w) ||
                                        qobject_cast<components::DatePickerColumn *>(w) ||
                                        qobject_cast<components::Carousel *>(w);
                if (!takesInput || !w->isVisible() || !w->isEnabled())
                    continue;
                ++controls;
                EXPECT_TRUE(input::reaches(w))
                    << (arabic ? "Arabic, " : "") << "tab " << index << ": " << w->metaObject()->className()
                    << " " << w->objectName().toStdString() << " is covered by "
                    << input::widgetAt(w)->metaObject()->className() << " "
                    << input::widgetAt(w)->objectName().toStdString();
            }
            EXPECT_GT(controls, 0) << index;
        }
        EXPECT_TRUE(input::reaches(tabs->tabButton(0)));
    }
}

TEST_F(MainWindowInput, TheConverterAnswersClicksOnItsSegmentsWheelsAndButtons)
{
    open();
    Ui::PickerConverterVC &ui = converter().outlets();
    const platform::Instant today = ui.datePicker->date();

    clickSegment(ui.calendarSegControl, 1);
    EXPECT_EQ(converter().selectedSegment(), 1);
    clickSegment(ui.calendarSegControl, 0);
    EXPECT_EQ(converter().selectedSegment(), 0);

    // Two notches towards the user on the day wheel: two days later.
    input::wheelNotches(column(ui.datePicker, "day"), -2);
    EXPECT_EQ(screentest::gregorianDayOf(ui.datePicker->date()).day, 7);
    EXPECT_EQ(ui.convertedDayLabel->text(),
              QString::number(screentest::hijriDayOf(ui.datePicker->date()).day));
    // A click on the row under the selected month: the next month (the wheel
    // goes round without changing the year).
    QWidget *month = column(ui.datePicker, "month");
    input::click(month, QPoint(month->width() / 2, month->height() * 7 / 10));
    EXPECT_EQ(screentest::gregorianDayOf(ui.datePicker->date()).month, 1);
    EXPECT_EQ(ui.datePickerMonthNumberString->text(), QStringLiteral("1"));

    input::click(ui.todayButton);
    EXPECT_EQ(ui.datePicker->date(), today);

    const auto wallpaper = core::GlobalSettings::shared().wallpaperIndex;
    input::click(ui.changeWallpaperButton);
    EXPECT_NE(core::GlobalSettings::shared().wallpaperIndex, wallpaper);
}

TEST_F(MainWindowInput, ADateTypedInEitherCalendarSetsTheWheelsAndTheAnswer)
{
    open();
    Ui::PickerConverterVC &ui = converter().outlets();
    QLineEdit *field = converter().typedDateEdit();
    // It shows the picked day in the locale's order (month first in the United States).
    EXPECT_EQ(field->text(), QStringLiteral("12/5/2026"));
    const auto type = [&](const QString &text) {
        input::click(field);
        QTest::keyClick(input::windowOf(field), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::keyClick(input::windowOf(field), c.toLatin1());
        QTest::keyClick(input::windowOf(field), Qt::Key_Return);
        world.settle();
    };
    type(QStringLiteral("3/15/1900"));
    EXPECT_EQ(ui.datePicker->date(), testenv::gregorianInstant(1900, 3, 15));
    EXPECT_EQ(ui.convertedDayLabel->text(), QStringLiteral("13"));
    EXPECT_EQ(ui.convertedYearLabel->text(), QStringLiteral("1317"));

    // On the Hijri side the typed date is Hijri: 1 Ramadan 1448 is 8 February 2027.
    clickSegment(ui.calendarSegControl, 1);
    type(QStringLiteral("9/1/1448"));
    EXPECT_EQ(screentest::hijriDayOf(ui.datePicker->date()).month, 9);
    EXPECT_EQ(ui.convertedDayLabel->text(), QStringLiteral("8"));
    EXPECT_EQ(ui.convertedYearLabel->text(), QStringLiteral("2027"));

    // Not a day (the 31st of a 29- or 30-day month, words): marked, nothing moves.
    const platform::Instant before = ui.datePicker->date();
    for (const QString &wrong :
         {QStringLiteral("9/31/1448"), QStringLiteral("tomorrow"), QStringLiteral("9/1")}) {
        type(wrong);
        EXPECT_EQ(ui.datePicker->date(), before) << wrong.toStdString();
        EXPECT_TRUE(field->property("invalid").toBool());
        EXPECT_FALSE(field->accessibleDescription().isEmpty());
    }
    // ISO dates are read in any locale.
    type(QStringLiteral("1447-01-10"));
    EXPECT_FALSE(field->property("invalid").toBool());
    EXPECT_EQ(screentest::hijriDayOf(ui.datePicker->date()).year, 1447);
}

TEST_F(MainWindowInput, ADragAcrossTheConverterStepsTheDayAndTheRoundButtonOpensItsAlert)
{
    core::GlobalSettings::shared().adjustmentNumber = 2;
    core::GlobalSettings::shared().save();
    open();
    Ui::PickerConverterVC &ui = converter().outlets();
    const auto day = screentest::gregorianDayOf(ui.datePicker->date()).day;
    // Dragged leftwards over the result: the next day.
    QWidget *result = ui.bubleView;
    input::drag(result, QPoint(result->width() - 10, 20), QPoint(10, 24));
    EXPECT_EQ(screentest::gregorianDayOf(ui.datePicker->date()).day, day + 1);

    ASSERT_TRUE(ui.AdjRoundButton->isVisible());
    input::click(ui.AdjRoundButton);
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    // Settings, Cancel and Reset.
    EXPECT_EQ(alert->actions().size(), 3);
    pressAlertButton(1); // cancel
    EXPECT_EQ(world.topAlert(), nullptr);
}

TEST_F(MainWindowInput, TheConvertersAdjustmentAlertLeadsToTheSettingsTabWhereTheCountGoesOn)
{
    core::GlobalSettings::shared().adjustmentNumber = 2;
    core::GlobalSettings::shared().save();
    open();
    Ui::PickerConverterVC &ui = converter().outlets();
    ASSERT_TRUE(ui.AdjRoundButton->isVisible());
    input::click(ui.AdjRoundButton);
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    ASSERT_EQ(alert->actions().size(), 3);
    EXPECT_EQ(alert->actions().first().title, platform::localized("goSettings"));
    pressAlertButton(0);
    EXPECT_EQ(tabs->selectedIndex(), app::shell::settingsTabIndex);
    ASSERT_TRUE(settings().isInView());
    Ui::SettingsVC &page = settings().outlets();
    EXPECT_EQ(page.adjustmentLabel->text(), QStringLiteral("2"));

    input::click(page.incrementButton);
    EXPECT_EQ(core::GlobalSettings::shared().adjustmentNumber, 3);
    EXPECT_EQ(watchSends, QList<std::int64_t>{3});
    EXPECT_EQ(appReschedules, 1);
    EXPECT_EQ(widgetReloads, 1);
    // Back on the converter, the shift shows at once.
    selectTab(converterTab);
    EXPECT_EQ(ui.AdjRoundButton->text(), QStringLiteral("3"));
}

TEST_F(MainWindowInput, TheDateRangeScreenAnswersItsSegmentsWheelsAndButtons)
{
    open();
    selectTab(dateRangeTab);
    Ui::DateRangeVC &ui = dateRange().outlets();
    input::wheelNotches(column(ui.toDatePicker, "day"), -3);
    EXPECT_EQ(ui.daysTextLabel->text(), QStringLiteral("3"));
    EXPECT_EQ(ui.daysLabel->text(), QStringLiteral("3"));

    clickSegment(ui.calendarSegControler, 1);
    EXPECT_EQ(dateRange().selectedSegment(), 1);
    EXPECT_EQ(ui.daysTextLabel->text(), QStringLiteral("3"));

    input::click(ui.resetButton);
    EXPECT_EQ(dateRange().selectedSegment(), 0);
    EXPECT_EQ(ui.daysTextLabel->text(), QStringLiteral("0"));

    // The from day two days back, then Today moves it forward again.
    input::wheelNotches(column(ui.fromDatePicker, "day"), 2);
    EXPECT_EQ(ui.daysTextLabel->text(), QStringLiteral("2"));
    input::click(ui.todayButton);
    EXPECT_EQ(ui.daysTextLabel->text(), QStringLiteral("0"));
}

TEST_F(MainWindowInput, TheOccasionsCarouselTurnsByDragClickAndWheel)
{
    world.env.setNow(testenv::hijriInstant(1448, 1, 5) + 12h);
    open();
    // Wide enough for the neighbour cards, which a narrow window fades out.
    window->resize(1200, window->height());
    world.settle();
    selectTab(occasionsTab);
    settleCarousel();
    components::Carousel &carousel = *occasions().outlets().carousel;
    QLabel *timing = occasions().outlets().timingLabel;
    ASSERT_EQ(carousel.currentItemIndex(), 1); // "ASH", the first still to come

    // A slow drag (under two cards a second) of 1.7 cards to the left: it
    // settles two cards on, without a fling.
    const int width = int(carousel.itemWidth());
    const QPoint from = carousel.rect().center();
    input::drag(&carousel, from, from - QPoint(width * 17 / 10, 0), 20, [this] { clock->advance(0.05); });
    settleCarousel();
    EXPECT_EQ(carousel.currentItemIndex(), 3);
    EXPECT_EQ(timing->text(), occasions().eventsArray()[3]->days);

    // A click on the card to the left brings it to the centre.
    input::click(&carousel, visiblePartOf(2));
    settleCarousel();
    EXPECT_EQ(carousel.currentItemIndex(), 2);
    EXPECT_EQ(timing->text(), occasions().eventsArray()[2]->days);

    // One notch towards the user: the next card.
    input::wheelNotches(&carousel, -1);
    settleCarousel();
    EXPECT_EQ(carousel.currentItemIndex(), 3);
}

TEST_F(MainWindowInput, TheFirstRunPromptIsClosedWithTheMouse)
{
    open([this] { world.center->setSettings({}); });
    app::notifications::EnableOptionsVC *shown = prompt();
    ASSERT_NE(shown, nullptr);
    QPointer<app::notifications::EnableOptionsVC> guard(shown);
    EXPECT_TRUE(input::reaches(shown->outlets().closeButton));
    input::click(shown->outlets().closeButton);
    world.settle();
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(core::GlobalSettings::shared().enableOptionRequested);
    EXPECT_TRUE(converter().isInView());
    // The converter's own controls answer again once the prompt has gone.
    input::click(converter().outlets().calendarSegControl,
                 converter().outlets().calendarSegControl->tabRect(1).center());
    EXPECT_EQ(converter().selectedSegment(), 1);
}

TEST_F(MainWindowInput, ARefusedPermissionIsGrantedAgainFromTheAlertsSettingsButton)
{
    open([this] {
        world.center->setSettings({});
        world.center->setAuthorizationAnswer(false, 0);
    });
    QPointer<app::notifications::EnableOptionsVC> shown = prompt();
    ASSERT_FALSE(shown.isNull());
    int promptReschedules = 0;
    shown->setRescheduleNotifications([&promptReschedules] { ++promptReschedules; });

    input::click(shown->outlets().enableNotificationButton);
    EXPECT_TRUE(world.center->calls().contains(QStringLiteral("requestAuthorization")));
    // Refused: after the permission has settled, the alert offers the settings.
    QTRY_VERIFY_WITH_TIMEOUT(world.topAlert() != nullptr, 5000);
    pressAlertButton(1);
    QTRY_VERIFY_WITH_TIMEOUT(platform::AppSettings::shared().window() != nullptr, 2000);
    platform::AppSettingsWindow *page = settingsPage();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->alertsSwitch()->isChecked());

    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    EXPECT_TRUE(world.center->notificationSettings().alertsAllowed());
    EXPECT_EQ(appReschedules, 1);
    // The prompt sees the permission once it has settled, plans and closes.
    QTRY_VERIFY_WITH_TIMEOUT(shown.isNull(), 5000);
    EXPECT_EQ(promptReschedules, 1);
    EXPECT_TRUE(core::GlobalSettings::shared().enableOptionRequested);
    EXPECT_FALSE(core::GlobalSettings::shared().enableNotificationsClicked);
}

TEST_F(MainWindowInput, AfterNotNowTheWindowsMenuLeadsToTheNotificationSwitches)
{
    open([this] { world.center->setSettings({}); });
    ASSERT_NE(prompt(), nullptr);
    input::click(prompt()->outlets().closeButton);
    world.settle();
    ASSERT_EQ(prompt(), nullptr);

    auto *bar = window->findChild<QMenuBar *>(QStringLiteral("menuBar"));
    auto *menu = window->findChild<QMenu *>(QStringLiteral("applicationMenu"));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(menu, nullptr);
    input::click(bar, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), 2000);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction *settings = menu->findChild<QAction *>(QStringLiteral("notificationSettingsAction"));
    ASSERT_NE(settings, nullptr);
    input::click(menu, menu->actionGeometry(settings).center());
    platform::AppSettingsWindow *page = settingsPage();
    ASSERT_NE(page, nullptr);

    // The badge alone: the scheduler refuses (no alerts), and nothing breaks.
    input::click(page->badgeSwitch(), input::indicatorOf(page->badgeSwitch()));
    EXPECT_EQ(appReschedules, 1);
    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    const platform::NotificationSettings now = world.center->notificationSettings();
    EXPECT_TRUE(now.alertsAllowed());
    EXPECT_TRUE(now.badgeAllowed());
    EXPECT_EQ(appReschedules, 2);
    // Settled for good: coming back to the converter presents nothing.
    selectTab(dateRangeTab);
    selectTab(converterTab);
    EXPECT_EQ(prompt(), nullptr);
}

TEST_F(MainWindowInput, CtrlCommaOpensTheSettingsPageFromAnyTab)
{
    open();
    selectTab(occasionsTab);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_NE(settingsPage(), nullptr);
}

TEST_F(MainWindowInput, CtrlNMakesANewEventOnTheCalendarsTabFromAnyTab)
{
    platform::keepEventAccess(platform::EventAccessStatus::authorized);
    open();
    selectTab(occasionsTab);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    platform::EventEditDialog *editor = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            editor = window->findChild<platform::EventEditDialog *>();
            return editor && editor->isVisible();
        },
        3000));
    EXPECT_EQ(tabs->selectedIndex(), calendarTab);
    EXPECT_EQ(editor->parentWidget()->window(), window.get());
    editor->close();
}

// At start no window is active yet: the calendar question is asked over the
// main window all the same, so that it cannot open behind it.
TEST_F(MainWindowInput, TheFirstRunCalendarQuestionOpensOverTheMainWindow)
{
    platform::installEventAccessDialog();
    open();
    QMessageBox *question = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            question = window->findChild<QMessageBox *>(QStringLiteral("calendarAccessDialog"));
            return question && question->isVisible();
        },
        3000));
    EXPECT_EQ(question->parentWidget(), window.get());
    // Return takes its default answer.
    QTest::keyClick(question->windowHandle(), Qt::Key_Return);
    world.settle();
    EXPECT_EQ(platform::keptEventAccess(), platform::EventAccessStatus::authorized);
    platform::setEventAccessPrompt(nullptr);
}

TEST_F(MainWindowInput, ReturnPressesTheFocusedButtonAsSpaceDoes)
{
    open([this] { world.center->setSettings({}); });
    ASSERT_NE(prompt(), nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(window->focusWidget(), prompt()->outlets().enableNotificationButton);
    world.center->clearCalls();
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return world.center->calls().contains(QStringLiteral("requestAuthorization")); }, 3000));
}

} // namespace
