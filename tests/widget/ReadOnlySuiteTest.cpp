// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/SharedDefaults.h"
#include "platform/defaults/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "widget/Provider.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QString appGroupPath()
{
    return platform::UserDefaults::suitePath(QString::fromLatin1(core::appGroupIdentifier));
}

TEST(ReadOnlySuite, AMissingSuiteReadsAsEmptyAndIsNeverCreated)
{
    testenv::ScopedEnvironment env;
    const auto suite = platform::UserDefaults::openReadOnly(appGroupPath());
    EXPECT_TRUE(suite->isReadOnly());
    EXPECT_FALSE(suite->integer(core::keys::adjustmentNumber).has_value());
    suite->setInteger(core::keys::adjustmentNumber, 3);
    suite->remove(core::keys::wallpaperIndex);
    EXPECT_FALSE(suite->flush());
    EXPECT_FALSE(suite->integer(core::keys::adjustmentNumber).has_value());
    EXPECT_TRUE(suite->keys().isEmpty());
    EXPECT_FALSE(QFile::exists(appGroupPath()));
    EXPECT_FALSE(QDir(platform::UserDefaults::configDirectory()).exists());
}

TEST(ReadOnlySuite, ReadsWhatTheApplicationWritesAlsoWhenTheSuiteAppearsLater)
{
    testenv::ScopedEnvironment env;
    const auto reader = platform::UserDefaults::openReadOnly(appGroupPath());
    EXPECT_FALSE(reader->integer(core::keys::adjustmentNumber).has_value());

    const auto writer = platform::UserDefaults::open(appGroupPath());
    writer->setInteger(core::keys::adjustmentNumber, -2);
    ASSERT_TRUE(writer->flush());
    EXPECT_EQ(reader->integer(core::keys::adjustmentNumber), -2);

    writer->setInteger(core::keys::adjustmentNumber, 1);
    EXPECT_EQ(reader->integer(core::keys::adjustmentNumber), 1);
    EXPECT_EQ(reader->keys(), QStringList{core::keys::adjustmentNumber});

    reader->setInteger(core::keys::adjustmentNumber, 5);
    EXPECT_EQ(writer->integer(core::keys::adjustmentNumber), 1);
}

TEST(ReadOnlySuite, ACorruptSuiteIsLeftAloneAndReadsAsEmpty)
{
    testenv::ScopedEnvironment env;
    QDir().mkpath(platform::UserDefaults::configDirectory());
    const QByteArray garbage("this is not a database, and it stays as it is\n");
    {
        QFile file(appGroupPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    const auto suite = platform::UserDefaults::openReadOnly(appGroupPath());
    EXPECT_FALSE(suite->integer(core::keys::adjustmentNumber).has_value());

    QFile file(appGroupPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    EXPECT_EQ(QDir(platform::UserDefaults::configDirectory()).entryList(QDir::Files),
              QStringList{QFileInfo(appGroupPath()).fileName()});
}

TEST(ReadOnlySuite, TheWidgetMakesItsTimelineWithoutASuiteAndWritesNothing)
{
    testenv::ScopedEnvironment env;
    core::setSharedDefaults(platform::UserDefaults::openReadOnly(appGroupPath()));
    widget::Provider::resetSharedConverter();

    widget::Timeline timeline;
    widget::Provider().getTimeline({}, [&](const widget::Timeline &t) { timeline = t; });

    ASSERT_EQ(timeline.entries.size(), 30u);
    EXPECT_EQ(widget::Provider::sharedConverter().adjustmentNumber(), 0);
    EXPECT_EQ(timeline.entries.front().hijriDate->date(), timeline.entries.front().date);
    EXPECT_FALSE(QDir(platform::UserDefaults::configDirectory()).exists());
    widget::Provider::resetSharedConverter();
}

} // namespace
