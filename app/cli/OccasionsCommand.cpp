// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/OccasionsCommand.h"

#include "app/screens/occasions/Event.h"
#include "app/screens/occasions/OccasionsICalendar.h"
#include "core/JsonSchema.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace app::cli {

int runOccasions(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json"), QStringLiteral("ics")},
                        {QStringLiteral("years")});
    if (!args.expectPositionals(0, 0, QString())) {
        call.err << "qamarly occasions: " << args.error() << '\n';
        return exitUsage;
    }
    if (args.flag(QStringLiteral("ics")) || args.hasOption(QStringLiteral("years"))) {
        const QString text = args.option(QStringLiteral("years"), QStringLiteral("1"));
        bool ok = false;
        const int years = text.toInt(&ok);
        if (!ok || years < 1 || years > occasions::maximumExportYears) {
            call.err << "qamarly occasions: "
                     << platform::localized("cli.error.badYears")
                            .arg(text, QString::number(occasions::maximumExportYears))
                     << '\n';
            return exitUsage;
        }
        call.out.flush();
        // The file's own bytes: CRLF line ends and UTF-8 whatever the terminal's encoding.
        call.out << QString::fromUtf8(occasions::occasionsICalendar(platform::Clock::current(), years));
        return exitOk;
    }
    const auto occasions = occasions::buildOccasions(platform::Clock::current());
    const int open = occasions::openingIndex(occasions);
    const auto &table = occasions::occasionTable();

    if (args.flag(QStringLiteral("json"))) {
        QJsonArray list;
        for (std::size_t i = 0; i < occasions.size(); ++i) {
            const occasions::Event &occasion = *occasions[i];
            list.append(QJsonObject{{QStringLiteral("key"), QString::fromLatin1(table[i].key)},
                                    {QStringLiteral("name"), occasion.name},
                                    {QStringLiteral("dateString"), occasion.dateString},
                                    {QStringLiteral("gDateString"), occasion.gDateString},
                                    {QStringLiteral("days"), occasion.days},
                                    {QStringLiteral("isFuture"), occasion.isFuture}});
        }
        const QJsonObject root{{QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion},
                               {QStringLiteral("openIndex"), open},
                               {QStringLiteral("occasions"), list}};
        call.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    for (std::size_t i = 0; i < occasions.size(); ++i) {
        const occasions::Event &occasion = *occasions[i];
        call.out << (static_cast<int>(i) == open ? "> " : "  ") << occasion.name << " | "
                 << occasion.dateString << " | " << occasion.gDateString << " | " << occasion.days << '\n';
    }
    return exitOk;
}

} // namespace app::cli
