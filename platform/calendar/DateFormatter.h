// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"

#include <QString>
#include <memory>
#include <optional>

namespace platform {

// An LDML (TR35) date formatter and parser. Locale and zone are the device's
// unless set; the calendar decides month names and eras.
class DateFormatter
{
public:
    DateFormatter();
    ~DateFormatter();
    DateFormatter(const DateFormatter &) = delete;
    DateFormatter &operator=(const DateFormatter &) = delete;

    void setCalendar(const Calendar &calendar);
    void setLocaleName(const QString &locale);
    void setTimeZoneId(const QString &zone);
    void setDateFormat(const QString &pattern);

    const Calendar &calendar() const { return calendar_; }
    QString localeName() const { return locale_; }
    QString timeZoneId() const { return zone_; }
    QString dateFormat() const { return pattern_; }

    QString string(Instant instant) const;
    // Strict parse of the whole text; no result for text that does not match.
    std::optional<Instant> date(const QString &text) const;

    // Formats with a formatter kept per thread for this calendar, locale, zone
    // and pattern: the same text as a fresh formatter gives, at a fraction of
    // the cost. Locale and zone are the device's.
    static QString format(const Calendar &calendar, const QString &pattern, Instant instant);
    // Several patterns of one moment at the cost of one: they are formatted as
    // one combined pattern, so the calendar works out the fields once (the
    // Umm al-Qura field computation is the expensive part). Also fills
    // `components` from that same computation when given.
    static QStringList formatAll(const Calendar &calendar, const QStringList &patterns, Instant instant,
                                 DateComponents *components = nullptr);

private:
    struct Impl;
    void ensure() const;
    static DateFormatter &cached(const Calendar &calendar, const QString &pattern);
    QString string(Instant instant, DateComponents *components) const;

    Calendar calendar_;
    QString locale_;
    QString zone_;
    QString pattern_;
    mutable std::unique_ptr<Impl> impl_;
};

} // namespace platform
