// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QByteArray>

namespace app::occasions {

// The six occasions of `years` Hijri years from the current one, each an
// all-day calendar entry (a VEVENT) on its Gregorian day under the user's
// adjustment, as an iCalendar file any calendar program imports or subscribes
// to. Every occurrence keeps its UID from one export to the next (occasion and
// Hijri year), so a second import updates rather than doubles; an adjustment
// changed since moves the day of the same entry. `now` picks the year and
// stamps the entries.
QByteArray occasionsICalendar(platform::Instant now, int years);

inline constexpr int maximumExportYears = 100;

// One content line, ended by CRLF and folded before 75 octets, never inside
// a UTF-8 sequence (an Arabic letter is two octets).
QByteArray iCalendarLine(const QString &line);

} // namespace app::occasions
