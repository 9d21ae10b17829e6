// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Instant.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace components {

class DatePickerColumn;

// Picks a day, month and year on any calendar, in three wheel-like columns
// (day, month name, year) in the locale's digits and names. Keyboard (Up and
// Down, Tab between columns), mouse wheel, clicks above or below the
// selected row and drags up or down step a column. A date before the minimum is refused: the
// picker snaps back to the minimum. Mirrors under right-to-left.
//
// User changes emit willChange() and then valueChanged(); setDate() and the
// other setters emit nothing.
class DatePicker : public QWidget
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);
    ~DatePicker() override;

    void setCalendar(const platform::Calendar &calendar);
    const platform::Calendar &calendar() const { return calendar_; }
    // "en", "ar", "ar_SA"...: month names and digits.
    void setLocaleName(const QString &localeName);
    QString localeName() const { return localeName_; }
    // The date moves up to the minimum when it lies before it.
    void setMinimumDate(platform::Instant minimum);
    void clearMinimumDate();
    std::optional<platform::Instant> minimumDate() const { return minimum_; }
    void setDate(platform::Instant date, bool animated = false);
    platform::Instant date() const { return date_; }

    // The texts the three columns show for the selected date (for tests and
    // accessibility): day, month name, year.
    QString dayText() const;
    QString monthText() const;
    QString yearText() const;

    // White unless set: screens draw the picker over dark wallpapers.
    void setTextColor(const QColor &color);

    QSize sizeHint() const override;

signals:
    void willChange();
    void valueChanged(platform::Instant date);

private:
    enum class Field
    {
        day,
        month,
        year
    };
    struct Texts;
    // A user's step of one column by `rows` rows.
    void step(Field field, int rows);
    // Shows the date; each column scrolls in from the given number of rows away.
    void refreshColumns(double dayRows = 0, double monthRows = 0, double yearRows = 0);
    platform::Instant clampedToMinimum(platform::Instant date) const;

    platform::Calendar calendar_;
    QString localeName_;
    std::optional<platform::Instant> minimum_;
    platform::Instant date_;
    std::unique_ptr<Texts> texts_;
    DatePickerColumn *dayColumn_ = nullptr;
    DatePickerColumn *monthColumn_ = nullptr;
    DatePickerColumn *yearColumn_ = nullptr;
};

} // namespace components
