// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The window's own settings file beside the other programs of a session. The
// window holds two users of it (the store components' suite, and the event
// store and the window's placement asking for it at each use) while other
// processes open, write and close the same file again and again, each as the
// last user it thinks it is. Nothing the window writes may vanish, its log
// may never be deleted from under it, and nothing is moved aside.
#include "Printing.h"
#include "TestEnvironment.h"
#include "platform/defaults/StandardUserDefaults.h"
#include "platform/defaults/UserDefaults.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// The files under `prefix` this process holds open although they were deleted.
QStringList deletedFilesHeld(const QString &prefix)
{
    QStringList held;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[4096];
        const ssize_t n =
            ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target - 1);
        if (n <= 0)
            continue;
        const QString name = QFile::decodeName(QByteArray(target, static_cast<qsizetype>(n)));
        if (name.startsWith(prefix) && name.endsWith(QLatin1String(" (deleted)")))
            held << name;
    }
    return held;
}

// What another process finds under `key` (after checking the whole file).
QString readElsewhere(const QString &path, const QString &key)
{
    QProcess probe;
    probe.start(QStringLiteral(ATTACK_PROBE), {QStringLiteral("suite"), path, key});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        return QStringLiteral("unreadable: ") + QString::fromLocal8Bit(probe.readAllStandardError());
    return QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
}

constexpr int otherProcesses = 3;
constexpr int opensEach = 40;

TEST(SettingsFileSharing, TheWindowKeepsEveryRowWhileOtherProcessesOpenAndCloseItsFile)
{
    testenv::ScopedEnvironment env;
    const QString path = platform::UserDefaults::suitePath(QStringLiteral("org.qamarly.Qamarly"));
    const auto storeComponents = platform::standardUserDefaults();
    storeComponents->setInteger(QStringLiteral("window-started"), 1);

    std::vector<std::unique_ptr<QProcess>> others;
    for (int i = 0; i < otherProcesses; ++i) {
        others.push_back(std::make_unique<QProcess>());
        others.back()->start(
            QStringLiteral(ATTACK_PROBE),
            {QStringLiteral("churn"), path, QStringLiteral("other%1").arg(i), QString::number(opensEach)});
        ASSERT_TRUE(others.back()->waitForStarted(10000));
    }
    const auto running = [&others] {
        bool any = false;
        for (const auto &p : others) {
            p->waitForFinished(0); // takes note of an end
            any = any || p->state() != QProcess::NotRunning;
        }
        return any;
    };

    int written = 0;
    QStringList deleted;
    QElapsedTimer elapsed;
    elapsed.start();
    while (running() && elapsed.elapsed() < 60000) {
        // A click: the event store asks for the defaults again and writes.
        platform::UserDefaults::standard()->setInteger(QStringLiteral("window-%1").arg(written), written);
        storeComponents->setInteger(QStringLiteral("window-last"), written);
        ++written;
        deleted = deletedFilesHeld(path);
        if (!deleted.isEmpty())
            break;
    }
    for (const auto &p : others) {
        ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished(30000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    EXPECT_EQ(deleted, QStringList()) << "the window's log was deleted while it held it";
    ASSERT_GT(written, 0);
    // What met another process's lock is written in the background.
    ASSERT_TRUE(storeComponents->waitForWrites(30000));

    EXPECT_EQ(QDir(env.configHome() + QStringLiteral("/qamarly"))
                  .entryList({QStringLiteral("*.corrupt-*")}, QDir::AllEntries | QDir::System),
              QStringList());
    // Every row is where any process looks for it.
    EXPECT_EQ(readElsewhere(path, QStringLiteral("window-started")), QStringLiteral("1"));
    EXPECT_EQ(readElsewhere(path, QStringLiteral("window-0")), QStringLiteral("0"));
    EXPECT_EQ(readElsewhere(path, QStringLiteral("window-last")), QString::number(written - 1));
    EXPECT_EQ(readElsewhere(path, QStringLiteral("window-%1").arg(written - 1)),
              QString::number(written - 1));
    for (int i = 0; i < otherProcesses; ++i)
        EXPECT_EQ(readElsewhere(path, QStringLiteral("other%1-%2").arg(i).arg(opensEach - 1)),
                  QString::number(opensEach - 1));
    EXPECT_EQ(storeComponents->integer(QStringLiteral("other0-0")), 0) << "the window sees the others' rows";
}

} // namespace
