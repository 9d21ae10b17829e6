// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Reading a file that someone else may have put in our way: a FIFO would block
// the open for good, a device such as /dev/zero never ends, a huge file would
// take all memory. The file is opened without blocking, must be a regular file
// once open (so a link to anything else is refused too), and is read only up to
// a cap.

// The whole file, or nothing when it is not a regular file, cannot be read or
// holds more than maxBytes; *error then says why (in English, for the log).
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error = nullptr);

// Its first maxBytes at most: a longer file is cut, not refused.
std::optional<QByteArray> readRegularFileHead(const QString &path, qint64 maxBytes, QString *error = nullptr);

} // namespace platform
