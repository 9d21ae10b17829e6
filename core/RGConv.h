// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/RGDate.h"
#include "platform/defaults/UserDefaults.h"

#include <memory>

namespace core {

// One moment on the Gregorian and the Umm al-Qura calendars. The Hijri side is
// shifted by the user's adjustment, which is re-read from the suite at
// construction and at every setDate.
class RGConv
{
public:
    explicit RGConv(platform::Instant date);
    // Reads the adjustment from `suite` instead of the shared one.
    RGConv(platform::Instant date, std::shared_ptr<platform::UserDefaults> suite);
    // Applies `adjustmentNumber` (when usable, else none) and reads no suite:
    // for work that converts many days with one value.
    RGConv(platform::Instant date, std::int64_t adjustmentNumber);
    // From the next setDate on, applies `adjustmentNumber` as the constructor
    // above does, whatever the converter read before.
    void setFixedAdjustment(std::int64_t adjustmentNumber) { fixedAdjustment_ = adjustmentNumber; }

    // The Gregorian calendar gives the Gregorian moment; any other calendar
    // (even a Gregorian one with other settings) gives the Hijri-side moment.
    void setDate(platform::Instant date, const platform::Calendar &calendar);

    const RGDatePtr &gregorianDate() const { return gregorianDate_; }
    const RGDatePtr &hijriDate() const { return hijriDate_; }
    const platform::Calendar &gregorianCalendar() const { return gregorianCalendar_; }
    const platform::Calendar &islamicCalendar() const { return islamicCalendar_; }
    std::int64_t adjustmentNumber() const { return adjustmentNumber_; }

    // Whether both records name real days: from 1 Muharram 1 AH to 31
    // December 9999 (ICU's calendars reach further, with years before the
    // Hijri era or of seven digits that no surface can write).
    bool isConvertible() const;
    // Whether `date` lies in those days, in the device's zone.
    static bool isConvertibleDay(platform::Instant date);
    // The first moment whose Hijri side, under the adjustment last read, is
    // 1 Muharram 1 AH: where a Gregorian date picker starts.
    platform::Instant firstGregorianMoment() const;
    // 1 Muharram 1 AH: where a Hijri date picker starts.
    platform::Instant firstHijriMoment() const;

    // Adjustments every surface can apply: far more than moon sightings ever
    // differ by, and small enough that every shifted day exists.
    static constexpr std::int64_t maximumAdjustment = 365;
    static bool isUsableAdjustment(std::int64_t days)
    {
        return days >= -maximumAdjustment && days <= maximumAdjustment;
    }
    // The stored adjustment, 0 when absent, not an integer or out of range.
    static std::int64_t storedAdjustment(const platform::UserDefaults &suite);
    // `stored` when usable, else 0, logging the ignored value once per process.
    static std::int64_t usableAdjustment(std::int64_t stored);

private:
    void readAdjustment();
    // `date` plus whole days at the same wall-clock time; no result out of range.
    std::optional<platform::Instant> shift(platform::Instant date, std::int64_t days) const;

    void setUp(platform::Instant date);

    std::shared_ptr<platform::UserDefaults> suite_;
    std::optional<std::int64_t> fixedAdjustment_;
    platform::Calendar gregorianCalendar_;
    platform::Calendar islamicCalendar_;
    std::int64_t adjustmentNumber_ = 0;
    RGDatePtr gregorianDate_;
    RGDatePtr hijriDate_;
};

using RGConvPtr = std::shared_ptr<RGConv>;

} // namespace core
