// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/commandline/ArgumentReader.h"

#include "platform/system/Console.h"

#include <QCoreApplication>

namespace platform {

// The string tables are looked up with Qt's own qtTrId: the localization
// folder builds on this one (the device's language), so this one does not
// include it back.
ArgumentReader::ArgumentReader(const QStringList &arguments, const QSet<QString> &flags,
                               const QSet<QString> &options, const QMap<QString, QString> &shortNames)
{
    for (int i = 0; i < arguments.size() && error_.isEmpty(); ++i) {
        const QString arg = shortNames.contains(arguments.at(i))
                                ? QStringLiteral("--") + shortNames.value(arguments.at(i))
                                : arguments.at(i);
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            positionals_ << arg;
            continue;
        }
        QString name = arg.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        const bool inlineValue = eq >= 0;
        if (inlineValue) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (flags.contains(name) && !inlineValue) {
            flags_.insert(name);
        } else if (options.contains(name)) {
            if (!inlineValue) {
                if (i + 1 >= arguments.size()) {
                    error_ = qtTrId("cli.error.needsValue").arg(platform::printable(name));
                    break;
                }
                value = arguments.at(++i);
            }
            options_.insert(name, value);
            repeated_[name] << value;
        } else {
            error_ = qtTrId("cli.error.unknownOption").arg(platform::printable(arg));
        }
    }
}

bool ArgumentReader::expectPositionals(int min, int max, const QString &what)
{
    if (!error_.isEmpty())
        return false;
    if (positionals_.size() < min)
        error_ = qtTrId("cli.error.missing").arg(what);
    else if (positionals_.size() > max)
        error_ = qtTrId("cli.error.unexpected").arg(platform::printable(positionals_.at(max)));
    return error_.isEmpty();
}

} // namespace platform
