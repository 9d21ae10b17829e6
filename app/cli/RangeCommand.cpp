// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/RangeCommand.h"

#include "app/cli/DateArguments.h"
#include "app/screens/daterange/DateRangeCalculator.h"
#include "core/JsonSchema.h"
#include "core/LocalizedNumber.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

#include <QTextStream>

namespace app::cli {

int runRange(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {QStringLiteral("calendar")});
    if (!args.expectPositionals(2, 2, platform::localized("cli.what.dates"))) {
        call.err << "qamarly range: " << args.error() << '\n';
        return exitUsage;
    }
    const QString calendarName = args.option(QStringLiteral("calendar"), QStringLiteral("gregorian"));
    const auto identifier = parseCalendarArgument(calendarName);
    if (!identifier) {
        call.err << "qamarly range: "
                 << platform::localized("cli.error.unknownCalendar").arg(platform::printable(calendarName))
                 << '\n';
        return exitUsage;
    }
    // The dates are read as the pickers show them: on the Hijri side that is
    // the adjusted Hijri date, so the adjustment plays no further part.
    const platform::Calendar calendar(*identifier);
    platform::Instant days[2];
    for (int i = 0; i < 2; ++i) {
        const QString text = args.positionals().at(i);
        const auto day = parseDayArgument(text, calendar);
        if (!day) {
            call.err << "qamarly range: " << notADay(text, *identifier) << '\n';
            return exitUsage;
        }
        days[i] = *day;
    }

    const screens::DateRange range = screens::DateRangeCalculator::between(days[0], days[1], calendar);
    if (args.flag(QStringLiteral("json"))) {
        // Written by hand to keep the fields in reading order.
        call.out << "{\n    \"" << core::jsonSchemaKey << "\": " << core::jsonSchemaVersion
                 << ",\n    \"totalDays\": " << range.totalDays << ",\n    \"years\": " << range.years
                 << ",\n    \"months\": " << range.months << ",\n    \"days\": " << range.days << "\n}\n";
        return exitOk;
    }
    call.out
        << platform::localized("range.totalDays").arg(core::localizedCount("range.days", range.totalDays))
        << '\n';
    // "1 year, 2 months": a part that is zero is left out, all zero reads "0 days".
    QStringList parts;
    if (range.years != 0)
        parts << core::localizedCount("range.years", range.years);
    if (range.months != 0)
        parts << core::localizedCount("range.months", range.months);
    if (range.days != 0 || parts.isEmpty())
        parts << core::localizedCount("range.days", range.days);
    call.out << parts.join(platform::localized("range.separator")) << '\n';
    return exitOk;
}

} // namespace app::cli
