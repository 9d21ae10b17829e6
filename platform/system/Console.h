// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <functional>

namespace platform {

// The platform console: plain diagnostic lines, no levels. Goes to stderr
// unless a test captures it.
void consoleLog(const QString &line);
using ConsoleSink = std::function<void(const QString &)>;
// Returns the previous sink; an empty sink means stderr.
ConsoleSink setConsoleSink(ConsoleSink sink);

// `text` with its control characters written as escapes (\n, \t, \x1b ...),
// so that echoing what someone typed can neither split a line nor drive the
// terminal.
QString printable(const QString &text);

} // namespace platform
