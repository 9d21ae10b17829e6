// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/TimelineJson.h"

#include "core/LocalizedNumber.h"
#include "core/RGDateJson.h"
#include "platform/system/Device.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace widget {

namespace {

constexpr QLatin1StringView numbersKey("numbers");
constexpr QLatin1StringView endKey("end");

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

QJsonObject timelineToJson(const Timeline &timeline)
{
    const QString zone = platform::Device::timeZoneId();
    QJsonArray entries;
    for (const SimpleEntry &e : timeline.entries) {
        const QJsonObject numbers{
            {QStringLiteral("gregorianDay"), core::localizedNumber(e.gregorianDate->day())},
            {QStringLiteral("gregorianYear"), core::localizedNumber(e.gregorianDate->year())},
            {QStringLiteral("hijriDay"), core::localizedNumber(e.hijriDate->day())},
            {QStringLiteral("hijriYear"), core::localizedNumber(e.hijriDate->year())},
        };
        entries.append(QJsonObject{{QStringLiteral("date"), platform::isoString(e.date, zone)},
                                   {QStringLiteral("gregorian"), core::toJson(*e.gregorianDate)},
                                   {QStringLiteral("hijri"), core::toJson(*e.hijriDate)},
                                   {numbersKey, numbers}});
    }
    QJsonObject root{{QStringLiteral("policy"), policyName(timeline.policy)},
                     {QStringLiteral("entries"), entries}};
    if (timeline.end)
        root.insert(endKey, platform::isoString(*timeline.end, zone));
    return root;
}

std::optional<Timeline> timelineFromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        fail(error,
             QStringLiteral("not JSON (%1 at %2)").arg(parseError.errorString()).arg(parseError.offset));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Timeline timeline;
    const QString policy = root.value(QStringLiteral("policy")).toString();
    if (policy == policyName(TimelineReloadPolicy::atEnd))
        timeline.policy = TimelineReloadPolicy::atEnd;
    else if (policy == policyName(TimelineReloadPolicy::never))
        timeline.policy = TimelineReloadPolicy::never;
    else {
        fail(error, QStringLiteral("no reload policy"));
        return std::nullopt;
    }
    const QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    if (entries.isEmpty()) {
        fail(error, QStringLiteral("no entries"));
        return std::nullopt;
    }
    for (const auto &value : entries) {
        const QJsonObject entry = value.toObject();
        SimpleEntry e;
        const auto gregorian = core::recordFromJson(entry.value(QStringLiteral("gregorian")).toObject());
        const auto hijri = core::recordFromJson(entry.value(QStringLiteral("hijri")).toObject());
        if (!platform::parseIsoInstant(entry.value(QStringLiteral("date")).toString(), &e.date) ||
            !gregorian || !hijri) {
            fail(error, QStringLiteral("entry %1 is incomplete").arg(timeline.entries.size()));
            return std::nullopt;
        }
        if (!timeline.entries.empty() && !(timeline.entries.back().date < e.date)) {
            fail(error, QStringLiteral("entry %1 is out of order").arg(timeline.entries.size()));
            return std::nullopt;
        }
        // Texts are optional: without them the formatter makes the numbers.
        const QJsonObject texts = entry.value(numbersKey).toObject();
        const std::pair<const char *, std::int64_t> shown[] = {
            {"gregorianDay", gregorian->day()},
            {"gregorianYear", gregorian->year()},
            {"hijriDay", hijri->day()},
            {"hijriYear", hijri->year()},
        };
        for (const auto &[key, number] : shown) {
            const QJsonValue text = texts.value(QLatin1String(key));
            if (text.isString() && !text.toString().isEmpty())
                e.numberTexts.insert(number, text.toString());
        }
        e.gregorianDate = std::make_shared<const core::RGDate>(*gregorian);
        e.hijriDate = std::make_shared<const core::RGDate>(*hijri);
        timeline.entries.push_back(std::move(e));
    }
    if (root.contains(endKey)) {
        platform::Instant end;
        if (!platform::parseIsoInstant(root.value(endKey).toString(), &end) ||
            !(timeline.entries.back().date < end)) {
            fail(error, QStringLiteral("the end is not after the last entry"));
            return std::nullopt;
        }
        timeline.end = end;
    }
    return timeline;
}

} // namespace widget
