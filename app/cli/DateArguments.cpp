#include "app/cli/DateArguments.h"

#include "platform/localization/Localization.h"
#include "platform/system/Console.h"

#include <QRegularExpression>

namespace app::cli {

std::optional<platform::Instant> parseDayArgument(const QString &text, const platform::Calendar &calendar)
{
    static const QRegularExpression shape(QStringLiteral("^(-?\\d{1,7})-(\\d{1,2})-(\\d{1,2})$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return calendar.date(m.captured(1).toLongLong(), m.captured(2).toLongLong(), m.captured(3).toLongLong());
}

std::optional<platform::CalendarIdentifier> parseCalendarArgument(const QString &text)
{
    if (text == QLatin1String("gregorian"))
        return platform::CalendarIdentifier::gregorian;
    if (text == QLatin1String("hijri") || text == QLatin1String("islamicUmmAlQura"))
        return platform::CalendarIdentifier::islamicUmmAlQura;
    return std::nullopt;
}

QString notADay(const QString &text, platform::CalendarIdentifier calendar)
{
    return platform::localized("cli.error.notADay")
        .arg(platform::printable(text),
             platform::localized(calendar == platform::CalendarIdentifier::gregorian ? "cli.gregorian"
                                                                                     : "cli.hijri"));
}

} // namespace app::cli
