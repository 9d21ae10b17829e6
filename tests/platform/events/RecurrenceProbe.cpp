// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Reads recurrence cases from stdin, one a line:
//   DTSTART RRULE FROM TO      (wall-clock times as YYYYMMDDTHHMMSS)
// and prints for each the occurrences in [FROM, TO], space-separated, or
// "over-budget" when the rule needed more steps than a query may take.
#include "platform/calendar/CivilDays.h"
#include "platform/events/linux/ICalendarFile.h"
#include "platform/events/linux/Recurrence.h"

#include <algorithm>
#include <iostream>
#include <string>

using namespace platform::ical;

namespace {

std::string text(LocalSeconds local)
{
    const std::int64_t day = dayOf(local);
    const auto date = platform::civil::civilFromDays(day);
    const std::int64_t time = local - day * secondsPerDay;
    const auto two = [](std::int64_t value) {
        return std::string(value < 10 ? "0" : "") + std::to_string(value);
    };
    std::string year = std::to_string(date.year);
    year.insert(0, 4 - std::min<std::size_t>(4, year.size()), '0');
    return year + two(date.month) + two(date.day) + 'T' + two(time / 3600) + two(time % 3600 / 60) +
           two(time % 60);
}

} // namespace

int main()
{
    std::string start, rule, from, to;
    while (std::cin >> start >> rule >> from >> to) {
        const auto first = parseTimeValue(QByteArrayView(start.data(), static_cast<qsizetype>(start.size())));
        const auto low = parseTimeValue(QByteArrayView(from.data(), static_cast<qsizetype>(from.size())));
        const auto high = parseTimeValue(QByteArrayView(to.data(), static_cast<qsizetype>(to.size())));
        QString error;
        const auto parsed =
            RecurrenceRule::parse(QByteArrayView(rule.data(), static_cast<qsizetype>(rule.size())), &error);
        if (!first || !low || !high || !parsed) {
            std::cout << "unreadable " << error.toStdString() << '\n';
            continue;
        }
        std::optional<LocalSeconds> until;
        if (parsed->until)
            until = parsed->until->local;
        const RecurrenceExpander expander(*parsed, first->local, until);
        std::int64_t budget = expansionBudget;
        std::string line;
        const auto result = expander.forEach(low->local, high->local, budget, [&](LocalSeconds at) {
            line += text(at) + ' ';
            return true;
        });
        std::cout << (result == RecurrenceExpander::Result::overBudget ? std::string("over-budget") : line)
                  << '\n';
    }
    return 0;
}
