// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The adjustment reaches the watch when the session activates, when the
// watch asks, and when the user changes it; nothing happens without a watch.
#include "Printing.h"
#include "app/shell/AppDelegate.h"
#include "core/GlobalSettings.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"
#include "platform/watch/testing/LoopbackWatchSession.h"
#include "support/DebugLines.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>

namespace {

using platform::WatchSessionActivationState;

QApplication &application()
{
    return *qobject_cast<QApplication *>(QCoreApplication::instance());
}

class WatchLink : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previousSink_ = platform::setConsoleSink([this](const QString &line) {
            console << line;
            consoleThreads << QThread::currentThread();
        });
        services_.center = &center_;
        services_.refreshNotificationsIfNeeded = [] {};
    }
    void TearDown() override
    {
        platform::WatchSession::setDefaultSession(nullptr);
        platform::setConsoleSink(previousSink_);
    }
    std::shared_ptr<platform::LoopbackWatchSession> installWatch()
    {
        auto watch = std::make_shared<platform::LoopbackWatchSession>();
        platform::WatchSession::setDefaultSession(watch);
        return watch;
    }
    static void setAdjustment(std::int64_t value)
    {
        core::GlobalSettings::shared().adjustmentNumber = value;
        core::GlobalSettings::shared().save();
    }
    static QList<qint64> adjustmentsReceived(const platform::LoopbackWatchSession &watch)
    {
        QList<qint64> values;
        for (const auto &context : watch.receivedContexts()) {
            EXPECT_EQ(context.keys(), QStringList{QStringLiteral("adjustmentNumber")});
            values << context.value(QStringLiteral("adjustmentNumber")).toLongLong();
        }
        return values;
    }

    testenv::ScopedEnvironment env_;
    // The watch's debug lines, quiet by default, are what these tests read.
    testenv::DebugLinesOn watchLines_{lcWatch()};
    platform::TestNotificationCenter center_;
    app::shell::AppServices services_;
    QStringList console;
    QList<QThread *> consoleThreads;

private:
    platform::ConsoleSink previousSink_;
};

TEST_F(WatchLink, WithoutWatchSupportLaunchReturnsAndChangesSendNothing)
{
    app::shell::AppDelegate delegate(services_);
    EXPECT_FALSE(platform::WatchSession::isSupported());
    EXPECT_TRUE(delegate.didFinishLaunchingWithOptions(application(), {}));
    delegate.applicationWillEnterForeground(application());
    setAdjustment(-1);
    app::shell::sendAdjustmentToWatch();
    EXPECT_EQ(delegate.watchSession(), nullptr);
    EXPECT_EQ(console, QStringList{QStringLiteral("will send data to watch: AdjuNo: -1")});
}

TEST_F(WatchLink, ActivationSendsTheCurrentAdjustment)
{
    auto watch = installWatch();
    setAdjustment(2);
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    EXPECT_EQ(delegate.watchSession(), watch.get());
    EXPECT_EQ(watch->delegate(), &delegate);
    EXPECT_EQ(watch->activationRequests(), 1);

    watch->completeActivation(WatchSessionActivationState::activated);
    EXPECT_EQ(adjustmentsReceived(*watch), QList<qint64>{2});
    EXPECT_EQ(console, QStringList{QStringLiteral("will send data to watch: AdjuNo: 2")});
}

TEST_F(WatchLink, ActivationThatFailsOrEndsInactiveSendsNothing)
{
    auto watch = installWatch();
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    watch->completeActivation(WatchSessionActivationState::inactive);
    watch->completeActivation(WatchSessionActivationState::activated, QStringLiteral("paired watch gone"));
    watch->deactivate();
    EXPECT_TRUE(watch->receivedContexts().isEmpty());
    EXPECT_TRUE(console.isEmpty());
}

TEST_F(WatchLink, EveryReturnToTheForegroundActivatesTheSessionAgain)
{
    auto watch = installWatch();
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    delegate.applicationWillEnterForeground(application());
    delegate.applicationWillEnterForeground(application());
    EXPECT_EQ(watch->activationRequests(), 3);
}

TEST_F(WatchLink, TheWatchAskingWithGetDataIsAnsweredAndAnythingElseIsIgnored)
{
    auto watch = installWatch();
    watch->setActivatesImmediately(true);
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    setAdjustment(3);

    watch->sendContextFromWatch({{QStringLiteral("message"), QStringLiteral("GETDATA")}});
    watch->sendContextFromWatch({{QStringLiteral("message"), QStringLiteral("getdata")}});
    watch->sendContextFromWatch({{QStringLiteral("request"), QStringLiteral("GETDATA")}});
    watch->sendContextFromWatch({{QStringLiteral("message"), QByteArray("GETDATA")}});
    watch->sendContextFromWatch({});
    EXPECT_EQ(adjustmentsReceived(*watch), (QList<qint64>{0, 3}));
}

TEST_F(WatchLink, SteppingTheAdjustmentSendsTheSavedValueRightAway)
{
    auto watch = installWatch();
    watch->setActivatesImmediately(true);
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    setAdjustment(-1);
    app::shell::sendAdjustmentToWatch();
    EXPECT_EQ(adjustmentsReceived(*watch), (QList<qint64>{0, -1}));
    EXPECT_EQ(console.last(), QStringLiteral("will send data to watch: AdjuNo: -1"));
}

TEST_F(WatchLink, AnUpdateRefusedBeforeActivationIsLoggedAndTheValueArrivesOnActivation)
{
    auto watch = installWatch();
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    setAdjustment(1);
    app::shell::sendAdjustmentToWatch();
    ASSERT_EQ(console.size(), 2);
    EXPECT_EQ(console.at(1),
              QStringLiteral("Updating the context failed: The watch session has not been activated."));
    EXPECT_TRUE(watch->receivedContexts().isEmpty());

    watch->completeActivation(WatchSessionActivationState::activated);
    EXPECT_EQ(adjustmentsReceived(*watch), QList<qint64>{1});

    watch->refuseUpdates(QStringLiteral("Payload too large"));
    app::shell::sendAdjustmentToWatch();
    EXPECT_EQ(console.last(), QStringLiteral("Updating the context failed: Payload too large"));
    EXPECT_EQ(watch->receivedContexts().size(), 1) << "no retry";
}

TEST_F(WatchLink, CallbacksFromABackgroundThreadAreAnsweredOnTheMainThread)
{
    auto watch = installWatch();
    app::shell::AppDelegate delegate(services_);
    delegate.didFinishLaunchingWithOptions(application(), {});
    setAdjustment(4);

    std::thread([&] {
        watch->completeActivation(WatchSessionActivationState::activated);
        watch->sendContextFromWatch({{QStringLiteral("message"), QStringLiteral("GETDATA")}});
    }).join();
    EXPECT_TRUE(watch->receivedContexts().isEmpty()) << "nothing read the settings on the session's thread";

    QCoreApplication::processEvents();
    EXPECT_EQ(adjustmentsReceived(*watch), (QList<qint64>{4, 4}));
    ASSERT_EQ(consoleThreads.size(), 2);
    for (QThread *thread : consoleThreads)
        EXPECT_EQ(thread, QCoreApplication::instance()->thread());
}

TEST_F(WatchLink, SendingWithoutADelegateDoesNothing)
{
    EXPECT_EQ(app::shell::AppDelegate::shared(), nullptr);
    app::shell::sendAdjustmentToWatch();
    EXPECT_TRUE(console.isEmpty());
}

} // namespace
