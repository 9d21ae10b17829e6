#include "app/cli/EventsCommand.h"

#include "app/cli/ArgumentReader.h"
#include "app/cli/DateArguments.h"
#include "app/screens/calendar/CalendarDay.h"
#include "platform/calendar/Clock.h"
#include "platform/system/Device.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

namespace app::cli {

int runEvents(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {});
    if (!args.expectPositionals(0, 1, QStringLiteral("YYYY-MM-DD"))) {
        call.err << "qamarly events: " << args.error() << '\n';
        return exitUsage;
    }
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    platform::Instant day = gregorian.startOfDay(platform::Clock::current());
    if (!args.positionals().isEmpty()) {
        const QString text = args.positionals().first();
        const auto parsed = parseDayArgument(text, gregorian);
        if (!parsed) {
            call.err << "qamarly events: " << notADay(text, platform::CalendarIdentifier::gregorian) << '\n';
            return exitUsage;
        }
        day = *parsed;
    }
    const auto store = platform::makeEventStore();
    const auto events = screens::eventsOfDay(*store, day);
    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const QString dayText = platform::toQDateTime(day).toLocalTime().date().toString(Qt::ISODate);

    if (args.flag(QStringLiteral("json"))) {
        QJsonArray list;
        for (const platform::CalendarEvent &e : events) {
            list.append(QJsonObject{
                {QStringLiteral("title"), e.title},
                {QStringLiteral("start"), platform::isoString(e.startDate, zone)},
                {QStringLiteral("end"), platform::isoString(e.endDate, zone)},
                {QStringLiteral("location"), e.location},
                {QStringLiteral("calendar"), e.calendar ? e.calendar->title : QString()},
                {QStringLiteral("allDay"), e.allDay},
                {QStringLiteral("duration"), screens::eventDurationText(e.startDate, e.endDate, e.allDay)}});
        }
        const QJsonObject root{{QStringLiteral("date"), dayText}, {QStringLiteral("events"), list}};
        call.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    call.out << dayText << '\n';
    for (const platform::CalendarEvent &e : events) {
        const QString start =
            platform::toQDateTime(e.startDate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const QString end =
            platform::toQDateTime(e.endDate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        call.out << e.title << " | " << start << " - " << end << " | " << e.location << " | "
                 << (e.calendar ? e.calendar->title : QString()) << " | "
                 << screens::eventDurationText(e.startDate, e.endDate, e.allDay) << '\n';
    }
    return exitOk;
}

} // namespace app::cli
