// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/pickerconverter/TypedDate.h"

#include "platform/calendar/DateFormatter.h"
#include "platform/calendar/NumberFormatter.h"

#include <QLocale>
#include <QRegularExpression>

namespace app::screens {

namespace {
// Marks that keep right-to-left dates in order on screen; not part of the date.
QString withoutDirectionMarks(QString text)
{
    static const QRegularExpression marks(QStringLiteral("[\\x{200E}\\x{200F}\\x{061C}\\x{202A}-\\x{202E}]"));
    return text.remove(marks);
}

QString asciiDigits(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int digit = c.digitValue();
        out += digit >= 0 ? QChar(u'0' + digit) : c;
    }
    return out;
}
} // namespace

TypedDate::TypedDate(const QString &localeName) : localeName_(localeName)
{
    // One letter per numeric field in the locale's order, the year in full.
    QString shortFormat = withoutDirectionMarks(QLocale(localeName).dateFormat(QLocale::ShortFormat));
    static const QRegularExpression day(QStringLiteral("d+")), month(QStringLiteral("M+")),
        year(QStringLiteral("y+"));
    shortFormat.replace(day, QStringLiteral("d"))
        .replace(month, QStringLiteral("M"))
        .replace(year, QStringLiteral("yyyy"));
    static const QRegularExpression numericOnly(QStringLiteral("^(?:[dMy]+[^A-Za-z]+){2}[dMy]+$"));
    const bool hasAll = shortFormat.count(QLatin1Char('d')) == 1 &&
                        shortFormat.count(QLatin1Char('M')) == 1 &&
                        shortFormat.contains(QStringLiteral("yyyy"));
    pattern_ = hasAll && numericOnly.match(shortFormat).hasMatch() ? shortFormat.trimmed()
                                                                   : QStringLiteral("yyyy-MM-dd");
}

QString TypedDate::hint(const QString &day, const QString &month, const QString &year) const
{
    QString out;
    for (int i = 0; i < pattern_.size(); ++i) {
        const QChar c = pattern_.at(i);
        if (c == QLatin1Char('d'))
            out += day;
        else if (c == QLatin1Char('M'))
            out += month;
        else if (c == QLatin1Char('y')) {
            if (i == 0 || pattern_.at(i - 1) != QLatin1Char('y'))
                out += year;
        } else {
            out += c;
        }
    }
    return out;
}

QString TypedDate::text(const platform::Calendar &calendar, platform::Instant at) const
{
    const QString ascii = platform::DateFormatter::format(calendar, pattern_, at);
    // Written in the digits the locale reads.
    platform::NumberFormatter numbers;
    numbers.setLocaleName(localeName_);
    QString out;
    const QString digits = asciiDigits(ascii);
    for (const QChar c : digits) {
        const int digit = c.digitValue();
        out += digit >= 0 ? numbers.string(digit) : QString(c);
    }
    return out;
}

std::optional<platform::Instant> TypedDate::parse(const platform::Calendar &calendar,
                                                  const QString &text) const
{
    const QString cleaned = asciiDigits(withoutDirectionMarks(text)).trimmed();
    if (cleaned.isEmpty())
        return std::nullopt;
    static const QRegularExpression iso(QStringLiteral("^\\d{1,4}-\\d{1,2}-\\d{1,2}$"));
    platform::DateFormatter formatter;
    formatter.setCalendar(calendar);
    formatter.setLocaleName(QStringLiteral("en_US_POSIX"));
    formatter.setDateFormat(iso.match(cleaned).hasMatch() ? QStringLiteral("yyyy-M-d") : pattern_);
    const std::optional<platform::Instant> at = formatter.date(cleaned);
    if (!at)
        return std::nullopt;
    return calendar.startOfDay(*at);
}

} // namespace app::screens
