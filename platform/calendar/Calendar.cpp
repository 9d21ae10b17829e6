// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/calendar/Calendar.h"

#include "platform/calendar/CivilDays.h"
#include "platform/system/Device.h"
#include "platform/system/SystemTimeZone.h"

#include <limits>
#include <map>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace platform {

namespace {

const char *icuCalendarType(CalendarIdentifier id)
{
    switch (id) {
    case CalendarIdentifier::gregorian:
        return "gregorian";
    case CalendarIdentifier::islamicUmmAlQura:
        return "islamic-umalqura";
    }
    return "gregorian";
}

// Building an ICU calendar loads zone and locale data; cloning a prototype is
// several times cheaper, and converters make calendars all the time.
std::unique_ptr<icu::Calendar> makeCalendar(CalendarIdentifier id, const QString &zone, const QString &locale)
{
    using Key = std::tuple<int, QString, QString>;
    thread_local std::map<Key, std::unique_ptr<icu::Calendar>> prototypes;
    const Key key{static_cast<int>(id), zone, locale};
    auto it = prototypes.find(key);
    if (it == prototypes.end()) {
        Device::useInIcu();
        UErrorCode status = U_ZERO_ERROR;
        QByteArray localeId = locale.toLatin1() + "@calendar=" + icuCalendarType(id);
        icu::TimeZone *tz = SystemTimeZone::create(zone).release();
        std::unique_ptr<icu::Calendar> cal(
            icu::Calendar::createInstance(tz, icu::Locale(localeId.constData()), status));
        if (U_FAILURE(status) || !cal)
            qFatal("cannot create the %s calendar: %s", icuCalendarType(id), u_errorName(status));
        it = prototypes.emplace(key, std::move(cal)).first;
    }
    return std::unique_ptr<icu::Calendar>(it->second->clone());
}

// ICU takes 32-bit amounts.
bool fitsInt32(std::int64_t v)
{
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
}

} // namespace

Calendar::Calendar(CalendarIdentifier identifier)
    : Calendar(identifier, Device::timeZoneId(), Device::localeName())
{
}

Calendar::Calendar(CalendarIdentifier identifier, const QString &timeZoneId, const QString &localeName)
    : identifier_(identifier), timeZoneId_(timeZoneId), localeName_(localeName)
{
    // The locale's own first day of the week (CLDR's), until told otherwise:
    // rebuild() would set the default Sunday over it.
    calendar_ = makeCalendar(identifier_, timeZoneId_, localeName_);
    firstWeekday_ = calendar_->getFirstDayOfWeek();
}

Calendar::Calendar(const Calendar &other)
    : identifier_(other.identifier_), timeZoneId_(other.timeZoneId_), localeName_(other.localeName_),
      firstWeekday_(other.firstWeekday_), calendar_(other.calendar_->clone())
{
}

Calendar &Calendar::operator=(const Calendar &other)
{
    if (this != &other) {
        identifier_ = other.identifier_;
        timeZoneId_ = other.timeZoneId_;
        localeName_ = other.localeName_;
        firstWeekday_ = other.firstWeekday_;
        calendar_.reset(other.calendar_->clone());
    }
    return *this;
}

Calendar::Calendar(Calendar &&) noexcept = default;
Calendar &Calendar::operator=(Calendar &&) noexcept = default;
Calendar::~Calendar() = default;

void Calendar::rebuild()
{
    calendar_ = makeCalendar(identifier_, timeZoneId_, localeName_);
    calendar_->setFirstDayOfWeek(static_cast<UCalendarDaysOfWeek>(firstWeekday_ < 1 ? 1 : firstWeekday_));
}

QString Calendar::identifierName() const
{
    return identifier_ == CalendarIdentifier::gregorian ? QStringLiteral("gregorian")
                                                        : QStringLiteral("islamicUmmAlQura");
}

