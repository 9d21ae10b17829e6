// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/widgets/WidgetCenter.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Generous: the request normally arrives at once (inotify) and at the latest
// after one poll; a loaded test machine must not make this fail.
constexpr int patienceMs = 10000;

TEST(WidgetCenter, ReloadRequestReachesEveryRunningListener)
{
    testenv::ScopedEnvironment env;
    platform::TimelineReloadListener first;
    platform::TimelineReloadListener second;
    QSignalSpy firstSpy(&first, &platform::TimelineReloadListener::reloadRequested);
    QSignalSpy secondSpy(&second, &platform::TimelineReloadListener::reloadRequested);

    platform::WidgetCenter::shared().reloadAllTimelines();

    ASSERT_TRUE(firstSpy.wait(patienceMs));
    if (secondSpy.isEmpty()) {
        ASSERT_TRUE(secondSpy.wait(patienceMs));
    }
    EXPECT_EQ(firstSpy.size(), 1);
    EXPECT_EQ(secondSpy.size(), 1);
}

TEST(WidgetCenter, EachRequestIsSeenAgainAndOldOnesAreNot)
{
    testenv::ScopedEnvironment env;
    platform::WidgetCenter::shared().reloadAllTimelines();
    platform::TimelineReloadListener listener;
    QSignalSpy spy(&listener, &platform::TimelineReloadListener::reloadRequested);

    // The request made before the host started is not a new one.
    EXPECT_FALSE(spy.wait(2 * platform::TimelineReloadListener::pollIntervalMs));

    platform::WidgetCenter::shared().reloadAllTimelines();
    ASSERT_TRUE(spy.wait(patienceMs));
    platform::WidgetCenter::shared().reloadAllTimelines();
    ASSERT_TRUE(spy.wait(patienceMs));
    EXPECT_EQ(spy.size(), 2);
}

TEST(WidgetCenter, ARequestIsNeverWrittenThroughALinkLeftAtItsFile)
{
    testenv::ScopedEnvironment env;
    const QString path = platform::WidgetCenter::requestFilePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    const QString victim = env.configHome() + QStringLiteral("/victim");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("somebody else's\n");
    }
    ASSERT_TRUE(QFile::link(victim, path));
    platform::TimelineReloadListener listener;
    QSignalSpy spy(&listener, &platform::TimelineReloadListener::reloadRequested);

    platform::WidgetCenter::shared().reloadAllTimelines();
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("somebody else's\n"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_TRUE(spy.wait(patienceMs)) << "the request still reaches the widgets";
}

TEST(WidgetCenter, PollingCatchesARequestFileWrittenBehindTheWatchersBack)
{
    testenv::ScopedEnvironment env;
    platform::TimelineReloadListener listener;
    QSignalSpy spy(&listener, &platform::TimelineReloadListener::reloadRequested);

    // Replace the file (a new inode) the way another tool might.
    const QString path = platform::WidgetCenter::requestFilePath();
    QFile::remove(path);
    QFile file(path + QStringLiteral(".new"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("elsewhere 1\n");
    file.close();
    ASSERT_TRUE(QFile::rename(path + QStringLiteral(".new"), path));

    ASSERT_TRUE(spy.wait(patienceMs));
    platform::WidgetCenter::shared().reloadAllTimelines();
    ASSERT_TRUE(spy.wait(patienceMs));
    EXPECT_EQ(spy.size(), 2);
}

TEST(WidgetCenter, RequestFileLivesBesideTheAppGroupSuite)
{
    testenv::ScopedEnvironment env;
    EXPECT_TRUE(
        platform::WidgetCenter::requestFilePath().startsWith(env.configHome() + QStringLiteral("/qamarly/")));
}

} // namespace
