// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/RGConv.h"

#include "core/SharedDefaults.h"
#include "platform/calendar/CivilDays.h"

#include <QtGlobal>
#include <mutex>
#include <set>
#include <unicode/calendar.h>
#include <unicode/timezone.h>

namespace core {

RGConv::RGConv(platform::Instant date) : RGConv(date, sharedDefaults()) {}

RGConv::RGConv(platform::Instant date, std::shared_ptr<platform::UserDefaults> suite)
    : suite_(std::move(suite)), gregorianCalendar_(platform::CalendarIdentifier::gregorian),
      islamicCalendar_(platform::CalendarIdentifier::islamicUmmAlQura)
{
    setUp(date);
}

RGConv::RGConv(platform::Instant date, std::int64_t adjustmentNumber)
    : fixedAdjustment_(adjustmentNumber), gregorianCalendar_(platform::CalendarIdentifier::gregorian),
      islamicCalendar_(platform::CalendarIdentifier::islamicUmmAlQura)
{
    setUp(date);
}

void RGConv::setUp(platform::Instant date)
{
    readAdjustment();
    gregorianDate_ = std::make_shared<const RGDate>(date, gregorianCalendar_);
    const auto shifted = shift(date, adjustmentNumber_);
    hijriDate_ = std::make_shared<const RGDate>(shifted.value_or(date), islamicCalendar_, date);
}

std::int64_t RGConv::storedAdjustment(const platform::UserDefaults &suite)
{
    return usableAdjustment(suite.integer(keys::adjustmentNumber).value_or(0));
}

std::int64_t RGConv::usableAdjustment(std::int64_t stored)
{
    if (isUsableAdjustment(stored))
        return stored;
    static std::mutex mutex;
    static std::set<std::int64_t> logged;
    std::lock_guard lock(mutex);
    if (logged.insert(stored).second)
        qWarning("ignoring the stored adjustment %lld: only %lld to %lld days can be applied; using 0",
                 static_cast<long long>(stored), static_cast<long long>(-maximumAdjustment),
                 static_cast<long long>(maximumAdjustment));
    return 0;
}

void RGConv::readAdjustment()
{
    if (fixedAdjustment_)
        adjustmentNumber_ = usableAdjustment(*fixedAdjustment_);
    else
        adjustmentNumber_ = suite_ ? storedAdjustment(*suite_) : 0;
}

std::optional<platform::Instant> RGConv::shift(platform::Instant date, std::int64_t days) const
{
    if (days == 0)
        return date;
    // Whole days at the same wall-clock time come out the same on either
    // calendar. The zone alone decides them, as ICU's day arithmetic does: move
    // by days of 24 hours, take back a change of the zone's offset, and where
    // that lands on a wall time the zone skipped keep the later reading.
    constexpr std::int64_t msecsPerDay = 86'400'000;
    const icu::TimeZone &zone = gregorianCalendar_.icuCalendar().getTimeZone();
    const auto offset = [&zone](std::int64_t msecs) -> std::optional<std::int64_t> {
        UErrorCode status = U_ZERO_ERROR;
        int32_t raw = 0;
        int32_t dst = 0;
        zone.getOffset(static_cast<UDate>(msecs), false, raw, dst, status);
        return U_SUCCESS(status) ? std::optional<std::int64_t>(raw + dst) : std::nullopt;
    };
    const auto wallTime = [](std::int64_t msecs, std::int64_t offsetMsecs) {
        return ((msecs + offsetMsecs) % msecsPerDay + msecsPerDay) % msecsPerDay;
    };
    const std::int64_t from = platform::msecsOf(date);
    const auto before = offset(from);
    if (!isUsableAdjustment(days) || !before)
        return gregorianCalendar_.dateByAddingDays(days, date);
    const std::int64_t moved = from + days * msecsPerDay;
    const auto after = offset(moved);
    if (!after)
        return gregorianCalendar_.dateByAddingDays(days, date);
    if (*after == *before)
        return platform::instantFromMSecs(moved);
    // A change of a whole day (a zone crossing the date line) leaves the wall time as it is.
    const std::int64_t correction = (*before - *after) % msecsPerDay;
    const std::int64_t corrected = moved + correction;
    const auto correctedOffset = offset(corrected);
    if (correctedOffset && wallTime(corrected, *correctedOffset) == wallTime(from, *before))
        return platform::instantFromMSecs(corrected);
    return platform::instantFromMSecs(correction < 0 ? moved : corrected);
}

void RGConv::setDate(platform::Instant date, const platform::Calendar &calendar)
{
    readAdjustment();
    if (calendar == gregorianCalendar_) {
        gregorianDate_ = std::make_shared<const RGDate>(date, gregorianCalendar_);
        if (const auto shifted = shift(date, adjustmentNumber_))
            hijriDate_ = std::make_shared<const RGDate>(*shifted, islamicCalendar_, date);
        return;
    }
    // readAdjustment keeps the adjustment usable, so its negation exists.
    const auto shifted = shift(date, -adjustmentNumber_);
    hijriDate_ = std::make_shared<const RGDate>(date, islamicCalendar_, shifted.value_or(date));
    if (shifted)
        gregorianDate_ = std::make_shared<const RGDate>(*shifted, gregorianCalendar_);
}

namespace {

// The first day of 1 AH as ICU counts it, and 31 December 9999: the days
// both calendars write with years of one to four digits.
struct ConvertibleDays
{
    std::int64_t first;
    std::int64_t last;
};

const ConvertibleDays &convertibleDays()
{
    static const ConvertibleDays days = [] {
        const platform::Calendar islamic(platform::CalendarIdentifier::islamicUmmAlQura,
                                         QStringLiteral("UTC"), QStringLiteral("en_US"));
        const auto epoch = islamic.date(1, 1, 1, 12);
        const platform::Calendar utc(platform::CalendarIdentifier::gregorian, QStringLiteral("UTC"),
                                     QStringLiteral("en_US"));
        return ConvertibleDays{epoch ? utc.localDayNumber(*epoch).value_or(0) : 0,
                               platform::civil::daysFromCivil(9999, 12, 31)};
    }();
    return days;
}

bool inConvertibleDays(const platform::Calendar &calendar, platform::Instant date)
{
    const auto day = calendar.localDayNumber(date);
    return day && *day >= convertibleDays().first && *day <= convertibleDays().last;
}

} // namespace

bool RGConv::isConvertibleDay(platform::Instant date)
{
    return inConvertibleDays(platform::Calendar(platform::CalendarIdentifier::gregorian), date);
}

platform::Instant RGConv::firstHijriMoment() const
{
    const auto noon = islamicCalendar_.date(1, 1, 1, 12);
    return islamicCalendar_.startOfDay(noon.value_or(platform::Instant{}));
}

platform::Instant RGConv::firstGregorianMoment() const
{
    const platform::Instant first = firstHijriMoment();
    const auto noon = shift(first + std::chrono::hours(12), -adjustmentNumber_);
    return gregorianCalendar_.startOfDay(noon.value_or(first));
}

bool RGConv::isConvertible() const
{
    return inConvertibleDays(gregorianCalendar_, gregorianDate_->date()) &&
           inConvertibleDays(gregorianCalendar_, hijriDate_->date());
}

} // namespace core
