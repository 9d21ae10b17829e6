// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/RGConv.h"

#include <QJsonObject>
#include <optional>

namespace core {

// {"date" (ISO 8601 with the UTC offset, of the day the record is shown for),
//  "day", "month", "year", "monthName", "weekDayName", "dateFullString"}, with
// "fieldsDate" for the moment the fields are of when that is another (the
// Hijri side under an adjustment) and "estimate": true for a Hijri day
// outside the Umm al-Qura table: the record as scripts and tests read it.
QJsonObject toJson(const RGDate &record);
// The record toJson(record) wrote, read back without calendar work; no
// value when a field is missing or of the wrong type.
std::optional<RGDate> recordFromJson(const QJsonObject &object);
// {"gregorian", "hijri", "adjustment", "estimate"}.
QJsonObject toJson(const RGConv &converter);

} // namespace core
