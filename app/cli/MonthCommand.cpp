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

// The month to show and how, as the arguments ask; exitUsage told when they
// cannot be read.
struct MonthRequest
{
    platform::CalendarIdentifier identifier = platform::CalendarIdentifier::gregorian;
    std::optional<int> firstWeekday;
    QString month;
    bool json = false;
};

std::optional<MonthRequest> readMonthRequest(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")},
                        {QStringLiteral("calendar"), QStringLiteral("first-weekday")});
    if (!args.expectPositionals(0, 1, platform::localized("month.what.month"))) {
        call.err << "qamarly month: " << args.error() << '\n';
        return std::nullopt;
    }
    MonthRequest request;
    const QString calendarName = args.option(QStringLiteral("calendar"), QStringLiteral("gregorian"));
    const auto identifier = parseCalendarArgument(calendarName);
    if (!identifier) {
        call.err << "qamarly month: " << platform::localized("cli.error.unknownCalendar").arg(calendarName)
                 << '\n';
        return std::nullopt;
    }
    request.identifier = *identifier;
    if (args.hasOption(QStringLiteral("first-weekday"))) {
        const QString text = args.option(QStringLiteral("first-weekday"));
        bool ok = false;
        request.firstWeekday = text.toInt(&ok);
        if (!ok || *request.firstWeekday < 1 || *request.firstWeekday > 7) {
            call.err << "qamarly month: " << platform::localized("month.error.firstWeekday").arg(text)
                     << '\n';
            return std::nullopt;
        }
    }
    if (!args.positionals().isEmpty())
        request.month = args.positionals().first();
    request.json = args.flag(QStringLiteral("json"));
    return request;
}

// The first day of the month `text` names, or of today's month when empty.
std::optional<Instant> monthNamed(Invocation &call, const components::MonthCalendarModel &model,
                                  const QString &text)
{
    if (text.isEmpty())
        return model.startOfMonth(model.today());
    const auto numbers = parseNumberGroups(text, {4, 2}, false);
    const auto first = numbers ? model.firstDayOfMonth((*numbers)[0], (*numbers)[1]) : std::nullopt;
    if (first && (model.isInRange(*first) || model.isInRange(model.endOfMonth(*first))))
        return first;
    const bool gregorian = model.identifier() == platform::CalendarIdentifier::gregorian;
    call.err << "qamarly month: "
             << platform::localized("month.error.notAMonth")
                    .arg(platform::printable(text),
                         platform::localized(gregorian ? "cli.gregorian" : "cli.hijri"))
             << '\n';
    return std::nullopt;
}

// What both forms of the month print.
struct MonthPage
{
    std::vector<MonthCalendarCell> cells;
    platform::DateComponents shown;
    QString title;
    bool estimate = false;
};

// Written by hand to keep the fields in reading order.
void writeMonthJson(QTextStream &out, const components::MonthCalendarModel &model, const MonthPage &page,
                    const platform::Calendar &gregorian, std::int64_t adjustment)
{
    const bool isGregorian = model.identifier() == platform::CalendarIdentifier::gregorian;
    out << "{\n    \"" << core::jsonSchemaKey << "\": " << core::jsonSchemaVersion << ",\n    \"calendar\": "
        << jsonString(isGregorian ? QStringLiteral("gregorian") : QStringLiteral("hijri"))
        << ",\n    \"year\": " << page.shown.year << ",\n    \"month\": " << page.shown.month
        << ",\n    \"firstWeekday\": " << model.firstWeekday() << ",\n    \"adjustment\": " << adjustment
        << ",\n    \"estimate\": " << (page.estimate ? "true" : "false") << ",\n    \"cells\": [\n";
    for (size_t k = 0; k < page.cells.size(); ++k) {
        const MonthCalendarCell &cell = page.cells[k];
        out << "        {\"date\": " << jsonString(gregorianDay(gregorian, cell.date))
            << ", \"day\": " << cell.day << ", \"subtitle\": " << jsonString(cell.subtitle)
            << ", \"placeholder\": " << (cell.placeholder ? "true" : "false")
            << ", \"today\": " << (cell.today ? "true" : "false") << '}'
            << (k + 1 < page.cells.size() ? "," : "") << '\n';
    }
    out << "    ]\n}\n";
}

// Seven columns of seven characters: the day, then the other calendar's
// day; (..) marks a day of another month, [..] today.
void writeMonthText(QTextStream &out, const components::MonthCalendarModel &model, const MonthPage &page)
{
    constexpr int column = 7;
    const int lineWidth = column * 7;
    out << QString((lineWidth - page.title.size()) / 2, QLatin1Char(' ')) << page.title << '\n';
    for (const QString &symbol : model.weekdaySymbols())
        out << padded(symbol.left(column - 1), column - 1) << ' ';
    out << '\n';
    for (size_t k = 0; k < page.cells.size(); ++k) {
        const MonthCalendarCell &cell = page.cells[k];
        const QString body =
            padded(cell.title, 2) + QLatin1Char(' ') + cell.subtitle.leftJustified(2, QLatin1Char(' '));
        const char *marks = cell.today ? "[]" : cell.placeholder ? "()" : "  ";
        out << QLatin1Char(marks[0]) << body << QLatin1Char(marks[1]) << ((k + 1) % 7 == 0 ? "\n" : "");
    }
    if (page.estimate)
        out << platform::localized("cli.estimate") << '\n';
}

} // namespace

int runMonth(Invocation &call)
{
    const std::optional<MonthRequest> request = readMonthRequest(call);
    if (!request)
        return exitUsage;
    const std::int64_t adjustment = core::RGConv::storedAdjustment(*core::sharedDefaults());
    const bool hijri = request->identifier == platform::CalendarIdentifier::islamicUmmAlQura;
    TableRangeSource subtitles(request->identifier, adjustment);
    components::MonthCalendarModel model;
    model.setIdentifier(request->identifier);
    // The Hijri grid is the adjusted calendar, as the calendar screen shows it.
    model.setDayShift(hijri ? adjustment : 0);
    if (request->firstWeekday)
        model.setFirstWeekday(*request->firstWeekday);
    else if (const auto stored = core::storedFirstWeekday(*core::sharedDefaults()))
        model.setFirstWeekday(*stored);
    model.setDataSource(&subtitles);

    const std::optional<Instant> month = monthNamed(call, model, request->month);
    if (!month)
        return exitUsage;
    const int pageIndex = model.pageForDate(*month);
    MonthPage page{model.cells(pageIndex), model.shownComponents(*month + std::chrono::hours(12)),
                   model.headerTitle(pageIndex)};
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian, model.timeZoneId(),
                                       model.localeName());
    for (const MonthCalendarCell &cell : page.cells)
        page.estimate = page.estimate || (!cell.placeholder && isEstimate(gregorian, cell, adjustment));
    if (request->json)
        writeMonthJson(call.out, model, page, gregorian, adjustment);
    else
        writeMonthText(call.out, model, page);
    return exitOk;
}

} // namespace app::cli
