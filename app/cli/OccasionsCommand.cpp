// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/OccasionsCommand.h"

#include "app/cli/ArgumentReader.h"
#include "app/screens/occasions/Event.h"
#include "platform/calendar/Clock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace app::cli {

int runOccasions(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {});
    if (!args.expectPositionals(0, 0, QString())) {
        call.err << "qamarly occasions: " << args.error() << '\n';
        return exitUsage;
    }
    const auto occasions = occasions::buildOccasions(platform::Clock::current());
    const int open = occasions::openingIndex(occasions);
    const auto &table = occasions::occasionTable();

    if (args.flag(QStringLiteral("json"))) {
        QJsonArray list;
        for (std::size_t i = 0; i < occasions.size(); ++i) {
            const occasions::Event &e = *occasions[i];
            list.append(QJsonObject{{QStringLiteral("key"), QString::fromLatin1(table[i].key)},
                                    {QStringLiteral("name"), e.name},
                                    {QStringLiteral("dateString"), e.dateString},
                                    {QStringLiteral("gDateString"), e.gDateString},
                                    {QStringLiteral("days"), e.days},
                                    {QStringLiteral("isFuture"), e.isFuture}});
        }
        const QJsonObject root{{QStringLiteral("openIndex"), open}, {QStringLiteral("occasions"), list}};
        call.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    for (std::size_t i = 0; i < occasions.size(); ++i) {
        const occasions::Event &e = *occasions[i];
        call.out << (static_cast<int>(i) == open ? "> " : "  ") << e.name << " | " << e.dateString << " | "
                 << e.gDateString << " | " << e.days << '\n';
    }
    return exitOk;
}

} // namespace app::cli
