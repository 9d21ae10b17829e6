// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace platform {

// The desktop's stand-in for the widget system's reload request. Asking for a
// reload rewrites a small request file that every running widget host watches
// (TimelineReloadListener); no session bus is involved, so it also works in a
// bare X session, under Wayland and in tests.
class WidgetCenter
{
public:
    static WidgetCenter &shared();

    // Asks every running widget host to build its timelines again. Returns at
    // once; hosts react within a second. Failure gives one console line.
    void reloadAllTimelines();

    // $XDG_CONFIG_HOME/qamarly/widget-center/reload-request: beside the
    // app-group suite, so the application and its widgets always agree on it.
    static QString requestFilePath();

private:
    WidgetCenter() = default;
    quint64 sequence_ = 0;
};

// Watches the request file and emits reloadRequested() once per request made
// after it was created. inotify reports at once; a poll every
// pollIntervalMs catches what a watcher misses (a directory made later, a
// file system without notifications).
class TimelineReloadListener : public QObject
{
    Q_OBJECT
public:
    static constexpr int pollIntervalMs = 750;

    explicit TimelineReloadListener(QObject *parent = nullptr);
    TimelineReloadListener(const QString &requestFile, QObject *parent);

    QString requestFile() const { return path_; }

signals:
    void reloadRequested();

private:
    void check();
    void rewatch();

    QString path_;
    QByteArray lastSeen_;
    QFileSystemWatcher *watcher_;
    QTimer *poll_;
};

} // namespace platform
