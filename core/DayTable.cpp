#include "core/DayTable.h"

#include <algorithm>
#include <iterator>

namespace core::DayTable {

namespace {
#include "UmmAlQuraMonthStarts.inc"

constexpr std::int64_t monthCount = std::size(monthStarts) - 1;
static_assert(monthCount == (monthStartLastYear - monthStartFirstYear + 1) * 12);

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
} // namespace

// Civil-from-days and days-from-civil over 400-year eras (Hinnant).
std::int64_t fromGregorian(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CalendarDay gregorian(std::int64_t days)
{
    const std::int64_t z = days + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    CalendarDay d;
    d.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    d.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    d.year = yearOfEra + era * 400 + (d.month <= 2 ? 1 : 0);
    return d;
}

int weekday(std::int64_t days)
{
    return static_cast<int>(days - floorDiv(days + 4, 7) * 7 + 4) + 1;
}

int firstHijriYear()
{
    return monthStartFirstYear;
}

int lastHijriYear()
{
    return monthStartLastYear;
}

std::int64_t firstHijriDay()
{
    return monthStarts[0];
}

std::int64_t endHijriDay()
{
    return monthStarts[monthCount];
}

std::optional<CalendarDay> hijri(std::int64_t days)
{
    if (days < firstHijriDay() || days >= endHijriDay())
        return std::nullopt;
    // The last month start not after `days`.
    const auto next = std::upper_bound(std::begin(monthStarts), std::end(monthStarts), days);
    const auto index = std::distance(std::begin(monthStarts), next) - 1;
    CalendarDay d;
    d.year = monthStartFirstYear + index / 12;
    d.month = static_cast<int>(index % 12) + 1;
    d.day = static_cast<int>(days - monthStarts[index]) + 1;
    return d;
}

std::optional<std::int64_t> fromHijri(std::int64_t year, int month, int day)
{
    if (year < monthStartFirstYear || year > monthStartLastYear || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const std::int64_t index = (year - monthStartFirstYear) * 12 + month - 1;
    const std::int64_t start = monthStarts[index];
    if (day > monthStarts[index + 1] - start)
        return std::nullopt;
    return start + day - 1;
}

} // namespace core::DayTable
