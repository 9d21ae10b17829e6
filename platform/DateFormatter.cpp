#include "platform/DateFormatter.h"

#include "platform/Device.h"

#include <map>
#include <unicode/calendar.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace platform {

namespace {
icu::UnicodeString icuString(const QString &s)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(s.utf16()), s.size());
}
QString qString(const icu::UnicodeString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}
} // namespace

struct DateFormatter::Impl
{
    std::unique_ptr<icu::SimpleDateFormat> format;
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
    // The locale carries the calendar keyword so month and era names match it.
    const QByteArray calendarKeyword = calendar_.icuLocaleId().mid(calendar_.icuLocaleId().indexOf('@'));
    const QByteArray localeId = locale_.toLatin1() + calendarKeyword;
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(icuString(pattern_), icu::Locale(localeId.constData()), status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(), icu::Locale(localeId.constData()), status);
    }
    std::unique_ptr<icu::Calendar> cal(calendar_.icuCalendar().clone());
    cal->setTimeZone(*std::unique_ptr<icu::TimeZone>(icu::TimeZone::createTimeZone(icuString(zone_))));
    format->adoptCalendar(cal.release());
    format->setLenient(false);
    impl_ = std::make_unique<Impl>();
    impl_->format = std::move(format);
}

QString DateFormatter::string(Instant instant) const
{
    ensure();
    icu::UnicodeString out;
    impl_->format->format(udateOf(instant), out);
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
    using Key = std::tuple<int, QString, QString, int, QString, QString>;
    thread_local std::map<Key, std::unique_ptr<DateFormatter>> cache;
    const QString locale = Device::localeName();
    const QString zone = Device::timeZoneId();
    Key key{static_cast<int>(calendar.identifier()), calendar.timeZoneId(), calendar.localeName(),
            calendar.firstWeekday(), locale + QLatin1Char('|') + zone, pattern};
    auto it = cache.find(key);
    if (it == cache.end()) {
        auto formatter = std::make_unique<DateFormatter>();
        formatter->setCalendar(calendar);
        formatter->setLocaleName(locale);
        formatter->setTimeZoneId(zone);
        formatter->setDateFormat(pattern);
        it = cache.emplace(std::move(key), std::move(formatter)).first;
    }
    return it->second->string(instant);
}

} // namespace platform
