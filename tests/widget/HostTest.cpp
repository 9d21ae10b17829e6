#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/widgets/WidgetCenter.h"
#include "support/TestEnvironment.h"
#include "widget/WidgetHost.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testenv::gregorianInstant;
using widget::HostController;

class HostTest : public ::testing::Test
{
protected:
    HostTest() : env(QStringLiteral("en_US"), QStringLiteral("Europe/London"))
    {
        widget::Provider::resetSharedConverter();
        env.setNow(gregorianInstant(2026, 12, 5, 12, 0));
    }
    ~HostTest() override { widget::Provider::resetSharedConverter(); }

    testenv::ScopedEnvironment env;
};

TEST_F(HostTest, ShowsTodaysEntryAndWaitsForTheNextMidnight)
{
    HostController host(widget::WidgetFamily::systemSmall);
    host.start();
    EXPECT_EQ(host.timelinesBuilt(), 1);
    EXPECT_EQ(host.shownIndex(), 0u);
    EXPECT_EQ(host.shownEntry().date, gregorianInstant(2026, 12, 5));
    // Twelve hours to midnight, as the timer sees it.
    const int wait = host.msecsToNextEntry();
    EXPECT_GT(wait, 12 * 3600 * 1000 - 60 * 1000);
    EXPECT_LE(wait, 12 * 3600 * 1000);
}

TEST_F(HostTest, EachEntryIsShownFromItsDateOnAlsoAfterASuspendAcrossMidnight)
{
    HostController host(widget::WidgetFamily::systemSmall);
    host.start();
    QSignalSpy changes(&host, &HostController::entryChanged);

    env.setNow(gregorianInstant(2026, 12, 5, 23, 59));
    host.evaluate();
    EXPECT_EQ(host.shownIndex(), 0u);
    EXPECT_EQ(changes.size(), 0);

    env.setNow(gregorianInstant(2026, 12, 6, 0, 0));
    host.evaluate();
    EXPECT_EQ(host.shownIndex(), 1u);
    EXPECT_EQ(changes.size(), 1);

    // The machine slept for three days; the minute check finds the right day.
    env.setNow(gregorianInstant(2026, 12, 9, 7, 30));
    host.evaluate();
    EXPECT_EQ(host.shownIndex(), 4u);
    EXPECT_EQ(host.shownEntry().gregorianDate->day(), 9);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(host.timelinesBuilt(), 1);
}

TEST_F(HostTest, AsksForANewTimelineOnceTheLastEntryHasBegun)
{
    HostController host(widget::WidgetFamily::systemMedium);
    host.start();
    const platform::Instant last = host.timeline().entries.back().date;

    env.setNow(last - std::chrono::minutes(1));
    host.evaluate();
    EXPECT_EQ(host.timelinesBuilt(), 1);
    EXPECT_EQ(host.shownIndex(), 28u);

    env.setNow(last + std::chrono::hours(5));
    host.evaluate();
    EXPECT_EQ(host.timelinesBuilt(), 2);
    EXPECT_EQ(host.shownIndex(), 0u);
    EXPECT_EQ(host.shownEntry().date, last);
    EXPECT_EQ(host.timeline().entries.size(), 30u);
}

TEST_F(HostTest, ReloadRequestFromTheApplicationReachesTheRunningHost)
{
    HostController host(widget::WidgetFamily::systemSmall);
    host.start();
    EXPECT_EQ(host.shownEntry().hijriDate->date(), host.shownEntry().date);
    QSignalSpy changes(&host, &HostController::entryChanged);

    // What the settings screen does after the user steps the adjustment.
    env.suite()->setInteger(core::keys::adjustmentNumber, 2);
    platform::WidgetCenter::shared().reloadAllTimelines();

    ASSERT_TRUE(changes.wait(10000));
    EXPECT_EQ(host.timelinesBuilt(), 2);
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    EXPECT_EQ(host.shownEntry().hijriDate->date(), *gregorian.dateByAddingDays(2, host.shownEntry().date));
    EXPECT_EQ(host.shownEntry().gregorianDate->date(), host.shownEntry().date);
}

TEST_F(HostTest, WindowStaysOnTheDesktopAndRemembersItsPlaceInItsOwnSuite)
{
    const QString ownPath = platform::UserDefaults::suitePath(widget::HostWindow::standardDefaultsName());
    auto own = platform::UserDefaults::open(ownPath);
    {
        widget::HostWindow window(widget::WidgetKind::complex, widget::WidgetFamily::systemMedium,
                                  widget::Appearance::dark, own);
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnBottomHint));
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
        EXPECT_EQ(window.size(), QSize(364, 170));
        EXPECT_EQ(window.appearance(), widget::Appearance::dark);
        EXPECT_EQ(window.positionKey("X"), QStringLiteral("complex.medium.windowX"));
    }
    own->setInteger(QStringLiteral("simple.small.windowX"), 40);
    own->setInteger(QStringLiteral("simple.small.windowY"), 60);
    widget::HostWindow window(widget::WidgetKind::simple, widget::WidgetFamily::systemSmall, std::nullopt,
                              own);
    EXPECT_EQ(window.pos(), QPoint(40, 60));
    EXPECT_FALSE(core::sharedDefaults()->integer(QStringLiteral("simple.small.windowX")).has_value());
}

