// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/MonthCommand.h"

#include "app/cli/DateArguments.h"
#include "components/calendar/MonthCalendarModel.h"
#include "components/calendar/OtherCalendarDaySource.h"
#include "core/DayTable.h"
#include "core/FirstWeekday.h"
#include "core/JsonSchema.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/CivilDays.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

#include <QTextStream>
#include <chrono>

namespace app::cli {

namespace {

using components::MonthCalendarCell;
using platform::Instant;

QString gregorianDay(const platform::Calendar &gregorian, Instant date)
{
    // Noon: the cell's day whatever the hour its day starts at.
    const platform::DateComponents c = gregorian.components(date + std::chrono::hours(12));
    return QStringLiteral("%1-%2-%3")
        .arg(c.year, 4, 10, QLatin1Char('0'))
        .arg(c.month, 2, 10, QLatin1Char('0'))
        .arg(c.day, 2, 10, QLatin1Char('0'));
}

QString jsonString(const QString &text)
{
    QString escaped;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
            escaped += QLatin1Char('\\') + ch;
        else if (ch.unicode() < 0x20)
            escaped += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += ch;
    }
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The months of the Umm al-Qura table: on the Hijri grid its days (as the
// adjustment names them), on the Gregorian grid the whole years it touches.
class TableRangeSource : public components::OtherCalendarDaySource
{
public:
    TableRangeSource(platform::CalendarIdentifier grid, std::int64_t adjustment)
        : OtherCalendarDaySource(grid, adjustment), adjustment_(adjustment)
    {
    }
    std::optional<Instant> minimumDateForCalendar(components::MonthCalendarView *) override
    {
        if (gridCalendar() == platform::CalendarIdentifier::gregorian)
            return noonOfDay(platform::civil::daysFromCivil(firstGregorianYear(), 1, 1));
        return noonOfDay(core::DayTable::firstHijriDay() - adjustment_);
    }
    std::optional<Instant> maximumDateForCalendar(components::MonthCalendarView *) override
    {
        if (gridCalendar() == platform::CalendarIdentifier::gregorian)
            return noonOfDay(platform::civil::daysFromCivil(lastGregorianYear(), 12, 31));
        return noonOfDay(core::DayTable::endHijriDay() - 1 - adjustment_);
    }

private:
    static std::int64_t firstGregorianYear()
    {
        return platform::civil::civilFromDays(core::DayTable::firstHijriDay()).year;
    }
    static std::int64_t lastGregorianYear()
    {
        return platform::civil::civilFromDays(core::DayTable::endHijriDay() - 1).year;
    }
    static std::optional<Instant> noonOfDay(std::int64_t days)
    {
        const platform::civil::YearMonthDay d = platform::civil::civilFromDays(days);
        return platform::Calendar(platform::CalendarIdentifier::gregorian).date(d.year, d.month, d.day, 12);
    }
    std::int64_t adjustment_;
};

// Whether the Hijri date of the cell's day lies outside the Umm al-Qura table.
bool isEstimate(const platform::Calendar &gregorian, const MonthCalendarCell &cell, std::int64_t adjustment)
{
    const auto day = gregorian.localDayNumber(cell.date + std::chrono::hours(12));
    return day && !core::DayTable::hijri(*day + adjustment);
}

// Pads to `width` characters on the left (right-aligned), as cal does.
QString padded(const QString &text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

} // namespace

int runMonth(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")},
                        {QStringLiteral("calendar"), QStringLiteral("first-weekday")});
    if (!args.expectPositionals(0, 1, platform::localized("month.what.month"))) {
        call.err << "qamarly month: " << args.error() << '\n';
        return exitUsage;
    }
    const QString calendarName = args.option(QStringLiteral("calendar"), QStringLiteral("gregorian"));
    const auto identifier = parseCalendarArgument(calendarName);
    if (!identifier) {
        call.err << "qamarly month: " << platform::localized("cli.error.unknownCalendar").arg(calendarName)
                 << '\n';
        return exitUsage;
    }
    std::optional<int> firstWeekday;
    if (args.hasOption(QStringLiteral("first-weekday"))) {
        const QString text = args.option(QStringLiteral("first-weekday"));
        bool ok = false;
        firstWeekday = text.toInt(&ok);
        if (!ok || *firstWeekday < 1 || *firstWeekday > 7) {
            call.err << "qamarly month: " << platform::localized("month.error.firstWeekday").arg(text)
                     << '\n';
            return exitUsage;
        }
    }

    const std::int64_t adjustment = core::RGConv::storedAdjustment(*core::sharedDefaults());
    const bool hijri = *identifier == platform::CalendarIdentifier::islamicUmmAlQura;
    TableRangeSource subtitles(*identifier, adjustment);
    components::MonthCalendarModel model;
    model.setIdentifier(*identifier);
    // The Hijri grid is the adjusted calendar, as the calendar screen shows it.
    model.setDayShift(hijri ? adjustment : 0);
    if (firstWeekday)
        model.setFirstWeekday(*firstWeekday);
    else if (const auto stored = core::storedFirstWeekday(*core::sharedDefaults()))
        model.setFirstWeekday(*stored);
    model.setDataSource(&subtitles);

    Instant month = model.startOfMonth(model.today());
    if (!args.positionals().isEmpty()) {
        const QString text = args.positionals().first();
        const auto numbers = parseNumberGroups(text, {4, 2}, false);
        const auto first = numbers ? model.firstDayOfMonth((*numbers)[0], (*numbers)[1]) : std::nullopt;
        if (!first || !(model.isInRange(*first) || model.isInRange(model.endOfMonth(*first)))) {
            call.err << "qamarly month: "
                     << platform::localized("month.error.notAMonth")
                            .arg(platform::printable(text),
                                 platform::localized(*identifier == platform::CalendarIdentifier::gregorian
                                                         ? "cli.gregorian"
                                                         : "cli.hijri"))
                     << '\n';
            return exitUsage;
        }
        month = *first;
    }

    const int page = model.pageForDate(month);
    const std::vector<MonthCalendarCell> cells = model.cells(page);
    const platform::DateComponents shown = model.shownComponents(month + std::chrono::hours(12));
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian, model.timeZoneId(),
                                       model.localeName());
    bool estimate = false;
    for (const MonthCalendarCell &cell : cells)
        estimate = estimate || (!cell.placeholder && isEstimate(gregorian, cell, adjustment));

