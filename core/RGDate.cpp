#include "core/RGDate.h"

#include "core/DateTexts.h"
#include "core/DayTable.h"
#include "platform/calendar/CivilDays.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/system/Device.h"

#include <unicode/calendar.h>
#include <unicode/timezone.h>

namespace core {

const QString RGDate::weekDayPattern = QStringLiteral("EEEE");
const QString RGDate::monthNamePattern = QStringLiteral("MMMM (M)");
const QString RGDate::dateFullPattern = QStringLiteral("dd MMMM (M), yyyy");

namespace {

constexpr std::int64_t msecsPerDay = 86'400'000;
// ICU counts days before 15 October 1582 on the Julian calendar; four-digit
// years keep "yyyy" a plain padding. Constants, so records made while static objects
// are still being set up see them: 1583-01-01 and 9999-12-31.
constexpr std::int64_t firstGregorianDay = -141'349;
constexpr std::int64_t lastGregorianDay = 2'932'896;

using platform::civil::floorDiv;

} // namespace

bool RGDate::fromTables(const platform::Calendar &calendar)
{
    // Texts are formatted in the device's zone and the numbers come from the
    // calendar's: the tables serve only when both are the same.
    if (calendar.timeZoneId() != platform::Device::timeZoneId())
        return false;
    const DateTexts *texts = DateTexts::forLocale(platform::Device::localeName(), calendar.identifier());
    if (!texts)
        return false;
    UErrorCode status = U_ZERO_ERROR;
    int32_t rawOffset = 0;
    int32_t dstOffset = 0;
    calendar.icuCalendar().getTimeZone().getOffset(platform::udateOf(date_), false, rawOffset, dstOffset,
                                                   status);
    if (U_FAILURE(status))
        return false;
    const std::int64_t days = floorDiv(platform::msecsOf(date_) + rawOffset + dstOffset, msecsPerDay);
    CalendarDay day;
    if (calendar.identifier() == platform::CalendarIdentifier::gregorian) {
        if (days < firstGregorianDay || days > lastGregorianDay)
            return false;
        day = DayTable::gregorian(days);
    } else {
        const auto hijri = DayTable::hijri(days);
        if (!hijri)
            return false;
        day = *hijri;
    }
    day_ = day.day;
    month_ = day.month;
    year_ = day.year;
    weekDayName_ = texts->weekDayName(DayTable::weekday(days));
    monthName_ = texts->monthName(day.month);
    dateFullString_ = texts->dateFullString(day);
    return true;
}

RGDate::RGDate(platform::Instant date, const platform::Calendar &calendar) : date_(date)
{
    if (fromTables(calendar))
        return;
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

RGDate::RGDate(platform::Instant date, std::int64_t day, std::int64_t month, std::int64_t year,
               QString monthName, QString weekDayName, QString dateFullString)
    : date_(date), day_(day), month_(month), year_(year), monthName_(std::move(monthName)),
      weekDayName_(std::move(weekDayName)), dateFullString_(std::move(dateFullString))
{
}

} // namespace core
