#include "core/SharedDefaults.h"
#include "platform/WidgetCenter.h"
#include "support/TestEnvironment.h"
#include "widget/WidgetHost.h"

#include <QFile>
#include <QSignalSpy>
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
    widget::HostWindow window(widget::WidgetKind::simple, widget::WidgetFamily::systemSmall, std::nullopt, own);
    EXPECT_EQ(window.pos(), QPoint(40, 60));
    EXPECT_FALSE(core::sharedDefaults()->integer(QStringLiteral("simple.small.windowX")).has_value());
}

} // namespace