    if (args.flag(QStringLiteral("json"))) {
        // Written by hand to keep the fields in reading order.
        QTextStream &out = call.out;
        out << "{\n    \"" << core::jsonSchemaKey << "\": " << core::jsonSchemaVersion
            << ",\n    \"calendar\": "
            << jsonString(*identifier == platform::CalendarIdentifier::gregorian ? QStringLiteral("gregorian")
                                                                                 : QStringLiteral("hijri"))
            << ",\n    \"year\": " << shown.year << ",\n    \"month\": " << shown.month
            << ",\n    \"firstWeekday\": " << model.firstWeekday() << ",\n    \"adjustment\": " << adjustment
            << ",\n    \"estimate\": " << (estimate ? "true" : "false") << ",\n    \"cells\": [\n";
        for (size_t k = 0; k < cells.size(); ++k) {
            const MonthCalendarCell &cell = cells[k];
            out << "        {\"date\": " << jsonString(gregorianDay(gregorian, cell.date))
                << ", \"day\": " << cell.day << ", \"subtitle\": " << jsonString(cell.subtitle)
                << ", \"placeholder\": " << (cell.placeholder ? "true" : "false")
                << ", \"today\": " << (cell.today ? "true" : "false") << '}'
                << (k + 1 < cells.size() ? "," : "") << '\n';
        }
        out << "    ]\n}\n";
        return exitOk;
    }

    // Seven columns of seven characters: the day, then the other calendar's
    // day; (..) marks a day of another month, [..] today.
    constexpr int column = 7;
    const QString title = model.headerTitle(page);
    const int lineWidth = column * 7;
    call.out << QString((lineWidth - title.size()) / 2, QLatin1Char(' ')) << title << '\n';
    for (const QString &symbol : model.weekdaySymbols())
        call.out << padded(symbol.left(column - 1), column - 1) << ' ';
    call.out << '\n';
    for (size_t k = 0; k < cells.size(); ++k) {
        const MonthCalendarCell &cell = cells[k];
        const QString body =
            padded(cell.title, 2) + QLatin1Char(' ') + cell.subtitle.leftJustified(2, QLatin1Char(' '));
        const QString open = cell.today         ? QStringLiteral("[")
                             : cell.placeholder ? QStringLiteral("(")
                                                : QStringLiteral(" ");
        const QString close = cell.today         ? QStringLiteral("]")
                              : cell.placeholder ? QStringLiteral(")")
                                                 : QStringLiteral(" ");
        call.out << open << body << close;
        call.out << ((k + 1) % 7 == 0 ? "\n" : "");
    }
    if (estimate)
        call.out << platform::localized("cli.estimate") << '\n';
    return exitOk;
}

} // namespace app::cli
