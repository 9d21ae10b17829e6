// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// qamarly-notifyd end to end on a private session bus with a fake desktop
// notification service: delivery, the launcher badge, the application in
// front, a missing bus or service, a killed agent and missed days.
#include "platform/notifications/DeliveryAgent.h"

#include "DBusTestSupport.h"
#include "app/notifications/NotificationScheduler.h"
#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/system/Console.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int patienceMs = 30000;

NotificationRequest request(const QString &id, const QString &title, std::optional<int> badge, double seconds)
{
    return NotificationRequest{
        id,
        NotificationContent{title, title.isEmpty() ? QString() : QStringLiteral("the body"), badge, false},
        TimeIntervalTrigger{seconds, false}};
}

class DeliveryAgentTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env;
    QString path = env.configHome() + QStringLiteral("/qamarly/notifications.sqlite");
    std::unique_ptr<testbus::PrivateBus> bus;
    std::unique_ptr<testbus::FakeNotificationService> fake;
    QStringList console;
    ConsoleSink savedSink;

    void SetUp() override
    {
        savedSink = setConsoleSink([this](const QString &line) { console << line; });
        platform::installTranslations();
        startBus();
        // Requests fire on the real clock unless a test installs one.
        Clock::install(nullptr);
    }
    void TearDown() override { setConsoleSink(savedSink); }

    void startBus(const QString &socket = QString())
    {
        bus = std::make_unique<testbus::PrivateBus>(socket);
        ASSERT_TRUE(bus->isRunning()) << "dbus-daemon could not be started";
        static int connections = 0;
        fake = std::make_unique<testbus::FakeNotificationService>(
            bus->connect(QStringLiteral("fake-%1").arg(++connections)));
    }
    DeliveryAgentOptions options(const QString &address = QString()) const
    {
        DeliveryAgentOptions o;
        o.storePath = path;
        o.busAddress = address.isEmpty() ? bus->address() : address;
        o.retryIntervalMs = 200;
        return o;
    }
    QList<NotificationStore::Entry> entries(NotificationStore::State state)
    {
        auto store = NotificationStore::open(path);
        return store->entries(state);
    }
    int consoleLinesWith(const QString &text) const { return static_cast<int>(console.filter(text).size()); }
};

TEST_F(DeliveryAgentTest, AOneSecondRequestReachesTheDesktopAndItsBadgeTheLauncher)
{
    ASSERT_TRUE(fake->registerService());
    LocalNotificationCenter center(path);
    center.addNotificationRequest(
        request(QStringLiteral("daily"), QStringLiteral("Today: 26 Jumada II (6), 1448"), 26, 1.0));
    DeliveryAgent agent(options());
    ASSERT_TRUE(agent.start());

    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    EXPECT_EQ(fake->shown[0].summary, QStringLiteral("Today: 26 Jumada II (6), 1448"));
    EXPECT_EQ(fake->shown[0].body, QStringLiteral("the body"));
    EXPECT_EQ(fake->shown[0].hints.value(QStringLiteral("desktop-entry")).toString(),
              QStringLiteral("org.qamarly.Qamarly"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !fake->launcherUpdates.isEmpty() &&
                   fake->launcherUpdates.last().value(QStringLiteral("count")).toLongLong() == 26;
        },
        patienceMs));
    EXPECT_TRUE(fake->launcherUpdates.last().value(QStringLiteral("count-visible")).toBool());
    EXPECT_EQ(fake->launcherUris.last(), QStringLiteral("application://org.qamarly.Qamarly.desktop"));
    EXPECT_TRUE(entries(NotificationStore::State::pending).isEmpty());
    EXPECT_EQ(center.applicationIconBadgeNumber(), 26);

    // A badge-only request shows nothing and moves the launcher badge.
    center.addNotificationRequest(request(QStringLiteral("badge"), QString(), 27, 0.2));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fake->launcherUpdates.last().value(QStringLiteral("count")).toLongLong() == 27; },
        patienceMs));
    EXPECT_EQ(fake->shown.size(), 1);

    // The application clearing its badge hides the count.
    center.setApplicationIconBadgeNumber(0);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fake->launcherUpdates.last().value(QStringLiteral("count")).toLongLong() == 0; },
        patienceMs));
    EXPECT_FALSE(fake->launcherUpdates.last().value(QStringLiteral("count-visible")).toBool());
}

