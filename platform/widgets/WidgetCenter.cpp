#include "platform/widgets/WidgetCenter.h"

#include "platform/defaults/SqliteFile.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/Console.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace platform {

namespace {

QByteArray readRequest(const QString &path)
{
    // Opening a FIFO would wait for a writer that never comes.
    if (isSpecialFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A request is one short line; never read more than that.
    return file.read(256);
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
    if (isSpecialFile(path)) {
        // A FIFO here would block the write until someone reads it.
        const QString aside = path + QStringLiteral(".corrupt-") +
                              QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
        const bool moved = QFile::rename(path, aside);
        consoleLog(QStringLiteral("%1 is not a regular file; %2")
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
    // Rewritten in place (not replaced) so watches on the file itself keep working.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(token) != token.size()) {
        consoleLog(
            QStringLiteral("Could not ask the widgets to reload (%1): %2").arg(path, file.errorString()));
        return;
    }
    file.close();
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
