#pragma once

#include "core/RGConv.h"
#include "platform/Instant.h"

#include <QColor>
#include <QString>
#include <memory>
#include <vector>

namespace events {

// One yearly occasion of the current Hijri year: its dates on both calendars
// and how long until (or since) it, as the occasions screen shows it.
class Event
{
public:
    // `ddmm`: the Hijri day and month as four digits ("0110" is 1 Shawwal).
    // The occasion is that day of the Hijri year `now` falls in (after the
    // user's adjustment); a day the year does not have leaves the record as made.
    Event(const QString &name, const QString &ddmm, platform::Instant now);

    QString name;
    QString dateString;
    QString gDateString;
    QString days;
    // False only once the occasion lies at least one whole day in the past.
    bool isFuture = true;
    QColor color;
    core::RGConvPtr conv;

    static const QColor comingColor;
    static const QColor pastColor;

private:
    void describeTiming(platform::Instant now);
};

using EventPtr = std::shared_ptr<Event>;

// The occasion table in the order of the Hijri year: name key and "DDMM".
struct OccasionRow
{
    const char *key;
    const char *ddmm;
};
const std::vector<OccasionRow> &occasionTable();

// Whole days, then the hours and minutes left over, from `from` to `to` on
// `calendar`, counted as calendar days (a day across a clock change is still
// one day); all carry the sign of to - from.
struct DaysAndHours
{
    std::int64_t days = 0;
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
};
DaysAndHours daysAndHoursBetween(const platform::Calendar &calendar, platform::Instant from,
                                 platform::Instant to);

// The six occasions of the current Hijri year, names localized.
std::vector<EventPtr> buildOccasions(platform::Instant now);
// Where the occasions carousel opens: the first occasion still to come (today's
// counts), else the last one; -1 for an empty list.
int openingIndex(const std::vector<EventPtr> &occasions);

} // namespace events
