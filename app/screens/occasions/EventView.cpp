// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/occasions/EventView.h"

#include "core/LocalizedNumber.h"
#include "ui_EventView.h"

namespace app::occasions {

EventView::EventView(QWidget *parent) : QWidget(parent), ui_(std::make_unique<Ui::EventView>())
{
    ui_->setupUi(this);
}

EventView::~EventView() = default;

void EventView::setEvent(const Event &occasion)
{
    ui_->eventLabel->setText(occasion.name);
    ui_->eventHijriDate->setText(occasion.dateString);
    const core::RGDate &gregorian = *occasion.conv->gregorianDate();
    ui_->dayLabel->setText(core::localizedNumber(gregorian.day()));
    ui_->monthLabel->setText(gregorian.monthName());
    ui_->yearLabel->setText(core::localizedNumber(gregorian.year()));
}

} // namespace app::occasions
