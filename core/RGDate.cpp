#include "core/RGDate.h"

#include "platform/DateFormatter.h"

namespace core {

const QString RGDate::weekDayPattern = QStringLiteral("EEEE");
const QString RGDate::monthNamePattern = QStringLiteral("MMMM (M)");
const QString RGDate::dateFullPattern = QStringLiteral("dd MMMM (M), yyyy");

RGDate::RGDate(platform::Instant date, const platform::Calendar &calendar) : date_(date)
{
    const platform::DateComponents c = calendar.components(date);
    day_ = c.day;
    month_ = c.month;
    year_ = c.year;
    // Formatters are kept per thread and configuration: building one per
    // record costs more than everything else here together.
    weekDayName_ = platform::DateFormatter::format(calendar, weekDayPattern, date);
    monthName_ = platform::DateFormatter::format(calendar, monthNamePattern, date);
    dateFullString_ = platform::DateFormatter::format(calendar, dateFullPattern, date);
}

} // namespace core
