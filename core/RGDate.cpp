#include "core/RGDate.h"

#include "platform/calendar/DateFormatter.h"

namespace core {

const QString RGDate::weekDayPattern = QStringLiteral("EEEE");
const QString RGDate::monthNamePattern = QStringLiteral("MMMM (M)");
const QString RGDate::dateFullPattern = QStringLiteral("dd MMMM (M), yyyy");

RGDate::RGDate(platform::Instant date, const platform::Calendar &calendar) : date_(date)
{
    // Formatters are kept per thread and configuration, and the three strings
    // and the numbers come from one field computation: building formatters and
    // computing Umm al-Qura fields is what costs here.
    static const QStringList patterns{weekDayPattern, monthNamePattern, dateFullPattern};
    platform::DateComponents c;
    const QStringList texts = platform::DateFormatter::formatAll(calendar, patterns, date, &c);
    day_ = c.day;
    month_ = c.month;
    year_ = c.year;
    weekDayName_ = texts.at(0);
    monthName_ = texts.at(1);
    dateFullString_ = texts.at(2);
}

} // namespace core
