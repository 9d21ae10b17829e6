// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// One Qamarly per session: a later start hands its arguments to the first.
#include "app/shell/SingleInstance.h"

#include "Printing.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using Outcome = app::shell::SingleInstance::Outcome;

// Runs `work` on another thread while this one keeps serving events, as two
// processes would run side by side.
template <typename Work> void whileServing(Work work)
{
    std::atomic<bool> done = false;
    std::thread thread([&] {
        work();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    thread.join();
    QCoreApplication::processEvents();
}

Outcome claimFromAnotherStart(const QString &name, const QStringList &arguments)
{
    Outcome outcome = Outcome::failed;
    whileServing([&] {
        app::shell::SingleInstance second(name);
        outcome = second.claim(arguments);
    });
    return outcome;
}

// What a Qamarly that crashed leaves behind: a socket file nobody listens on.
void leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    std::memcpy(address.sun_path, bytes.constData(), bytes.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(SingleInstance, ASecondStartHandsItsArgumentsToTheFirstAndDoesNotRunItself)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("q.socket"));
    app::shell::SingleInstance first(name);
    ASSERT_EQ(first.claim({}), Outcome::primary);
    QSignalSpy requests(&first, &app::shell::SingleInstance::activationRequested);

    // The launcher's activation token travels with the request.
    qputenv("XDG_ACTIVATION_TOKEN", "launcher-token-1");
    EXPECT_EQ(claimFromAnotherStart(name, {QStringLiteral("qamarly://today")}), Outcome::forwarded);
    qunsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(claimFromAnotherStart(name, {}), Outcome::forwarded);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests.at(0).at(0).toStringList(), QStringList{QStringLiteral("qamarly://today")});
    EXPECT_EQ(requests.at(0).at(1).toString(), QStringLiteral("launcher-token-1"));
    EXPECT_EQ(requests.at(1).at(0).toStringList(), QStringList{});
}

TEST(SingleInstance, AStaleSocketFromACrashedStartIsTakenOver)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("q.socket"));
    leaveStaleSocket(name);
    ASSERT_TRUE(QFile::exists(name));

    app::shell::SingleInstance first(name);
    EXPECT_EQ(first.claim({}), Outcome::primary);
    QSignalSpy requests(&first, &app::shell::SingleInstance::activationRequested);
    EXPECT_EQ(claimFromAnotherStart(name, {}), Outcome::forwarded);
    EXPECT_EQ(requests.size(), 1);
}

TEST(SingleInstance, AMalformedRequestIsDroppedWithoutActivating)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("q.socket"));
    app::shell::SingleInstance first(name);
    ASSERT_EQ(first.claim({}), Outcome::primary);
    QSignalSpy requests(&first, &app::shell::SingleInstance::activationRequested);

    QByteArray answer = "unanswered";
    whileServing([&] {
        QLocalSocket socket;
        socket.connectToServer(name);
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write("{\"activate\": 7}\n");
        socket.waitForBytesWritten(5000);
        if (socket.waitForReadyRead(5000))
            answer = socket.readAll();
        else
            answer = socket.state() == QLocalSocket::UnconnectedState ? "closed" : "no answer";
    });
    EXPECT_EQ(answer, "closed");
    EXPECT_EQ(requests.size(), 0);
}

TEST(SingleInstance, TheSocketIsTheUsersAloneAndGoesWithTheWindow)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("q.socket"));
    {
        app::shell::SingleInstance first(name);
        ASSERT_EQ(first.claim({}), Outcome::primary);
        struct stat status
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &status), 0);
        EXPECT_TRUE(S_ISSOCK(status.st_mode));
        EXPECT_EQ(status.st_mode & 077, 0u) << "others may connect";
    }
    EXPECT_FALSE(QFile::exists(name));

    // A name no socket address can hold is refused, not cut short.
    const QString tooLong = dir.filePath(QString(120, QLatin1Char('q')));
    app::shell::SingleInstance second(tooLong);
    EXPECT_EQ(second.claim({}), Outcome::failed);
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden),
        QStringList{})
        << "a socket made under a shortened name";
}

TEST(SingleInstance, TheDefaultSocketLivesInTheUsersRuntimeFolder)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(app::shell::SingleInstance::defaultServerName(),
              dir.filePath(QStringLiteral("qamarly-%1.socket").arg(::getuid())));
    qputenv("XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("missing")).toLocal8Bit());
    EXPECT_TRUE(app::shell::SingleInstance::defaultServerName().startsWith(QDir::tempPath()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
