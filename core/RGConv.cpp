#include "core/RGConv.h"

#include "core/SharedDefaults.h"

#include <QtGlobal>
#include <mutex>
#include <set>

namespace core {

RGConv::RGConv(platform::Instant date) : RGConv(date, sharedDefaults()) {}

RGConv::RGConv(platform::Instant date, std::shared_ptr<platform::UserDefaults> suite)
    : suite_(std::move(suite)), gregorianCalendar_(platform::CalendarIdentifier::gregorian),
      islamicCalendar_(platform::CalendarIdentifier::islamicUmmAlQura)
{
    readAdjustment();
    gregorianDate_ = std::make_shared<const RGDate>(date, gregorianCalendar_);
    const auto shifted = shift(date, adjustmentNumber_);
    hijriDate_ = std::make_shared<const RGDate>(shifted.value_or(date), islamicCalendar_);
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
    adjustmentNumber_ = suite_ ? storedAdjustment(*suite_) : 0;
}

std::optional<platform::Instant> RGConv::shift(platform::Instant date, std::int64_t days) const
{
    if (days == 0)
        return date;
    // Whole days keeping the wall-clock time come out the same on either
    // calendar, and the Gregorian one works them out without walking years.
    return gregorianCalendar_.dateByAddingDays(days, date);
}

void RGConv::setDate(platform::Instant date, const platform::Calendar &calendar)
{
    readAdjustment();
    if (calendar == gregorianCalendar_) {
        gregorianDate_ = std::make_shared<const RGDate>(date, gregorianCalendar_);
        if (const auto shifted = shift(date, adjustmentNumber_))
            hijriDate_ = std::make_shared<const RGDate>(*shifted, islamicCalendar_);
        return;
    }
    hijriDate_ = std::make_shared<const RGDate>(date, islamicCalendar_);
    // Negating the smallest 64-bit value has no result either.
    if (adjustmentNumber_ == std::numeric_limits<std::int64_t>::min())
        return;
    if (const auto shifted = shift(date, -adjustmentNumber_))
        gregorianDate_ = std::make_shared<const RGDate>(*shifted, gregorianCalendar_);
}

} // namespace core
