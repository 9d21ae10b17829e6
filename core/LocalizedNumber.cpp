// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/LocalizedNumber.h"

#include "core/DateTexts.h"
#include "platform/calendar/NumberFormatter.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <limits>

namespace core {

QString localizedNumber(std::int64_t value)
{
    // The date core's digits where they are known to be the number format's:
    // no formatter to make, and none to run.
    if (value >= 0) {
        const DateTexts *texts =
            DateTexts::forLocale(platform::Device::localeName(), platform::CalendarIdentifier::gregorian);
        if (texts && texts->writesPlainNumbers())
            return texts->number(value, 1);
    }
    // One formatter per thread; re-aimed at the current locale on every call,
    // which costs nothing when the locale has not changed.
    thread_local platform::NumberFormatter formatter;
    formatter.setLocaleName(platform::Device::localeName());
    return formatter.string(value);
}

QString localizedCount(const char *key, std::int64_t count)
{
    // The tables choose forms by an int; past its range every language uses
    // its general plural, which the largest int also selects.
    const std::uint64_t size =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    constexpr std::uint64_t largest = std::numeric_limits<int>::max();
    const int chooser = static_cast<int>(size > largest ? largest : size);
    QString text = qtTrId(key, chooser);
    // Qt's own %n would write Western digits; the locale's are wanted.
    text.replace(QLatin1String("%n"), QLatin1String("%1"));
    return text.replace(QLatin1String("%1"), localizedNumber(count));
}

} // namespace core
