// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/ImportCommand.h"

#include "app/cli/EventsCommand.h"
#include "core/JsonSchema.h"
#include "platform/events/EventStore.h"
#include "platform/events/linux/ICalendarFile.h"
#include "platform/localization/Localization.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace app::cli {

namespace {

int refuse(Invocation &call, int status, const QString &message)
{
    call.err << "qamarly import: " << platform::printable(message) << '\n';
    return status;
}

std::optional<QByteArray> readInput(const QString &path, QString *error)
{
    if (path != QLatin1String("-"))
        return platform::readRegularFile(path, platform::ical::maximumFileSize, error);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        *error = input.errorString();
        return std::nullopt;
    }
    QByteArray data = input.read(platform::ical::maximumFileSize + 1);
    if (data.size() > platform::ical::maximumFileSize) {
        *error = platform::localized("cli.import.tooLarge").arg(platform::ical::maximumFileSize >> 20);
        return std::nullopt;
    }
    return data;
}

} // namespace

int runImport(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {QStringLiteral("calendar")});
    if (!args.expectPositionals(1, 1, QStringLiteral("FILE")))
        return refuse(call, exitUsage, args.error());
    const QString path = args.positionals().constFirst();
    QString error;
    const auto data = readInput(path, &error);
    if (!data)
        return refuse(call, exitFailure, QStringLiteral("%1: %2").arg(path, error));

    const auto store = platform::makeEventStore();
    const QString name = args.option(QStringLiteral("calendar"));
    const auto calendar = findCalendar(*store, name);
    if (!calendar)
        return name.isEmpty()
                   ? refuse(call, exitFailure, platform::localized("cli.events.noWritableCalendar"))
                   : refuse(call, exitUsage, platform::localized("cli.events.noSuchCalendar").arg(name));
    if (!calendar->allowsContentModifications)
        return refuse(call, exitUsage,
                      platform::localized("cli.events.readOnlyCalendar").arg(calendar->title));
    const auto outcome = store->importEvents(*data, calendar->identifier, &error);
    if (!outcome)
        return refuse(call, exitFailure, QStringLiteral("%1: %2").arg(path, error));

    if (args.flag(QStringLiteral("json"))) {
        const QJsonObject root{{QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion},
                               {QStringLiteral("calendar"), calendar->title},
                               {QStringLiteral("added"), outcome->added},
                               {QStringLiteral("updated"), outcome->updated},
                               {QStringLiteral("unchanged"), outcome->unchanged},
                               {QStringLiteral("problems"), QJsonArray::fromStringList(outcome->problems)}};
        call.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
    } else {
        call.out << platform::localized("events.import.done")
                        .arg(calendar->title, QString::number(outcome->added),
                             QString::number(outcome->updated), QString::number(outcome->unchanged))
                 << '\n';
    }
    for (const QString &problem : outcome->problems)
        call.err << "qamarly import: " << platform::printable(problem) << '\n';
    return outcome->problems.isEmpty() ? exitOk : exitFailure;
}

} // namespace app::cli
