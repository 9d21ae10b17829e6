// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDate>
#include <QDialog>
#include <functional>

class QPushButton;

namespace components {
class DatePicker;
}

namespace app::screens {

// Picks a day by its Hijri date, under the user's adjustment, with the
// converter's wheels; day() gives the Gregorian day chosen.
class HijriDayDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HijriDayDialog(QDate day, QWidget *parent = nullptr);

    QDate day() const;
    components::DatePicker *picker() const { return picker_; }
    QPushButton *chooseButton() const { return choose_; }

private:
    components::DatePicker *picker_;
    QPushButton *choose_;
};

// Gives the event editor's days their Hijri dates, under the user's
// adjustment: a note beside each date field, and this dialog to pick one.
void installHijriDays();

} // namespace app::screens
