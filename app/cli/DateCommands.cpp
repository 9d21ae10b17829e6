// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/DateCommands.h"

#include "app/cli/DateArguments.h"
#include "core/JsonSchema.h"
#include "core/LocalizedNumber.h"
#include "core/RGDateJson.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace app::cli {

namespace {

void printConverter(const core::RGConv &conv, bool json, QTextStream &out)
{
    if (json) {
        QJsonObject root = core::toJson(conv);
        root.insert(QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion);
        out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return;
    }
    const core::RGDate &h = *conv.hijriDate();
    const core::RGDate &g = *conv.gregorianDate();
    const QString comma = core::RGDate::listSeparator(platform::Device::localeName());
    out << platform::localized("cli.hijri") << ": " << h.weekDayName() << comma << h.dateFullString() << '\n';
    out << platform::localized("cli.gregorian") << ": " << g.weekDayName() << comma << g.dateFullString()
        << '\n';
    if (conv.adjustmentNumber() != 0)
        out << platform::localized("cli.adjustment") << ": "
            << core::localizedCount("cli.days", conv.adjustmentNumber()) << '\n';
    if (h.isEstimate())
        out << platform::localized("cli.estimate") << '\n';
}

} // namespace

int runToday(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {});
    if (!args.expectPositionals(0, 0, QString())) {
        call.err << "qamarly today: " << args.error() << '\n';
        return exitUsage;
    }
    const core::RGConv conv(platform::Clock::current());
    printConverter(conv, args.flag(QStringLiteral("json")), call.out);
    return exitOk;
}

int runConvert(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {QStringLiteral("from")});
    if (!args.expectPositionals(1, 1, platform::localized("cli.what.date"))) {
        call.err << "qamarly convert: " << args.error() << '\n';
        return exitUsage;
    }
    const auto from = parseCalendarArgument(args.option(QStringLiteral("from"), QStringLiteral("gregorian")));
    if (!from) {
        call.err << "qamarly convert: "
                 << platform::localized("cli.error.unknownCalendar")
                        .arg(platform::printable(args.option(QStringLiteral("from"))))
                 << '\n';
        return exitUsage;
    }
    const platform::Calendar calendar(*from);
    const QString text = args.positionals().first();
    const auto day = parseDayArgument(text, calendar);
    if (!day) {
        call.err << "qamarly convert: " << notADay(text, *from) << '\n';
        return exitUsage;
    }
    core::RGConv conv(*day);
    if (*from == platform::CalendarIdentifier::islamicUmmAlQura)
        conv.setDate(*day, conv.islamicCalendar());
    // The adjustment may carry the other side past the first or last day.
    if (!conv.isConvertible()) {
        call.err << "qamarly convert: " << outOfRange(text) << '\n';
        return exitUsage;
    }
    printConverter(conv, args.flag(QStringLiteral("json")), call.out);
    return exitOk;
}

} // namespace app::cli
