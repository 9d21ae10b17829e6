// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "widget/Timeline.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace widget {

// The timeline as `qamarly-widget timeline --json` prints it:
// {"policy", "entries": [{"date", "gregorian", "hijri", "numbers"}]}, each
// record as core::toJson writes it; "numbers" holds the day and year numbers
// of both records as the views show them ("hijriDay", "hijriYear",
// "gregorianDay", "gregorianYear"), so a reader needs no number formatter.
QJsonObject timelineToJson(const Timeline &timeline);

// Reads what timelineToJson wrote. No value, and the reason in `error`, for
// anything but a whole timeline (bad JSON, a missing field, no entries,
// dates out of order). Each entry keeps its numbers' texts.
std::optional<Timeline> timelineFromJson(const QByteArray &json, QString *error = nullptr);

} // namespace widget
