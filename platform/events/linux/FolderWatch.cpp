// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/FolderWatch.h"

#include "platform/system/Logging.h"

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform::ical {

namespace {

constexpr std::uint32_t folderEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO |
                                       IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

FolderWatch::FolderWatch(QObject *parent) : QObject(parent)
{
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        qCWarning(lcEvents, "Cannot watch the calendar folders: %s", std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FolderWatch::readEvents);
}

FolderWatch::~FolderWatch()
{
    if (fd_ >= 0) {
        delete notifier_;
        ::close(fd_);
    }
}

bool FolderWatch::watch(const QString &folder)
{
    if (fd_ < 0)
        return false;
    if (watches(folder))
        return true;
    const int id = ::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), folderEvents | IN_ONLYDIR);
    if (id < 0)
        return false;
    folderOf_[id] = folder;
    return true;
}

bool FolderWatch::watches(const QString &folder) const
{
    for (const auto &[id, watched] : folderOf_) {
        if (watched == folder)
            return true;
    }
    return false;
}

QStringList FolderWatch::folders() const
{
    QStringList out;
    for (const auto &[id, folder] : folderOf_)
        out << folder;
    return out;
}

bool FolderWatch::seesEveryChange(const QString &folder, bool hasLinks)
{
    if (hasLinks)
        return false;
    struct statfs info
    {
    };
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return false;
    // Network and user-space file systems change without telling this kernel.
    constexpr std::array<unsigned long, 8> local = {
        0xEF53,     // ext2, ext3, ext4
        0x9123683E, // btrfs
        0x58465342, // xfs
        0x01021994, // tmpfs
        0xF2F52010, // f2fs
        0x794C7630, // overlay
        0x2FC12FC1, // zfs
        0x3153464A, // jfs
    };
    const auto type = static_cast<unsigned long>(info.f_type);
    return std::find(local.begin(), local.end(), type) != local.end();
}

void FolderWatch::readEvents()
{
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t size = ::read(fd_, buffer, sizeof buffer);
        if (size <= 0)
            return;
        for (ssize_t at = 0; at < size;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                emit changed(QString());
                continue;
            }
            const auto it = folderOf_.find(event->wd);
            if (it == folderOf_.end())
                continue;
            const QString folder = it->second;
            // The folder itself went: it is watched again once it is back.
            if (event->mask & IN_IGNORED)
                folderOf_.erase(it);
            emit changed(folder);
        }
    }
}

} // namespace platform::ical
