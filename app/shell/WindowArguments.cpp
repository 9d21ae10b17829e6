// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/WindowArguments.h"

#include <QFileInfo>

namespace app::shell {

namespace {
bool isCalendarFilePath(const QString &argument)
{
    return !argument.startsWith(QLatin1Char('-')) && !argument.contains(QLatin1String("://")) &&
           (argument.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive) ||
            argument.endsWith(QLatin1String(".ical"), Qt::CaseInsensitive));
}
} // namespace

bool wantsWindow(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return true;
    const QString &first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return false;
    return first.startsWith(QLatin1Char('-')) || isWindowAddress(first);
}

bool displayAvailable(const QStringList &arguments)
{
    const qsizetype platformOption = arguments.indexOf(QStringLiteral("-platform"));
    const QString platform = platformOption >= 0 && platformOption + 1 < arguments.size()
                                 ? arguments.at(platformOption + 1)
                                 : qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QLatin1String("offscreen")) || platform.startsWith(QLatin1String("vnc")))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool isWindowAddress(const QString &argument)
{
    return isCalendarFilePath(argument) || !addressArgument({argument}).isEmpty();
}

QStringList forwardableArguments(const QStringList &arguments)
{
    QStringList out;
    for (const QString &argument : arguments)
        out << (isCalendarFilePath(argument)
                    ? QUrl::fromLocalFile(QFileInfo(argument).absoluteFilePath()).toString(QUrl::FullyEncoded)
                    : argument);
    return out;
}

QUrl addressArgument(const QStringList &arguments)
{
    for (const QString &argument : forwardableArguments(arguments)) {
        if (argument.contains(QLatin1String("://")) || argument.startsWith(QLatin1String("qamarly:"))) {
            QUrl url(argument, QUrl::StrictMode);
            if (url.isValid() && !url.scheme().isEmpty())
                return url;
        }
    }
    return {};
}

} // namespace app::shell
