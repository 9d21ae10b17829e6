// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/EventZone.h"

#include "platform/calendar/CivilDays.h"
#include "platform/system/Device.h"
#include "platform/system/SystemTimeZone.h"

#include <map>
#include <mutex>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace platform::ical {

namespace {

class UtcZone final : public EventZone
{
protected:
    std::optional<int> offsetAt(std::int64_t) const override { return 0; }
};

class SystemZone final : public EventZone
{
public:
    explicit SystemZone(std::unique_ptr<icu::TimeZone> zone) : zone_(std::move(zone)) {}

protected:
    std::optional<int> offsetAt(std::int64_t utcSeconds) const override
    {
        int32_t raw = 0, dst = 0;
        UErrorCode status = U_ZERO_ERROR;
        zone_->getOffset(static_cast<double>(utcSeconds) * 1000.0, false, raw, dst, status);
        if (U_FAILURE(status))
            return std::nullopt;
        return (raw + dst) / 1000;
    }

private:
    std::unique_ptr<icu::TimeZone> zone_;
};

std::shared_ptr<const EventZone> systemZone(const QString &id)
{
    // Zones are immutable and few: each is made once per process.
    static std::mutex mutex;
    static std::map<QString, std::shared_ptr<const EventZone>> zones;
    const std::lock_guard lock(mutex);
    auto &zone = zones[id];
    if (!zone)
        zone = std::make_shared<SystemZone>(SystemTimeZone::create(id));
    return zone;
}

} // namespace

std::optional<std::int64_t> EventZone::msecsAt(LocalSeconds local) const
{
    // The offsets a day either side are the two a clock change can be
    // between; a wall time is valid under an offset the zone has at the
    // instant that offset gives.
    const auto before = offsetAt(local - secondsPerDay);
    const auto after = offsetAt(local + secondsPerDay);
    if (!before || !after)
        return std::nullopt;
    const std::int64_t early = local - *before;
    const std::int64_t late = local - *after;
    const auto atEarly = offsetAt(early);
    const auto atLate = offsetAt(late);
    if (!atEarly || !atLate)
        return std::nullopt;
    const bool earlyValid = *atEarly == *before;
    const bool lateValid = *atLate == *after;
    std::int64_t seconds = early;
    if (earlyValid && lateValid)
        seconds = std::min(early, late);
    else if (lateValid)
        seconds = late;
    // Neither valid: a skipped time, read with the offset before the gap.
    return seconds * 1000;
}

std::optional<LocalSeconds> EventZone::localAt(std::int64_t msecs) const
{
    const std::int64_t seconds = civil::floorDiv(msecs, 1000);
    const auto offset = offsetAt(seconds);
    if (!offset)
        return std::nullopt;
    return seconds + *offset;
}

std::shared_ptr<const EventZone> EventZone::utc()
{
    static const auto zone = std::make_shared<UtcZone>();
    return zone;
}

std::shared_ptr<const EventZone> EventZone::named(const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    if (name == QLatin1String("UTC") || name == QLatin1String("Etc/UTC") || name == QLatin1String("GMT"))
        return utc();
    // Some writers prefix the database's ids ("/mozilla.org/20050126_1/Europe/Berlin",
    // "/freeassociation.sourceforge.net/Europe/London"): try the ends of the name too.
    QString candidate = name;
    for (int tries = 0; tries < 4 && !candidate.isEmpty(); ++tries) {
        if (SystemTimeZone::isKnown(candidate))
            return systemZone(candidate);
        const qsizetype slash = candidate.indexOf(QLatin1Char('/'), 1);
        if (slash < 0)
            break;
        candidate = candidate.mid(slash + 1);
    }
    icu::UnicodeString id;
    UErrorCode status = U_ZERO_ERROR;
    const std::u16string windowsName = name.toStdU16String();
    icu::TimeZone::getIDForWindowsID(
        icu::UnicodeString(windowsName.data(), static_cast<int32_t>(windowsName.size())), nullptr, id,
        status);
    if (U_SUCCESS(status) && !id.isEmpty()) {
        const QString mapped = QString(reinterpret_cast<const QChar *>(id.getBuffer()), id.length());
        if (SystemTimeZone::isKnown(mapped))
            return systemZone(mapped);
    }
    return nullptr;
}

std::shared_ptr<const EventZone> EventZone::device()
{
    return systemZone(Device::timeZoneId());
}

DefinedZone::DefinedZone(std::vector<Observance> observances) : observances_(std::move(observances)) {}

std::optional<std::optional<std::pair<std::int64_t, int>>>
DefinedZone::lastOnset(const Observance &observance, std::int64_t utcSeconds) const
{
    // Onsets are wall times on the clock in force before them.
    const LocalSeconds wall = utcSeconds + observance.offsetFrom;
    std::optional<LocalSeconds> last;
    const auto consider = [&](LocalSeconds at) {
        if (at <= wall && (!last || at > *last))
            last = at;
    };
    consider(observance.start);
    for (const TimeValue &date : observance.dates)
        consider(date.utc ? date.local + observance.offsetFrom : date.local);
    if (observance.rule && observance.start <= wall) {
        std::optional<LocalSeconds> until;
        if (observance.rule->until)
            until = observance.rule->until->local + (observance.rule->until->utc ? observance.offsetFrom : 0);
        const RecurrenceExpander expander(*observance.rule, observance.start, until);
        std::int64_t budget = lookupBudget;
        // A zone's changes come yearly at most: three years back find the last
        // one of a rule still in force; one that ended is walked from its start.
        const LocalSeconds windowStart = std::max(observance.start, wall - 3 * 366 * secondsPerDay);
        const auto keepLast = [&](LocalSeconds at) {
            consider(at);
            return true;
        };
        if (expander.forEach(windowStart, wall, budget, keepLast) == RecurrenceExpander::Result::overBudget)
            return std::nullopt;
        if ((!last || *last < windowStart) && (until || observance.rule->count > 0) &&
            expander.forEach(observance.start, windowStart, budget, keepLast) ==
                RecurrenceExpander::Result::overBudget)
            return std::nullopt;
    }
    if (!last)
        return std::optional<std::pair<std::int64_t, int>>();
    return std::optional<std::pair<std::int64_t, int>>(
        std::pair(*last - observance.offsetFrom, observance.offsetTo));
}

std::optional<int> DefinedZone::offsetAt(std::int64_t utcSeconds) const
{
    std::optional<std::pair<std::int64_t, int>> latest;
    const Observance *earliest = nullptr;
    for (const Observance &observance : observances_) {
        if (!earliest || observance.start < earliest->start)
            earliest = &observance;
        const auto onset = lastOnset(observance, utcSeconds);
        if (!onset)
            return std::nullopt;
        if (*onset && (!latest || (*onset)->first > latest->first))
            latest = *onset;
    }
    if (latest)
        return latest->second;
    return earliest ? std::optional<int>(earliest->offsetFrom) : std::optional<int>(0);
}

} // namespace platform::ical
