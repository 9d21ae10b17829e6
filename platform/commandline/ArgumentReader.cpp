// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/commandline/ArgumentReader.h"

#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

namespace platform {

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
                    error_ = platform::localized("cli.error.needsValue").arg(platform::printable(name));
                    break;
                }
                value = arguments.at(++i);
            }
            options_.insert(name, value);
            repeated_[name] << value;
        } else {
            error_ = platform::localized("cli.error.unknownOption").arg(platform::printable(arg));
        }
    }
}

bool ArgumentReader::expectPositionals(int min, int max, const QString &what)
{
    if (!error_.isEmpty())
        return false;
    if (positionals_.size() < min)
        error_ = platform::localized("cli.error.missing").arg(what);
    else if (positionals_.size() > max)
        error_ = platform::localized("cli.error.unexpected").arg(platform::printable(positionals_.at(max)));
    return error_.isEmpty();
}

} // namespace platform
