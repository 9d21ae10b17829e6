#pragma once

#include "widget/Timeline.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <cstdint>
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
// dates out of order). The numbers' texts are remembered for numberText().
std::optional<Timeline> timelineFromJson(const QByteArray &json, QString *error = nullptr);

// A whole number as the views show it in the device's locale: a text read
// with a timeline when there is one, else the date core's formatter.
QString numberText(std::int64_t value);

} // namespace widget
