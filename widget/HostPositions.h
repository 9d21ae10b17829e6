// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "widget/WidgetFamily.h"

#include <QLockFile>
#include <QMap>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

namespace widget {

// Where each kind and family of widget was left on the desktop: the host's
// own small INI file. The first time it is missing, the positions kept by
// earlier versions in the widget's settings suite are copied over once.
//
// The file is read as anything in the user's folders is: without blocking,
// a regular file only, and only so much of it. A save re-reads it, changes
// only this widget's place (another host may have saved its own since) and
// replaces it by renaming a new file over it, never writing through a link.
class HostPositions
{
public:
    // Far above any real file: a few lines per widget.
    static constexpr qint64 maxFileBytes = 64 * 1024;

    // $XDG_CONFIG_HOME/qamarly/widget-host.conf.
    static QString defaultPath();
    // The suite that earlier versions kept the positions in.
    static QString oldSuitePath();

    explicit HostPositions(const QString &path = defaultPath(), const QString &oldSuite = oldSuitePath());

    // Several widgets of one choice each have a place: slot 0 is the first
    // one's (and the only one's), further ones are numbered from 2.
    static QString key(const WidgetChoice &choice, const char *axis, int slot = 0);
    std::optional<QPoint> position(const WidgetChoice &choice, int slot = 0) const;
    // Written at once and atomically; false (and one log line) when it could not be.
    bool save(const WidgetChoice &choice, QPoint position, int slot = 0);
    // The lowest slot of `choice` no running widget holds, held in `lock`
    // until it is released or the process ends.
    int claimSlot(const WidgetChoice &choice, std::unique_ptr<QLockFile> &lock) const;
    QString path() const { return path_; }

private:
    // Keys as the file writes them, "section/key" outside [General].
    using Values = QMap<QString, QString>;
    void importOldSuite(const QString &oldSuite);
    Values read() const;
    bool write(const Values &values, QString *error) const;
    // Re-reads, applies `changes`, writes; under a lock against other hosts.
    bool update(const Values &changes);

    QString path_;
    Values values_;
};

// The INI text QSettings reads and writes, for the handful of plain keys the
// host keeps; lines it cannot read are left out.
QMap<QString, QString> parseIni(const QByteArray &text);
QByteArray formatIni(const QMap<QString, QString> &values);

} // namespace widget
