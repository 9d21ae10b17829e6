#include "app/cli/CommandLine.h"

#include "app/cli/DateCommands.h"
#include "app/cli/OccasionsCommand.h"
#include "app/cli/RangeCommand.h"
#include "app/cli/SettingsCommand.h"
#include "app/notifications/NotificationsCommand.h"
#include "platform/Console.h"

#include <vector>

namespace cli {

namespace {

// One line per command; each feature's command lives beside its own code.
const std::vector<Command> &commands()
{
    static const std::vector<Command> list{
        {QStringLiteral("today"), QStringLiteral("today [--json]"), runToday},
        {QStringLiteral("convert"), QStringLiteral("convert YYYY-MM-DD [--from gregorian|hijri] [--json]"),
         runConvert},
        {QStringLiteral("range"), QStringLiteral("range FROM TO [--calendar gregorian|hijri] [--json]"),
         runRange},
        {QStringLiteral("settings"), QStringLiteral("settings [--json] | settings set KEY VALUE"),
         runSettings},
        {QStringLiteral("notifications"),
         QStringLiteral("notifications plan|pending [--json] | notifications reschedule"),
         notifications::runNotificationsCommand},
        {QStringLiteral("occasions"), QStringLiteral("occasions [--json]"), runOccasions},
    };
    return list;
}

} // namespace

QString usage()
{
    QString text = QStringLiteral(
        "usage: qamarly [COMMAND ...]\n\nWith no command the application window opens.\n\nCommands:\n");
    for (const Command &c : commands())
        text += QStringLiteral("  qamarly ") + c.synopsis + QLatin1Char('\n');
    return text;
}

std::optional<int> runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &word = arguments.first();
    if (word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help")) {
        out << usage();
        return exitOk;
    }
    for (const Command &c : commands()) {
        if (c.name == word) {
            Invocation call{arguments.mid(1), out, err};
            return c.run(call);
        }
    }
    // Qt's own options (-platform, -style ...) go to the user interface.
    if (word.startsWith(QLatin1Char('-')))
        return std::nullopt;
    err << "qamarly: unknown command '" << platform::printable(word) << "' (see qamarly --help)\n";
    return exitUsage;
}

} // namespace cli