// What the application delegate does with a notification while in front.
class FrontDelegate : public UserNotificationCenterDelegate
{
public:
    QStringList seen;
    void willPresentNotification(UserNotificationCenter &center, const Notification &notification,
                                 std::function<void(PresentationOptions)> completionHandler) override
    {
        seen << notification.request.identifier;
        if (notification.request.content.badge)
            center.setApplicationIconBadgeNumber(*notification.request.content.badge);
        completionHandler(0);
    }
};

TEST_F(DeliveryAgentTest, WhileTheApplicationIsInFrontItSetsTheBadgeAndNothingIsShown)
{
    ASSERT_TRUE(fake->registerService());
    bool inFront = true;
    // The window installs the bus link; without it the agent shows everything.
    LocalNotificationCenter unlinked(path, bus->address());
    FrontDelegate unseen;
    platform::setForegroundLinkFactory(nullptr);
    unlinked.setDelegate(&unseen);
    EXPECT_FALSE(unlinked.isPresenterRegistered());
    unlinked.setDelegate(nullptr);
    platform::installForegroundBusLink();
    LocalNotificationCenter app(path, bus->address());
    app.setForegroundProbe([&inFront] { return inFront; });
    FrontDelegate delegate;
    app.setDelegate(&delegate);
    ASSERT_TRUE(app.isPresenterRegistered());

    DeliveryAgent agent(options());
    ASSERT_TRUE(agent.start());
    app.addNotificationRequest(request(QStringLiteral("in-front"), QStringLiteral("Today: front"), 12, 0.2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries(NotificationStore::State::delivered).size() == 1; },
                                patienceMs));
    EXPECT_EQ(delegate.seen, QStringList{QStringLiteral("in-front")});
    EXPECT_TRUE(fake->shown.isEmpty());
    EXPECT_EQ(app.applicationIconBadgeNumber(), 12);

    // In the background the desktop shows it.
    inFront = false;
    app.addNotificationRequest(request(QStringLiteral("behind"), QStringLiteral("Today: behind"), 13, 0.2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    EXPECT_EQ(fake->shown[0].summary, QStringLiteral("Today: behind"));
    EXPECT_EQ(delegate.seen, QStringList{QStringLiteral("in-front")});
    app.setDelegate(nullptr);
}

TEST_F(DeliveryAgentTest, WithoutANotificationServiceRequestsWaitAndGoOutWhenItAppears)
{
    LocalNotificationCenter center(path);
    center.addNotificationRequest(
        request(QStringLiteral("waiting"), QStringLiteral("Today: waiting"), 3, 0.1));
    DeliveryAgent agent(options());
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return consoleLinesWith(QStringLiteral("no desktop notification service")) == 1; },
        patienceMs));
    // Several retries later: still pending, still one line.
    QTest::qWait(1000);
    EXPECT_EQ(consoleLinesWith(QStringLiteral("no desktop notification service")), 1);
    // Pending, or claimed by the attempt under way; never given up.
    EXPECT_TRUE(entries(NotificationStore::State::delivered).isEmpty());
    EXPECT_TRUE(entries(NotificationStore::State::skipped).isEmpty());

    ASSERT_TRUE(fake->registerService());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    EXPECT_EQ(fake->countOf(QStringLiteral("Today: waiting")), 1);
}

// A service that answers after the agent stopped waiting may have shown the
// notification: it is not sent a second time, and its badge still applies.
TEST_F(DeliveryAgentTest, AServiceThatAnswersTooLateIsNotAskedAgain)
{
    ASSERT_TRUE(fake->registerService());
    fake->holdReplies(true);
    LocalNotificationCenter center(path);
    center.addNotificationRequest(request(QStringLiteral("slow"), QStringLiteral("Today: slow"), 9, 0.1));
    DeliveryAgentOptions o = options();
    o.notifyTimeoutMs = 300;
    DeliveryAgent agent(o);
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return entries(NotificationStore::State::delivered).size() == 1; },
                                patienceMs));
    // Well past several retry intervals.
    QTest::qWait(1500);
    fake->holdReplies(false);
    QTest::qWait(300);
    EXPECT_EQ(fake->countOf(QStringLiteral("Today: slow")), 1);
    EXPECT_TRUE(entries(NotificationStore::State::pending).isEmpty());
    EXPECT_EQ(center.applicationIconBadgeNumber(), 9);
}

