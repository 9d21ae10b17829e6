// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/HijriDayDialog.h"

#include "components/visual/DatePicker.h"
#include "core/RGConv.h"
#include "platform/events/EventDialogs.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::screens {

using platform::fromQDateTime;
using platform::localized;

HijriDayDialog::HijriDayDialog(QDate day, QWidget *parent) : QDialog(parent)
{
    const core::RGConv conv(fromQDateTime(day.startOfDay()));
    setObjectName(QStringLiteral("hijriDayDialog"));
    setWindowTitle(localized("events.hijriPicker.title"));
    setWindowModality(Qt::WindowModal);
    // Wide enough for its title.
    setMinimumWidth(320);
    picker_ = new components::DatePicker(this);
    picker_->setObjectName(QStringLiteral("hijriDayPicker"));
    picker_->setTextColor(palette().color(QPalette::WindowText));
    picker_->setLocaleName(platform::Device::localeName());
    picker_->setCalendar(conv.islamicCalendar());
    picker_->setMinimumDate(conv.firstHijriMoment());
    picker_->setDate(conv.hijriDate()->date());

    auto *buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(localized("events.hijriPicker.choose"), QDialogButtonBox::AcceptRole);
    choose_->setObjectName(QStringLiteral("chooseButton"));
    choose_->setDefault(true);
    QPushButton *cancel = buttons->addButton(localized("events.editor.cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picker_);
    layout->addWidget(buttons);
    picker_->setFocus(Qt::OtherFocusReason);
}

QDate HijriDayDialog::day() const
{
    // The picker holds the Hijri side's moment: back through the converter,
    // which takes the adjustment away again.
    core::RGConv back(picker_->date());
    back.setDate(picker_->date(), back.islamicCalendar());
    return platform::toQDateTime(back.gregorianDate()->date()).toLocalTime().date();
}

void installHijriDays()
{
    platform::setEventDayNote([](QDate day) {
        const core::RGConv conv(fromQDateTime(day.startOfDay()));
        return conv.hijriDate()->dateFullString();
    });
    platform::setEventDayPicker([](QWidget *over, QDate day, const std::function<void(QDate)> &picked) {
        auto *dialog = new HijriDayDialog(day, over);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        const QPointer<HijriDayDialog> guard(dialog);
        QObject::connect(dialog, &QDialog::accepted, dialog, [guard, picked] {
            if (guard)
                picked(guard->day());
        });
        dialog->open();
    });
}

} // namespace app::screens
