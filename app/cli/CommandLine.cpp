// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/CommandLine.h"

#include "app/cli/DateCommands.h"
#include "app/cli/EventsCommand.h"
#include "app/cli/ImportCommand.h"
#include "app/cli/MonthCommand.h"
#include "app/cli/NotificationsCommand.h"
#include "app/cli/OccasionsCommand.h"
#include "app/cli/RangeCommand.h"
#include "app/cli/SettingsCommand.h"
#include "app/shell/WindowArguments.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <vector>

#ifndef QAMARLY_VERSION
#define QAMARLY_VERSION "unknown"
#endif

namespace app::cli {

namespace {

// One line per command; each feature's command lives beside its own code.
const std::vector<Command> &commands()
{
    static const std::vector<Command> list{
        {QStringLiteral("today"), QStringLiteral("today [--json]"), runToday, "cli.help.today"},
        {QStringLiteral("convert"), QStringLiteral("convert YYYY-MM-DD [--from gregorian|hijri] [--json]"),
         runConvert, "cli.help.convert"},
        {QStringLiteral("range"), QStringLiteral("range FROM TO [--calendar gregorian|hijri] [--json]"),
         runRange, "cli.help.range"},
        {QStringLiteral("month"),
         QStringLiteral("month [YYYY-MM] [--calendar gregorian|hijri] [--first-weekday N] [--json]"),
         runMonth, "cli.help.month"},
        {QStringLiteral("settings"),
         QStringLiteral("settings [--json] | settings set KEY VALUE\n"
                        "  qamarly settings set|add|remove CalendarFolders FOLDER ... | "
                        "settings list CalendarFolders [--json]"),
         runSettings, "cli.help.settings"},
        {QStringLiteral("notifications"),
         QStringLiteral("notifications plan|pending [--json] | notifications reschedule|refresh"),
         notifications::runNotificationsCommand, "cli.help.notifications"},
        {QStringLiteral("occasions"), QStringLiteral("occasions [--json] | occasions --ics [--years N]"),
         runOccasions, "cli.help.occasions"},
        {QStringLiteral("events"),
         QStringLiteral("events [YYYY-MM-DD] [--json]\n"
                        "  qamarly events add --title T --start ISO --end ISO [--all-day] [--zone TZID] "
                        "[--calendar NAME] [--location L] [--notes N] [--repeat KIND [--until YYYY-MM-DD | "
                        "--count N]] [--alert MINUTES|none ...] [--url URL]\n"
                        "  qamarly events edit UID [--occurrence YYYY-MM-DD | --from YYYY-MM-DD] [--title T] "
                        "[--start ISO] [--end ISO] [--location L] [--notes N] [--repeat KIND] [--until "
                        "YYYY-MM-DD | --count N] [--alert MINUTES|none ...] [--url URL]\n"
                        "  qamarly events delete UID [--occurrence YYYY-MM-DD | --from YYYY-MM-DD]"),
         runEvents, "cli.help.events"},
        {QStringLiteral("import"), QStringLiteral("import FILE [--calendar NAME] [--json]"), runImport,
         "cli.help.import"},
    };
    return list;
}

bool isHelpWord(const QString &word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h");
}

// A help option anywhere before "--" asks for help, also after a subcommand
// (`qamarly settings set --help`).
bool asksForHelp(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            return false;
        if (isHelpWord(argument))
            return true;
    }
    return false;
}

// Options the window toolkit reads itself, and whether each takes a value.
struct WindowOption
{
    const char *name;
    bool takesValue;
};
constexpr WindowOption windowOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowtitle", true},
    {"qwindowicon", true},
    {"session", true},
    {"style", true},
    {"stylesheet", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"title", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    // The window in another language, and the gallery of its screens.
    {"language", true},
    {"screenshots", true},
};

const WindowOption *findWindowOption(const QString &argument)
{
    // The toolkit takes "-style" and "--style" alike, and "-style=fusion".
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    name = name.section(QLatin1Char('='), 0, 0);
    for (const WindowOption &option : windowOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

QString firstStrayArgument(const QStringList &arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (shell::isWindowAddress(argument))
            continue;
        if (!argument.startsWith(QLatin1Char('-')))
            return argument;
        const WindowOption *option = findWindowOption(argument);
        if (!option)
            return argument;
        if (option->takesValue && !argument.contains(QLatin1Char('=')))
            ++i;
    }
    return QString();
}

} // namespace

QString usage()
{
    QString text = platform::localized("cli.help.usage").arg(QStringLiteral("qamarly [COMMAND ...]")) +
                   QStringLiteral("\n\n") + platform::localized("cli.help.window") + QStringLiteral("\n\n") +
                   platform::localized("cli.help.commands") + QLatin1Char('\n');
    for (const Command &c : commands())
        text += QStringLiteral("  qamarly ") + c.synopsis + QLatin1Char('\n');
    text += QLatin1Char('\n') + platform::localized("cli.help.options") + QLatin1Char('\n');
    text += QStringLiteral("  --help     ") + platform::localized("cli.help.help") + QLatin1Char('\n');
    text += QStringLiteral("  --version  ") + platform::localized("cli.help.version") + QLatin1Char('\n');
    text += QStringLiteral("  --language LANG  ") +
            platform::localized("cli.help.language")
                .arg(platform::Device::interfaceLanguages().join(QStringLiteral(", "))) +
            QLatin1Char('\n');
    text += QStringLiteral("  --screenshots DIR  ") + platform::localized("cli.help.screenshots") +
            QLatin1Char('\n');
    return text;
}

QString commandUsage(const QString &name)
{
    for (const Command &c : commands()) {
        if (c.name == name)
            return platform::localized("cli.help.usage").arg(QStringLiteral("qamarly ") + c.synopsis) +
                   QStringLiteral("\n\n") + platform::localized(c.summaryKey) + QLatin1Char('\n');
    }
    return QString();
}

QString versionText()
{
    return QStringLiteral("qamarly ") + QStringLiteral(QAMARLY_VERSION);
}

bool onlyWindowArguments(const QStringList &arguments)
{
    return firstStrayArgument(arguments).isEmpty();
}

std::optional<int> runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &word = arguments.first();
    if (isHelpWord(word) || word == QLatin1String("help")) {
        out << usage();
        return exitOk;
    }
    if (word == QLatin1String("--version")) {
        out << versionText() << '\n';
        return exitOk;
    }
    for (const Command &c : commands()) {
        if (c.name == word) {
            if (asksForHelp(arguments.mid(1))) {
                out << commandUsage(c.name);
                return exitOk;
            }
            Invocation call{arguments.mid(1), out, err};
            return c.run(call);
        }
    }
    // The toolkit's own options (-platform, -style ...) go to the window;
    // anything else is a mistake, not a reason to open it.
    if (word.startsWith(QLatin1Char('-'))) {
        if (onlyWindowArguments(arguments))
            return std::nullopt;
        const QString stray = firstStrayArgument(arguments);
        err << "qamarly: "
            << platform::localized(stray.startsWith(QLatin1Char('-')) ? "cli.error.unknownOption"
                                                                      : "cli.error.unexpected")
                   .arg(platform::printable(stray))
            << '\n';
        return exitUsage;
    }
    err << "qamarly: " << platform::localized("cli.error.unknownCommand").arg(platform::printable(word))
        << '\n';
    return exitUsage;
}

} // namespace app::cli