std::optional<CalendarIdentifier> Calendar::identifierFromName(const QString &name)
{
    if (name == QLatin1String("gregorian"))
        return CalendarIdentifier::gregorian;
    if (name == QLatin1String("islamicUmmAlQura"))
        return CalendarIdentifier::islamicUmmAlQura;
    return std::nullopt;
}

void Calendar::setTimeZoneId(const QString &zone)
{
    timeZoneId_ = zone;
    rebuild();
}

void Calendar::setLocaleName(const QString &locale)
{
    localeName_ = locale;
    rebuild();
}

void Calendar::setFirstWeekday(int weekday)
{
    firstWeekday_ = weekday;
    calendar_->setFirstDayOfWeek(static_cast<UCalendarDaysOfWeek>(weekday));
}

bool Calendar::operator==(const Calendar &other) const
{
    return identifier_ == other.identifier_ && timeZoneId_ == other.timeZoneId_ &&
           localeName_ == other.localeName_ && firstWeekday_ == other.firstWeekday_;
}

QByteArray Calendar::icuLocaleId() const
{
    return localeName_.toLatin1() + "@calendar=" + icuCalendarType(identifier_);
}

DateComponents Calendar::components(Instant instant) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar &cal = *calendar_;
    cal.setTime(udateOf(instant), status);
    DateComponents c;
    c.year = cal.get(UCAL_EXTENDED_YEAR, status);
    c.month = cal.get(UCAL_MONTH, status) + 1;
    c.day = cal.get(UCAL_DATE, status);
    c.hour = cal.get(UCAL_HOUR_OF_DAY, status);
    c.minute = cal.get(UCAL_MINUTE, status);
    c.second = cal.get(UCAL_SECOND, status);
    c.weekday = cal.get(UCAL_DAY_OF_WEEK, status);
    if (identifier_ == CalendarIdentifier::gregorian && c.year <= 0) {
        // The extended year counts 1 BC as 0; the era year is what people read.
        c.year = cal.get(UCAL_YEAR, status);
    }
    return c;
}

std::optional<std::int64_t> Calendar::localDayNumber(Instant instant) const
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t rawOffset = 0;
    int32_t dstOffset = 0;
    calendar_->getTimeZone().getOffset(udateOf(instant), false, rawOffset, dstOffset, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return civil::floorDiv(msecsOf(instant) + rawOffset + dstOffset, civil::msecsPerDay);
}

std::optional<Instant> Calendar::date(std::int64_t year, std::int64_t month, std::int64_t day,
                                      std::int64_t hour, std::int64_t minute, std::int64_t second) const
{
    for (std::int64_t v : {year, month, day, hour, minute, second})
        if (!fitsInt32(v))
            return std::nullopt;
    if (month < 1 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59)
        return std::nullopt;
    icu::Calendar &cal = *calendar_;
    cal.clear();
    cal.setLenient(true);
    cal.set(UCAL_EXTENDED_YEAR, static_cast<int32_t>(year));
    cal.set(UCAL_MONTH, static_cast<int32_t>(month - 1));
    cal.set(UCAL_DATE, static_cast<int32_t>(day));
    cal.set(UCAL_HOUR_OF_DAY, static_cast<int32_t>(hour));
    cal.set(UCAL_MINUTE, static_cast<int32_t>(minute));
    cal.set(UCAL_SECOND, static_cast<int32_t>(second));
    UErrorCode status = U_ZERO_ERROR;
    const UDate when = cal.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    // Lenient fields roll over (31 April is 1 May); a round trip tells us the
    // day really exists. The hour may move where the zone skipped it.
    if (identifier_ == CalendarIdentifier::gregorian && year >= civil::firstReformedYear) {
        // On the Gregorian calendar after the reform the day of the moment is
        // arithmetic on its local time: no second pass through ICU's fields.
        if (const auto days = localDayNumber(instantFromUDate(when))) {
            const civil::YearMonthDay back = civil::civilFromDays(*days);
            if (back.year != year || back.month != month || back.day != day)
                return std::nullopt;
            return instantFromUDate(when);
        }
    }
    const DateComponents back = components(instantFromUDate(when));
    if (back.year != year || back.month != month || back.day != day)
        return std::nullopt;
    return instantFromUDate(when);
}

