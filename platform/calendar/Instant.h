// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDateTime>
#include <QString>
#include <chrono>
#include <cstdint>

namespace platform {

// A moment in time, independent of calendar and zone. Millisecond precision is
// what ICU and Qt both keep.
using Instant = std::chrono::time_point<std::chrono::system_clock, std::chrono::milliseconds>;

inline Instant instantFromMSecs(std::int64_t msecs)
{
    return Instant(std::chrono::milliseconds(msecs));
}
inline std::int64_t msecsOf(Instant instant)
{
    return instant.time_since_epoch().count();
}
inline double udateOf(Instant instant)
{
    return static_cast<double>(msecsOf(instant));
}
inline Instant instantFromUDate(double udate)
{
    return instantFromMSecs(static_cast<std::int64_t>(udate));
}
inline QDateTime toQDateTime(Instant instant)
{
    return QDateTime::fromMSecsSinceEpoch(msecsOf(instant));
}
inline Instant fromQDateTime(const QDateTime &dt)
{
    return instantFromMSecs(dt.toMSecsSinceEpoch());
}

// ISO 8601 with the UTC offset the given zone has at that moment, e.g. 2026-12-05T00:00:00+03:00.
QString isoString(Instant instant, const QString &timeZoneId);
// Reads ISO 8601 with an offset or 'Z'; a string without one is local time in the device zone.
bool parseIsoInstant(const QString &text, Instant *out);

} // namespace platform
