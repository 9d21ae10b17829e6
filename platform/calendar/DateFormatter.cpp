// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/calendar/DateFormatter.h"

#include "platform/system/Device.h"
#include "platform/system/SystemTimeZone.h"

#include <map>
#include <unicode/calendar.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace platform {

namespace {
icu::UnicodeString icuString(const QString &s)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(s.utf16()), static_cast<int32_t>(s.size()));
}
QString qString(const icu::UnicodeString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}
} // namespace

struct DateFormatter::Impl
{
    std::unique_ptr<icu::SimpleDateFormat> format;
    // Our own calendar to format with: ICU's format(UDate) clones one per call
    // and keeps the computed fields from us.
    std::unique_ptr<icu::Calendar> work;
};

DateFormatter::DateFormatter()
    : calendar_(CalendarIdentifier::gregorian), locale_(Device::localeName()), zone_(Device::timeZoneId())
{
}

DateFormatter::~DateFormatter() = default;

void DateFormatter::setCalendar(const Calendar &calendar)
{
    calendar_ = calendar;
    impl_.reset();
}

void DateFormatter::setLocaleName(const QString &locale)
{
    locale_ = locale;
    impl_.reset();
}

void DateFormatter::setTimeZoneId(const QString &zone)
{
    zone_ = zone;
    impl_.reset();
}

void DateFormatter::setDateFormat(const QString &pattern)
{
    pattern_ = pattern;
    if (impl_)
        impl_->format->applyPattern(icuString(pattern));
}

void DateFormatter::ensure() const
{
    if (impl_)
        return;
    Device::useInIcu();
    // The locale carries the calendar keyword so month and era names match it.
    const QByteArray calendarKeyword = calendar_.icuLocaleId().mid(calendar_.icuLocaleId().indexOf('@'));
    const QByteArray localeId = locale_.toLatin1() + calendarKeyword;
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(icuString(pattern_),
                                                          icu::Locale(localeId.constData()), status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(),
                                                         icu::Locale(localeId.constData()), status);
    }
    std::unique_ptr<icu::Calendar> cal(calendar_.icuCalendar().clone());
    cal->adoptTimeZone(SystemTimeZone::create(zone_).release());
    format->adoptCalendar(cal.release());
    format->setLenient(false);
    impl_ = std::make_unique<Impl>();
    impl_->work.reset(format->getCalendar()->clone());
    impl_->format = std::move(format);
}

QString DateFormatter::string(Instant instant) const
{
    return string(instant, nullptr);
}

QString DateFormatter::string(Instant instant, DateComponents *components) const
{
    ensure();
    icu::UnicodeString out;
    icu::Calendar &cal = *impl_->work;
    UErrorCode status = U_ZERO_ERROR;
    cal.setTime(udateOf(instant), status);
    icu::FieldPosition position;
    impl_->format->format(cal, out, position);
    if (components) {
        // Formatting left the fields of `instant` computed in `cal`.
        components->year = cal.get(UCAL_EXTENDED_YEAR, status);
        components->month = cal.get(UCAL_MONTH, status) + 1;
        components->day = cal.get(UCAL_DATE, status);
        components->hour = cal.get(UCAL_HOUR_OF_DAY, status);
        components->minute = cal.get(UCAL_MINUTE, status);
        components->second = cal.get(UCAL_SECOND, status);
        components->weekday = cal.get(UCAL_DAY_OF_WEEK, status);
        if (calendar_.identifier() == CalendarIdentifier::gregorian && components->year <= 0)
            components->year = cal.get(UCAL_YEAR, status);
    }
    return qString(out);
}

std::optional<Instant> DateFormatter::date(const QString &text) const
{
    ensure();
    icu::ParsePosition pos(0);
    const icu::UnicodeString input = icuString(text);
    const UDate when = impl_->format->parse(input, pos);
    if (pos.getErrorIndex() >= 0 || pos.getIndex() != input.length())
        return std::nullopt;
    return instantFromUDate(when);
}

QString DateFormatter::format(const Calendar &calendar, const QString &pattern, Instant instant)
{
    return cached(calendar, pattern).string(instant);
}

QStringList DateFormatter::formatAll(const Calendar &calendar, const QStringList &patterns, Instant instant,
                                     DateComponents *components)
{
    // A control character no pattern or localized name contains, quoted as a literal.
    static const QChar separator(0x1F);
    const QString combined = patterns.join(QLatin1Char('\'') + separator + QLatin1Char('\''));
    const DateFormatter &formatter = cached(calendar, combined);
    // The formatter works in the device zone; components in another zone come from the calendar.
    const bool sameZone = formatter.timeZoneId() == calendar.timeZoneId();
    QStringList parts = formatter.string(instant, sameZone ? components : nullptr).split(separator);
    if (components && !sameZone)
        *components = calendar.components(instant);
    if (parts.size() != patterns.size()) {
        parts.clear();
        for (const QString &pattern : patterns)
            parts << format(calendar, pattern, instant);
    }
    return parts;
}

DateFormatter &DateFormatter::cached(const Calendar &calendar, const QString &pattern)
{
    using Key = std::tuple<int, QString, QString, int, QString, QString>;
    thread_local std::map<Key, std::unique_ptr<DateFormatter>> cache;
    const QString locale = Device::localeName();
    const QString zone = Device::timeZoneId();
    Key key{static_cast<int>(calendar.identifier()),
            calendar.timeZoneId(),
            calendar.localeName(),
            calendar.firstWeekday(),
            locale + QLatin1Char('|') + zone,
            pattern};
    auto it = cache.find(key);
    if (it == cache.end()) {
        auto formatter = std::make_unique<DateFormatter>();
        formatter->setCalendar(calendar);
        formatter->setLocaleName(locale);
        formatter->setTimeZoneId(zone);
        formatter->setDateFormat(pattern);
        it = cache.emplace(std::move(key), std::move(formatter)).first;
    }
    return *it->second;
}

} // namespace platform
