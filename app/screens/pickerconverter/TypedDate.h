// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Instant.h"

#include <QString>
#include <optional>

namespace app::screens {

// A date typed into the converter: day, month and year as numbers in the
// order and with the separator of the locale's short date ("5/12/2026" in
// Britain, "12/5/2026" in the United States), the year in full; ISO
// "2026-12-05" is understood everywhere. Digits of any script are read.
class TypedDate
{
public:
    explicit TypedDate(const QString &localeName);

    // The numeric pattern typed text follows, e.g. "d/M/yyyy".
    QString pattern() const { return pattern_; }
    // The order in words: "day/month/year" for hint("day", "month", "year").
    QString hint(const QString &day, const QString &month, const QString &year) const;
    // `at` written so that parse() reads it back, in the locale's digits.
    QString text(const platform::Calendar &calendar, platform::Instant at) const;
    // The start of the typed day on `calendar`; none for text that is not a
    // whole, existing date.
    std::optional<platform::Instant> parse(const platform::Calendar &calendar, const QString &text) const;

private:
    QString localeName_;
    QString pattern_;
};

} // namespace app::screens
