// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class TimeZone;
U_NAMESPACE_END

namespace platform {

// Time zones read from the system's database (/usr/share/zoneinfo, or $TZDIR),
// which the distribution keeps current; ICU's bundled rules lag behind by years.
namespace SystemTimeZone {

// The zone with this id, e.g. "America/Mexico_City"; an empty id is the
// machine's local zone (/etc/localtime). Falls back to ICU's own rules when the
// database has no such zone, and to UTC when neither knows it.
std::unique_ptr<icu::TimeZone> create(const QString &id);
// Whether the system database or ICU knows the zone.
bool isKnown(const QString &id);

// Builds a zone from the bytes of a TZif file; null when they are not one.
// Exposed so that tests can feed hand-made files.
std::unique_ptr<icu::TimeZone> fromTzif(const QString &id, const QByteArray &data);

} // namespace SystemTimeZone

} // namespace platform
