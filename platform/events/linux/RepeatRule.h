// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QByteArray>
#include <QByteArrayView>

namespace platform::ical {

// The editor's terms for an RRULE value; `zone` (the event's, the device's
// when empty) gives the day of an UNTIL written in UTC.
EventRepeat repeatOfRule(QByteArrayView rule, const QString &zone);

// The RRULE value for `repeat`, its end written as `untilValue` (the value
// of UNTIL in the form the event's start needs).
QByteArray ruleText(const EventRepeat &repeat, const QByteArray &untilValue);

} // namespace platform::ical