std::optional<Instant> Calendar::add(int field, std::int64_t amount, Instant instant) const
{
    if (!fitsInt32(amount))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar &cal = *calendar_;
    cal.setLenient(true);
    cal.setTime(udateOf(instant), status);
    cal.add(static_cast<UCalendarDateFields>(field), static_cast<int32_t>(amount), status);
    const UDate when = cal.getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return instantFromUDate(when);
}

std::optional<Instant> Calendar::dateByAddingDays(std::int64_t days, Instant instant) const
{
    return add(UCAL_DATE, days, instant);
}

std::optional<Instant> Calendar::dateByAddingMonths(std::int64_t months, Instant instant) const
{
    return add(UCAL_MONTH, months, instant);
}

std::optional<Instant> Calendar::dateByAddingYears(std::int64_t years, Instant instant) const
{
    return add(UCAL_EXTENDED_YEAR, years, instant);
}

Instant Calendar::startOfDay(Instant instant) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar &cal = *calendar_;
    cal.setLenient(true);
    cal.setTime(udateOf(instant), status);
    cal.set(UCAL_HOUR_OF_DAY, 0);
    cal.set(UCAL_MINUTE, 0);
    cal.set(UCAL_SECOND, 0);
    cal.set(UCAL_MILLISECOND, 0);
    // Where midnight was skipped the day starts at the first moment after the
    // gap; where clocks went back to midnight it starts at the first of the two.
    cal.setSkippedWallTimeOption(UCAL_WALLTIME_NEXT_VALID);
    cal.setRepeatedWallTimeOption(UCAL_WALLTIME_FIRST);
    const UDate when = cal.getTime(status);
    cal.setSkippedWallTimeOption(UCAL_WALLTIME_LAST);
    cal.setRepeatedWallTimeOption(UCAL_WALLTIME_LAST);
    if (U_FAILURE(status))
        return instant;
    return instantFromUDate(when);
}

bool Calendar::isDateInSameDay(Instant a, Instant b) const
{
    const DateComponents ca = components(a);
    const DateComponents cb = components(b);
    return ca.year == cb.year && ca.month == cb.month && ca.day == cb.day;
}

int Calendar::daysInMonth(Instant instant) const
{
    UErrorCode status = U_ZERO_ERROR;
    calendar_->setTime(udateOf(instant), status);
    return calendar_->getActualMaximum(UCAL_DATE, status);
}

int Calendar::monthsInYear(Instant instant) const
{
    UErrorCode status = U_ZERO_ERROR;
    calendar_->setTime(udateOf(instant), status);
    return calendar_->getActualMaximum(UCAL_MONTH, status) + 1;
}

DateDifference Calendar::difference(Instant from, Instant to) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar &cal = *calendar_;
    cal.setLenient(true);
    cal.setTime(udateOf(from), status);
    DateDifference d;
    const UDate target = udateOf(to);
    d.years = cal.fieldDifference(target, UCAL_YEAR, status);
    d.months = cal.fieldDifference(target, UCAL_MONTH, status);
    d.days = cal.fieldDifference(target, UCAL_DATE, status);
    if (U_FAILURE(status))
        return {};
    return d;
}

std::int64_t Calendar::daysBetween(Instant from, Instant to) const
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Calendar &cal = *calendar_;
    cal.setTime(udateOf(from), status);
    const int32_t julianFrom = cal.get(UCAL_JULIAN_DAY, status);
    cal.setTime(udateOf(to), status);
    const int32_t julianTo = cal.get(UCAL_JULIAN_DAY, status);
    return static_cast<std::int64_t>(julianTo) - julianFrom;
}

} // namespace platform