TEST_F(DeliveryAgentTest, WithoutASessionBusRequestsWaitAndGoOutWhenOneAppears)
{
    QTemporaryDir later;
    const QString socket = later.filePath(QStringLiteral("bus"));
    LocalNotificationCenter center(path);
    center.addNotificationRequest(request(QStringLiteral("no-bus"), QStringLiteral("Today: no bus"), 4, 0.1));
    DeliveryAgent agent(options(QStringLiteral("unix:path=") + socket));
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return consoleLinesWith(QStringLiteral("no session bus")) == 1; }, patienceMs));
    QTest::qWait(1000);
    EXPECT_EQ(consoleLinesWith(QStringLiteral("no session bus")), 1);
    EXPECT_EQ(entries(NotificationStore::State::pending).size(), 1);

    startBus(socket);
    ASSERT_TRUE(fake->registerService());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    EXPECT_EQ(fake->countOf(QStringLiteral("Today: no bus")), 1);
}

TEST_F(DeliveryAgentTest, AfterMissedDaysOnlyTheLatestDailyNotificationIsShownAndTheBadgeIsCurrent)
{
    ASSERT_TRUE(fake->registerService());
    Clock::install(env.clock()); // 5 December 2026, 12:00 UTC
    LocalNotificationCenter center(path);
    center.setNotificationSettings(
        {AuthorizationStatus::authorized, AuthorizationOption::alert | AuthorizationOption::badge});
    app::notifications::NotificationScheduler scheduler(&center);
    scheduler.rescheduleNotifications();
    ASSERT_TRUE(scheduler.waitForPasses(patienceMs));
    ASSERT_EQ(entries(NotificationStore::State::pending).size(), 59);

    // The machine slept until 10:00 on 8 December: seven requests are due.
    env.setNow(testenv::gregorianInstant(2026, 12, 8, 10, 0));
    DeliveryAgent agent(options());
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return entries(NotificationStore::State::pending).size() == 52 &&
                   entries(NotificationStore::State::delivering).isEmpty();
        },
        patienceMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->shown.size() == 1; }, patienceMs));
    EXPECT_EQ(fake->shown[0].summary, QStringLiteral("Today: 28 Jumada II (6), 1448"));
    EXPECT_EQ(fake->shown[0].body, QStringLiteral("Tuesday, 08 December (12), 2026"));
    EXPECT_EQ(center.applicationIconBadgeNumber(), 28);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !fake->launcherUpdates.isEmpty() &&
                   fake->launcherUpdates.last().value(QStringLiteral("count")).toLongLong() == 28;
        },
        patienceMs));
    EXPECT_EQ(entries(NotificationStore::State::skipped).size(), 6);
}

TEST_F(DeliveryAgentTest, AnAgentKilledMidDeliveryShowsEachRequestExactlyOnceAfterARestart)
{
    ASSERT_TRUE(fake->registerService());
    LocalNotificationCenter center(path);
    center.addNotificationRequest(request(QStringLiteral("A"), QStringLiteral("A"), 1, 0.2));
    center.addNotificationRequest(request(QStringLiteral("B"), QStringLiteral("B"), 2, 0.4));

    QProcess agent;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.configHome());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->address());
    agent.setProcessEnvironment(environment);
    agent.setProgram(QStringLiteral(QAMARLY_NOTIFYD));
    agent.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // The first agent hands A to the service and dies before the answer.
    fake->holdReplies(true);
    agent.start();
    ASSERT_TRUE(agent.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->countOf(QStringLiteral("A")) == 1; }, patienceMs));
    agent.kill();
    ASSERT_TRUE(agent.waitForFinished());
    fake->holdReplies(false);

    agent.start();
    ASSERT_TRUE(agent.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->countOf(QStringLiteral("B")) == 1; }, patienceMs));
    center.addNotificationRequest(request(QStringLiteral("C"), QStringLiteral("C"), 3, 0.2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->countOf(QStringLiteral("C")) == 1; }, patienceMs));
    // Requests go out in trigger order, so a second A would have come before B.
    EXPECT_EQ(fake->countOf(QStringLiteral("A")), 1);
    EXPECT_EQ(fake->countOf(QStringLiteral("B")), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return entries(NotificationStore::State::delivered).size() == 3; },
                                patienceMs));
    agent.kill();
    agent.waitForFinished();
}

