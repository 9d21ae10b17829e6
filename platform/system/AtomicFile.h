// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file at `path` with `data` whole or not at all: a new file is
// written beside it and renamed over the path itself. A symbolic link at
// `path` is replaced by the new file, never written through, so a link left
// there (to a device, to another user's file) cannot send our bytes to its
// target. False, with *error saying why (for the log), when nothing changed.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

} // namespace platform
