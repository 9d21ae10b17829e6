// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>

class QSocketNotifier;

namespace platform::ical {

// Tells of every change in the folders it watches, a file written in place
// as much as one added, removed or renamed: the kernel's inotify watch on
// each folder. (A directory watch that misses writes in place cannot stand
// in for reading the folder.) Lives on the thread that made it.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatch(QObject *parent = nullptr);
    ~FolderWatch() override;
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // False when the folder cannot be watched (gone, or no watches left).
    bool watch(const QString &folder);
    bool watches(const QString &folder) const;
    QStringList folders() const;

    // Whether every change to the files of `folder` reaches a watch: a
    // local file system, and no file that is a link to one elsewhere.
    static bool seesEveryChange(const QString &folder, bool hasLinks);

signals:
    // `folder` changed; every folder did when the kernel lost count.
    void changed(const QString &folder);

private:
    void readEvents();

    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    std::map<int, QString> folderOf_;
};

} // namespace platform::ical
