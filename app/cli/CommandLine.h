#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace cli {

enum ExitCode { exitOk = 0, exitFailure = 1, exitUsage = 2, exitNotAllowed = 3, exitStoreUnavailable = 4 };

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
};

// Runs `arguments` (without the program name) when they name a command; no
// value when they name none, so the caller starts the user interface instead.
std::optional<int> runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
QString usage();

} // namespace cli
