#pragma once

#include "core/RGConv.h"

#include <QJsonObject>

namespace core {

// {"date" (ISO 8601 with the UTC offset), "day", "month", "year", "monthName",
//  "weekDayName", "dateFullString"}: the record as scripts and tests read it.
QJsonObject toJson(const RGDate &record);
// {"gregorian", "hijri", "adjustment"}.
QJsonObject toJson(const RGConv &converter);

} // namespace core