// A calendar file another program wrote, with an alert two seconds away:
// the agent program shows it on the desktop, with the calendar window closed.
TEST_F(DeliveryAgentTest, AnEventsAlertReachesTheDesktopAtItsMoment)
{
    ASSERT_TRUE(fake->registerService());
    const QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/home");
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto utc = [](qint64 secondsFromNow) {
        return QDateTime::currentDateTimeUtc()
            .addSecs(secondsFromNow)
            .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
            .toUtf8();
    };
    QFile file(folder + QStringLiteral("/tea.ics"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:tea\r\n"
               "DTSTAMP:20260101T000000Z\r\nDTSTART:" +
               utc(62) + "\r\nDTEND:" + utc(62 + 1800) +
               "\r\nSUMMARY:Tea\r\nLOCATION:Garden\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
               "DESCRIPTION:Tea\r\nTRIGGER:-PT1M\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    QProcess agent;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.configHome());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), env.dataHome());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->address());
    agent.setProcessEnvironment(environment);
    agent.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    agent.start(QStringLiteral(QAMARLY_NOTIFYD), {});
    ASSERT_TRUE(agent.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->countOf(QStringLiteral("Tea")) == 1; }, patienceMs));
    EXPECT_TRUE(fake->shown.last().body.endsWith(QStringLiteral("\nGarden")));
    agent.kill();
    agent.waitForFinished();
}

// The badge switch turned off by a change whose replanning was killed: the
// old plan with its badges is still pending. The agent has it made again
// before it delivers anything, so the launcher never shows a number.
TEST_F(DeliveryAgentTest, APlanMadeForOtherSettingsIsMadeAgainBeforeAnythingIsDelivered)
{
    ASSERT_TRUE(fake->registerService());
    LocalNotificationCenter center(path);
    NotificationSettings allowed;
    allowed.authorizationStatus = AuthorizationStatus::authorized;
    allowed.options = AuthorizationOption::alert | AuthorizationOption::badge;
    ASSERT_TRUE(center.setNotificationSettings(allowed));
    app::notifications::NotificationScheduler scheduler(&center);
    core::GlobalSettings::resetShared();
    scheduler.rescheduleNotifications(); // today's badge comes a second later
    ASSERT_TRUE(scheduler.waitForPasses(patienceMs));
    env.suite()->setBoolean(core::keys::todayAppBadgeEnabled, false);
    core::GlobalSettings::resetShared();

    DeliveryAgentOptions o = options();
    int repairs = 0;
    o.repairPlan = [&](std::function<void()> finished) {
        ++repairs; // as `qamarly notifications refresh` does
        scheduler.refreshNotificationsIfNeeded();
        scheduler.waitForPasses(patienceMs);
        finished();
    };
    DeliveryAgent agent(o);
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return repairs > 0 && !fake->launcherUpdates.isEmpty(); }, patienceMs));
    QTest::qWait(2000); // past the second after which the old plan's badge would have come
    EXPECT_EQ(repairs, 1);
    for (const auto &update : fake->launcherUpdates)
        EXPECT_FALSE(update.value(QStringLiteral("count-visible")).toBool())
            << update.value(QStringLiteral("count")).toLongLong();
    for (const auto &e : entries(NotificationStore::State::pending))
        EXPECT_EQ(e.request.content.badge, std::nullopt) << e.request.identifier.toStdString();
    EXPECT_TRUE(entries(NotificationStore::State::delivered).isEmpty());
}

TEST_F(DeliveryAgentTest, ASecondAgentForTheSameStoreStepsAside)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), env.configHome());
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->address());
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(QAMARLY_NOTIFYD), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake->launcherUpdates.size() == 1; }, patienceMs));
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(QAMARLY_NOTIFYD), {});
    ASSERT_TRUE(second.waitForFinished(patienceMs));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    first.kill();
    first.waitForFinished();
}

} // namespace
