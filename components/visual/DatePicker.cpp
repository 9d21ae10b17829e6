// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/DatePicker.h"

#include "components/visual/DatePickerColumn.h"
#include "platform/calendar/Clock.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/calendar/NumberFormatter.h"

#include <QHBoxLayout>
#include <algorithm>

namespace components {

namespace {
// Years a column offers; both calendars have every day of this range.
constexpr int firstYear = 1;
constexpr int lastYear = 9999;
} // namespace

// Digits and month names in the picker's locale, remade when the locale or
// the calendar changes.
struct DatePicker::Texts
{
    platform::NumberFormatter numbers;
    QStringList monthNames;
    platform::CalendarIdentifier monthNamesCalendar = platform::CalendarIdentifier::gregorian;
    QString monthNamesLocale;
};

DatePicker::DatePicker(QWidget *parent)
    : QWidget(parent), calendar_(platform::Calendar::gregorian()), localeName_(QStringLiteral("en")),
      date_(platform::Clock::current()), texts_(std::make_unique<Texts>())
{
    texts_->numbers.setLocaleName(localeName_);
    dayColumn_ = new DatePickerColumn(QStringLiteral("day"), this);
    monthColumn_ = new DatePickerColumn(QStringLiteral("month"), this);
    yearColumn_ = new DatePickerColumn(QStringLiteral("year"), this);
    // The layout mirrors itself under right-to-left; Tab follows this order.
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(dayColumn_, 2);
    row->addWidget(monthColumn_, 5);
    row->addWidget(yearColumn_, 3);
    setFocusProxy(dayColumn_);
    connect(dayColumn_, &DatePickerColumn::stepRequested, this, [this](int rows) { step(Field::day, rows); });
    connect(monthColumn_, &DatePickerColumn::stepRequested, this,
            [this](int rows) { step(Field::month, rows); });
    connect(yearColumn_, &DatePickerColumn::stepRequested, this,
            [this](int rows) { step(Field::year, rows); });
    refreshColumns();
}

DatePicker::~DatePicker() = default;

void DatePicker::setCalendar(const platform::Calendar &calendar)
{
    calendar_ = calendar;
    refreshColumns();
}

void DatePicker::setLocaleName(const QString &localeName)
{
    localeName_ = localeName.isEmpty() ? QStringLiteral("en") : localeName;
    texts_->numbers.setLocaleName(localeName_);
    texts_->monthNames.clear();
    refreshColumns();
}

void DatePicker::setMinimumDate(platform::Instant minimum)
{
    minimum_ = minimum;
    date_ = clampedToMinimum(date_);
    refreshColumns();
}

void DatePicker::clearMinimumDate()
{
    minimum_.reset();
}

void DatePicker::setDate(platform::Instant date, bool animated)
{
    const platform::DateComponents before = calendar_.components(date_);
    date_ = clampedToMinimum(date);
    if (!animated) {
        refreshColumns();
        return;
    }
    const platform::DateComponents after = calendar_.components(date_);
    refreshColumns(double(after.day - before.day), double(after.month - before.month),
                   double(after.year - before.year));
}

platform::Instant DatePicker::clampedToMinimum(platform::Instant date) const
{
    return minimum_ && date < *minimum_ ? *minimum_ : date;
}

void DatePicker::step(Field field, int rows)
{
    if (rows == 0)
        return;
    const platform::DateComponents c = calendar_.components(date_);
    std::int64_t year = c.year;
    std::int64_t month = c.month;
    std::int64_t day = c.day;
    const auto wrap = [](std::int64_t value, std::int64_t count) {
        return ((value % count) + count) % count;
    };

    switch (field) {
    case Field::day:
        day = wrap(day - 1 + rows, calendar_.daysInMonth(date_)) + 1;
        break;
    case Field::month:
        month = wrap(month - 1 + rows, calendar_.monthsInYear(date_)) + 1;
        break;
    case Field::year:
        year = std::clamp<std::int64_t>(year + rows, firstYear, lastYear);
        break;
    }
    if (field != Field::day) {
        // Keep the day where the new month has it: 30 Ramadan becomes 29
        // Shawwal, 31 January becomes 28 or 29 February.
        const auto firstOfMonth = calendar_.date(year, month, 1);
        if (!firstOfMonth)
            return;
        day = std::min<std::int64_t>(day, calendar_.daysInMonth(*firstOfMonth));
    }
    const auto picked = calendar_.date(year, month, day, c.hour, c.minute, c.second);
    if (!picked)
        return;

    const platform::Instant accepted = clampedToMinimum(*picked);
    const double dayRows = field == Field::day ? rows : 0;
    const double monthRows = field == Field::month ? rows : 0;
    const double yearRows = field == Field::year ? rows : 0;
    if (accepted == date_) {
        // Refused: the column swings back to where it was.
        refreshColumns(dayRows * 0.4, monthRows * 0.4, yearRows * 0.4);
        return;
    }
    emit willChange();
    date_ = accepted;
    if (accepted != *picked) {
        // Snapped back to the minimum: every column scrolls to it.
        refreshColumns(-0.6, -0.6, -0.6);
    } else {
        refreshColumns(dayRows, monthRows, yearRows);
    }
    emit valueChanged(date_);
}

void DatePicker::refreshColumns(double dayRows, double monthRows, double yearRows)
{
    const platform::DateComponents c = calendar_.components(date_);
    const int monthCount = calendar_.monthsInYear(date_);

    if (texts_->monthNames.size() != monthCount || texts_->monthNamesCalendar != calendar_.identifier() ||
        texts_->monthNamesLocale != localeName_) {
        platform::DateFormatter names;
        names.setCalendar(calendar_);
        names.setLocaleName(localeName_);
        names.setTimeZoneId(calendar_.timeZoneId());
        // Stand-alone month names, as a column of names shows them.
        names.setDateFormat(QStringLiteral("LLLL"));
        texts_->monthNames.clear();
        for (int m = 1; m <= monthCount; ++m) {
            const auto middle = calendar_.date(c.year, m, 15);
            texts_->monthNames.append(middle ? names.string(*middle) : QString());
        }
        texts_->monthNamesCalendar = calendar_.identifier();
        texts_->monthNamesLocale = localeName_;
    }

    const auto number = [this](int value) { return texts_->numbers.string(value); };
    dayColumn_->setValues(int(c.day), 1, calendar_.daysInMonth(date_), true, number);
    const QStringList names = texts_->monthNames;
    monthColumn_->setValues(int(c.month), 1, monthCount, true, [names](int m) {
        return m >= 1 && m <= names.size() ? names[m - 1] : QString();
    });
    yearColumn_->setValues(int(c.year), firstYear, lastYear, false, number);
    dayColumn_->scrollFrom(dayRows);
    monthColumn_->scrollFrom(monthRows);
    yearColumn_->scrollFrom(yearRows);
}

void DatePicker::setTextColor(const QColor &color)
{
    for (DatePickerColumn *column : {dayColumn_, monthColumn_, yearColumn_})
        column->setInk(color);
}

QString DatePicker::dayText() const
{
    return dayColumn_->text();
}
QString DatePicker::monthText() const
{
    return monthColumn_->text();
}
QString DatePicker::yearText() const
{
    return yearColumn_->text();
}

QSize DatePicker::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("00 September 0000")) + 80,
            DatePickerColumn::visibleRows * (metrics.height() + 16)};
}

} // namespace components
