// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/widgets/WidgetCenter.h"

#include "platform/defaults/SqliteFile.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray readRequest(const QString &path)
{
    // Opening a FIFO would wait for a writer that never comes; a request is
    // one short line, so never more than that is read.
    return readRegularFileHead(path, 256).value_or(QByteArray());
}

} // namespace

WidgetCenter &WidgetCenter::shared()
{
    static WidgetCenter center;
    return center;
}

QString WidgetCenter::requestFilePath()
{
    return UserDefaults::configDirectory() + QStringLiteral("/widget-center/reload-request");
}

void WidgetCenter::reloadAllTimelines()
{
    const QString path = requestFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (isSpecialFile(path) || QFileInfo(path).isSymLink()) {
        // A FIFO here would block the write until someone reads it; a link
        // would have us write into whatever it points at.
        const QString aside = path + QStringLiteral(".corrupt-") +
                              QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
        const bool moved = QFile::rename(path, aside);
        consoleWarning(lcWidget(), QStringLiteral("%1 is not a regular file; %2")
                                       .arg(path, moved ? QStringLiteral("moved it to %1").arg(aside)
                                                        : QStringLiteral("widgets are not asked to reload")));
        if (!moved)
            return;
    }
    // Every request differs from the one before, also between processes, so a
    // host only has to notice that the content changed.
    const QByteArray token = QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                             QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' +
                             QByteArray::number(++sequence_) + '\n';
    // Rewritten in place (not replaced) so watches on the file itself keep
    // working; never through a link or into a FIFO put there since the check.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info
    {
    };
    const bool regular = fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const bool written = regular && ::ftruncate(fd, 0) == 0 &&
                         ::write(fd, token.constData(), static_cast<size_t>(token.size())) == token.size();
    const int failure = errno;
    if (fd >= 0)
        ::close(fd);
    if (!written)
        consoleWarning(lcWidget(),
                       QStringLiteral("Could not ask the widgets to reload (%1): %2")
                           .arg(path, regular || fd < 0 ? QString::fromLocal8Bit(std::strerror(failure))
                                                        : QStringLiteral("not a regular file")));
}

TimelineReloadListener::TimelineReloadListener(QObject *parent)
    : TimelineReloadListener(WidgetCenter::requestFilePath(), parent)
{
}

TimelineReloadListener::TimelineReloadListener(const QString &requestFile, QObject *parent)
    : QObject(parent), path_(requestFile), watcher_(new QFileSystemWatcher(this)), poll_(new QTimer(this))
{
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lastSeen_ = readRequest(path_);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &TimelineReloadListener::check);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TimelineReloadListener::check);
    connect(poll_, &QTimer::timeout, this, &TimelineReloadListener::check);
    poll_->start(pollIntervalMs);
    rewatch();
}

void TimelineReloadListener::rewatch()
{
    const QString dir = QFileInfo(path_).absolutePath();
    if (!watcher_->directories().contains(dir) && QFileInfo::exists(dir))
        watcher_->addPath(dir);
    if (!watcher_->files().contains(path_) && QFileInfo::exists(path_))
        watcher_->addPath(path_);
}

void TimelineReloadListener::check()
{
    rewatch();
    const QByteArray now = readRequest(path_);
    if (now == lastSeen_)
        return;
    lastSeen_ = now;
    // A removed or emptied file is no request; the next write will be.
    if (!now.isEmpty())
        emit reloadRequested();
}

} // namespace platform