TEST_F(HostTest, AHostStartedWithItsSuiteReadOnlyStillRemembersWhereItWasDragged)
{
    const QString ownPath = platform::UserDefaults::suitePath(widget::HostWindow::standardDefaultsName());
    platform::UserDefaults::open(ownPath)->setInteger(QStringLiteral("simple.small.windowX"), 40);
    platform::UserDefaults::open(ownPath)->setInteger(QStringLiteral("simple.small.windowY"), 60);
    QPoint left;
    {
        widget::HostWindow window(widget::WidgetKind::simple, widget::WidgetFamily::systemSmall, std::nullopt,
                                  platform::UserDefaults::openReadOnly(ownPath));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.pos(), QPoint(40, 60));
        const QPoint grip = window.rect().center();
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(window.windowHandle(), grip + QPoint(30, 20));
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, grip + QPoint(30, 20));
        left = window.pos();
        EXPECT_NE(left, QPoint(40, 60)) << "the drag did not move the widget";
    }
    const auto stored = platform::UserDefaults::open(ownPath);
    EXPECT_EQ(stored->integer(QStringLiteral("simple.small.windowX")), left.x());
    EXPECT_EQ(stored->integer(QStringLiteral("simple.small.windowY")), left.y());
    widget::HostWindow again(widget::WidgetKind::simple, widget::WidgetFamily::systemSmall, std::nullopt,
                             platform::UserDefaults::openReadOnly(ownPath));
    EXPECT_EQ(again.pos(), left);
}

// Right-clicks the widget where a person would, waits for its menu, reads its
// items and clicks the one named `pick` (none when empty); the menu's texts.
QStringList rightClickAndPick(widget::HostWindow &window, const QString &pick)
{
    QStringList texts;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts << action->text();
            if (action->text() == pick)
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
    poll.start();
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, window.rect().center());
    for (int waited = 0; poll.isActive() && waited < 5000; waited += 10)
        QTest::qWait(10);
    EXPECT_FALSE(poll.isActive()) << "no menu opened";
    QTest::qWait(20);
    return texts;
}

TEST_F(HostTest, EachKindAndFamilyOpensAtItsOwnPlaceOnAFirstStart)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QList<QRect> placed;
    for (const widget::WidgetChoice &choice : widget::widgetChoices()) {
        widget::HostWindow window(choice.kind, choice.family, std::nullopt,
                                  platform::UserDefaults::inMemory());
        const QRect frame(window.pos(), window.size());
        EXPECT_TRUE(area.contains(frame)) << choice.menuKey;
        for (const QRect &other : placed)
            EXPECT_FALSE(frame.intersects(other)) << choice.menuKey;
        placed << frame;
    }
    EXPECT_EQ(placed.size(), 3);
}

TEST_F(HostTest, RightClickOffersTheOtherWidgetsOpeningQamarlyAndClosing)
{
    platform::installTranslations();
    widget::HostWindow window(widget::WidgetKind::simple, widget::WidgetFamily::systemSmall, std::nullopt,
                              platform::UserDefaults::inMemory());
    int opened = 0;
    window.setApplicationOpener([&opened] {
        ++opened;
        return true;
    });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(rightClickAndPick(window, QStringLiteral("Open Qamarly")),
              (QStringList{QStringLiteral("Hijri date, medium"),
                           QStringLiteral("Hijri and Gregorian dates, medium"),
                           QStringLiteral("Open Qamarly"), QStringLiteral("Close")}));
    EXPECT_EQ(opened, 1);

    // The same window becomes the other kind, at that kind's own size.
    rightClickAndPick(window, QStringLiteral("Hijri and Gregorian dates, medium"));
    EXPECT_EQ(window.kind(), widget::WidgetKind::complex);
    EXPECT_EQ(window.family(), widget::WidgetFamily::systemMedium);
    EXPECT_EQ(window.size(), QSize(364, 170));
    EXPECT_EQ(window.controller().timelinesBuilt(), 2);
    EXPECT_EQ(rightClickAndPick(window, QString()).first(), QStringLiteral("Hijri date, small"));

    rightClickAndPick(window, QStringLiteral("Close"));
    EXPECT_FALSE(window.isVisible());
    platform::installTranslations();
}

} // namespace
