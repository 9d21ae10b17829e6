// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/CalendarFoldersSetting.h"

#include "app/cli/CommandLine.h"
#include "core/JsonSchema.h"
#include "platform/events/EventStore.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace app::cli {

namespace {

constexpr QLatin1StringView key(platform::calendarFoldersKey);

QString absolute(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

int printFolders(bool json, QTextStream &out)
{
    if (json) {
        const QJsonObject root{{QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion},
                               {QStringLiteral("calendarFolders"), calendarFoldersJson()}};
        out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    for (const QString &folder : platform::calendarFolders())
        out << folder << '\n';
    return exitOk;
}

} // namespace

QJsonArray calendarFoldersJson()
{
    return QJsonArray::fromStringList(platform::calendarFolders());
}

QString calendarFoldersLine()
{
    const QStringList folders = platform::calendarFolders();
    return key + QStringLiteral(" = ") +
           (folders.isEmpty() ? platform::localized("cli.settings.noFolders")
                              : folders.join(QStringLiteral(", ")));
}

std::optional<int> runCalendarFoldersSetting(const QStringList &positionals, bool json, QTextStream &out,
                                             QTextStream &err)
{
    if (positionals.size() < 2 || positionals.at(1) != key)
        return std::nullopt;
    const QString &action = positionals.at(0);
    const QStringList paths = positionals.mid(2);
    const auto refuse = [&err](const QString &why) {
        err << "qamarly settings: " << platform::printable(why) << '\n';
        return exitUsage;
    };
    if (action == QLatin1String("list")) {
        if (!paths.isEmpty())
            return refuse(platform::localized("cli.help.usage")
                              .arg(QStringLiteral("qamarly settings list %1 [--json]").arg(key)));
        return printFolders(json, out);
    }
    if (action != QLatin1String("set") && action != QLatin1String("add") && action != QLatin1String("remove"))
        return std::nullopt;
    if (paths.isEmpty() && action != QLatin1String("set"))
        return refuse(platform::localized("cli.help.usage")
                          .arg(QStringLiteral("qamarly settings %1 %2 FOLDER ...").arg(action, key)));

    QStringList folders = action == QLatin1String("set") ? QStringList() : platform::calendarFolders();
    for (const QString &path : paths) {
        if (path.trimmed().isEmpty())
            continue;
        const QString folder = absolute(path);
        if (action == QLatin1String("remove")) {
            if (!folders.removeOne(folder))
                return refuse(platform::localized("cli.settings.notACalendarFolder").arg(folder));
            continue;
        }
        if (!QFileInfo(folder).isDir())
            return refuse(platform::localized("cli.settings.notAFolder").arg(folder));
        if (!folders.contains(folder))
            folders << folder;
    }
    if (!platform::keepCalendarFolders(folders)) {
        err << "qamarly settings: " << platform::localized("cli.settings.foldersNotStored").arg(key) << '\n';
        return exitFailure;
    }
    return printFolders(json, out);
}

} // namespace app::cli
