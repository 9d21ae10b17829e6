// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace platform::ical {

// The alert of a VALARM from its ACTION, and its TRIGGER's value with the
// RELATED and VALUE parameters. No value for an alarm that shows nothing on
// screen (e-mail, procedure) or whose trigger cannot be read: such alarms
// are left as they are, never fatal.
std::optional<EventAlert> alertOf(QByteArrayView action, QByteArrayView related, QByteArrayView valueType,
                                  QByteArrayView trigger);

// A VALARM showing `description` (RFC 5545 asks one of every display alarm).
QByteArray alarmText(const EventAlert &alert, const QString &description, const QByteArray &newline);

} // namespace platform::ical
