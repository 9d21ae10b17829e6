// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/RGDate.h"
#include "platform/calendar/Instant.h"

#include <QHash>
#include <QString>
#include <cstdint>

namespace widget {

// One timeline entry: shown from `date` on; the day seen on both calendars.
// The records are shared, immutable, and belong to this entry alone.
struct SimpleEntry
{
    platform::Instant date;
    core::RGDatePtr hijriDate;
    core::RGDatePtr gregorianDate;
    // The day and year numbers as the process that made the entry wrote
    // them in the locale's digits, by value; empty when made here. Lets a
    // reader show them without a number formatter of its own.
    QHash<std::int64_t, QString> numberTexts = {};

    // `value` in the locale's digits: the text written with the entry, else
    // the date core's formatter.
    QString numberText(std::int64_t value) const;
};

} // namespace widget
