// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/DateArguments.h"

#include "core/RGConv.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

namespace app::cli {

// By hand rather than with a regular expression: compiling one costs a
// command a noticeable share of its run.
std::optional<std::vector<qint64>> parseNumberGroups(QStringView text, const std::vector<int> &widths,
                                                     bool negativeFirst)
{
    const bool negative = negativeFirst && text.startsWith(u'-');
    if (negative)
        text = text.mid(1);
    const QList<QStringView> groups = text.split(u'-');
    if (groups.size() != qsizetype(widths.size()))
        return std::nullopt;
    std::vector<qint64> numbers;
    auto width = widths.begin();
    for (const QStringView group : groups) {
        if (group.isEmpty() || group.size() > *width++)
            return std::nullopt;
        qint64 value = 0;
        for (const QChar c : group) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            value = value * 10 + (c.unicode() - u'0');
        }
        numbers.push_back(value);
    }
    if (negative)
        numbers.front() = -numbers.front();
    return numbers;
}

namespace {

std::optional<platform::Instant> calendarDay(const QString &text, const platform::Calendar &calendar)
{
    const auto numbers = parseNumberGroups(text, {7, 2, 2}, true);
    if (!numbers)
        return std::nullopt;
    return calendar.date((*numbers)[0], (*numbers)[1], (*numbers)[2]);
}

} // namespace

std::optional<platform::Instant> parseDayArgument(const QString &text, const platform::Calendar &calendar)
{
    const auto day = calendarDay(text, calendar);
    if (!day || !core::RGConv::isConvertibleDay(*day))
        return std::nullopt;
    return day;
}

std::optional<platform::CalendarIdentifier> parseCalendarArgument(const QString &text)
{
    if (text == QLatin1String("gregorian"))
        return platform::CalendarIdentifier::gregorian;
    if (text == QLatin1String("hijri") || text == QLatin1String("islamicUmmAlQura"))
        return platform::CalendarIdentifier::islamicUmmAlQura;
    return std::nullopt;
}

QString outOfRange(const QString &text)
{
    return platform::localized("cli.error.outOfRange").arg(platform::printable(text));
}

QString notADay(const QString &text, platform::CalendarIdentifier calendar)
{
    // A day ICU has, but before the Hijri era or with a year of five or more digits.
    if (calendarDay(text, platform::Calendar(calendar)))
        return outOfRange(text);
    return platform::localized("cli.error.notADay")
        .arg(platform::printable(text),
             platform::localized(calendar == platform::CalendarIdentifier::gregorian ? "cli.gregorian"
                                                                                     : "cli.hijri"));
}

} // namespace app::cli
