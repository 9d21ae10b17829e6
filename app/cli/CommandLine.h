// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/commandline/ArgumentReader.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace app::cli {

// Every command reads its arguments with the reader all programs share.
using platform::ArgumentReader;

enum ExitCode
{
    exitOk = 0,
    exitFailure = 1,
    exitUsage = 2,
    exitNotAllowed = 3,
    exitStoreUnavailable = 4
};

// What a command gets: its own arguments (after the command word) and the two streams.
struct Invocation
{
    QStringList arguments;
    QTextStream &out;
    QTextStream &err;
};

using CommandHandler = std::function<int(Invocation &)>;

struct Command
{
    QString name;
    QString synopsis;
    CommandHandler run;
    // String-table key of the one line that says what the command does.
    const char *summaryKey = nullptr;
};

// Runs `arguments` (without the program name) when they name a command; no
// value when they name none, so the caller starts the user interface instead.
std::optional<int> runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
QString usage();
// The help of one command (`qamarly range --help`); empty for an unknown name.
QString commandUsage(const QString &name);
// "qamarly 1.0.0": the version the build was made from.
QString versionText();
// True when `arguments` hold nothing but the window toolkit's own options
// (-platform offscreen, -style ...) and addresses to open: the window takes
// them. Anything else on a line that starts with an option is an error.
bool onlyWindowArguments(const QStringList &arguments);

} // namespace app::cli
