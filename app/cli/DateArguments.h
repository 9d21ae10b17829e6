// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"

#include <QString>
#include <optional>
#include <vector>

namespace app::cli {

// "1447-9-1" split into its numbers when it has exactly `widths.size()`
// groups of 1 to widths[i] ASCII digits joined by '-', the first one
// optionally negative; no value otherwise.
std::optional<std::vector<qint64>> parseNumberGroups(QStringView text, const std::vector<int> &widths,
                                                     bool negativeFirst);

// "YYYY-MM-DD" read on `calendar`: the first moment of that day. No value for
// text of another shape, a day the calendar does not have, or a day outside
// those the converter answers for (RGConv::isConvertibleDay).
std::optional<platform::Instant> parseDayArgument(const QString &text, const platform::Calendar &calendar);
// "gregorian" or "hijri" (also "islamicUmmAlQura").
std::optional<platform::CalendarIdentifier> parseCalendarArgument(const QString &text);
// The error for a day `text` that parseDayArgument refused on `calendar`, in
// the user's language: not a day, or a day outside what can be converted.
QString notADay(const QString &text, platform::CalendarIdentifier calendar);
// The error for `text` naming a day the converter cannot answer for.
QString outOfRange(const QString &text);

} // namespace app::cli
