// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The agent starts after login by whichever means the session has, and stops
// doing so once both switches are off; systemctl is asked only for a change.
#include "platform/notifications/AgentLoginStart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::AgentLoginStart;

namespace {

struct Session
{
    QTemporaryDir root;
    QList<QStringList> calls;

    QString path(const QString &relative) const { return root.filePath(relative); }
    void touch(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    AgentLoginStart loginStart()
    {
        return AgentLoginStart({path(QStringLiteral("run")),
                                {path(QStringLiteral("units"))},
                                path(QStringLiteral("config")),
                                QStringLiteral("/opt/my apps/qamarly-notifyd"),
                                [this](const QStringList &arguments) { calls.append(arguments); }});
    }
    QString read(const QString &file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

TEST(AgentLoginStart, EnablesTheUnitWhereSystemdKnowsIt)
{
    Session s;
    s.touch(QStringLiteral("run/systemd/private"));
    s.touch(QStringLiteral("units/qamarly-notifyd.service"));
    AgentLoginStart start = s.loginStart();
    start.setEnabled(true);
    ASSERT_EQ(s.calls.size(), 1);
    EXPECT_EQ(s.calls[0], (QStringList{QStringLiteral("--user"), QStringLiteral("enable"),
                                       QStringLiteral("qamarly-notifyd.service")}));
    EXPECT_FALSE(QFileInfo::exists(start.autostartPath()));

    // Enabled already (systemctl made the link): nothing to do.
    s.touch(QStringLiteral("config/systemd/user/graphical-session.target.wants/qamarly-notifyd.service"));
    start.setEnabled(true);
    EXPECT_EQ(s.calls.size(), 1);
    start.setEnabled(false);
    ASSERT_EQ(s.calls.size(), 2);
    EXPECT_EQ(s.calls[1], (QStringList{QStringLiteral("--user"), QStringLiteral("disable"),
                                       QStringLiteral("qamarly-notifyd.service")}));
}

TEST(AgentLoginStart, WritesAnAutostartEntryWithoutSystemdAndRemovesIt)
{
    Session s;
    // A unit installed, but no user manager runs: systemctl could not enable it.
    s.touch(QStringLiteral("units/qamarly-notifyd.service"));
    AgentLoginStart start = s.loginStart();
    start.setEnabled(true);
    EXPECT_TRUE(s.calls.isEmpty());
    const QString entry = s.read(start.autostartPath());
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n"))) << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"/opt/my apps/qamarly-notifyd\"\n")))
        << entry.toStdString();

    start.setEnabled(false);
    EXPECT_FALSE(QFileInfo::exists(start.autostartPath()));
    EXPECT_TRUE(s.calls.isEmpty());
}

TEST(AgentLoginStart, DropsAnAutostartEntryOnceSystemdStartsTheAgent)
{
    Session s;
    AgentLoginStart start = s.loginStart();
    start.setEnabled(true);
    ASSERT_TRUE(QFileInfo::exists(start.autostartPath()));
    s.touch(QStringLiteral("run/systemd/private"));
    s.touch(QStringLiteral("units/qamarly-notifyd.service"));
    start.setEnabled(true);
    EXPECT_FALSE(QFileInfo::exists(start.autostartPath())) << "would start a second agent";
    EXPECT_EQ(s.calls.size(), 1);
}

} // namespace
