// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Where diagnostic lines end: stderr, or the sink a test installed. Code
// writes through the categories of Logging.h, which come here only when a
// sink captures the console.
void consoleLog(const QString &line);
using ConsoleSink = std::function<void(const QString &)>;
// Returns the previous sink; an empty sink means stderr.
ConsoleSink setConsoleSink(ConsoleSink sink);
// Whether a sink takes the lines instead of stderr.
bool consoleCaptured();

// `text` with its control characters written as escapes (\n, \t, \x1b ...),
// so that echoing what someone typed can neither split a line nor drive the
// terminal.
QString printable(const QString &text);

} // namespace platform
