// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/RGDateJson.h"

#include "platform/system/Device.h"

namespace core {

QJsonObject toJson(const RGDate &record)
{
    QJsonObject object{
        // The day the record is shown for: under an adjustment the Hijri
        // record's fields are of another day, which "adjustment" beside it says.
        {QStringLiteral("date"), platform::isoString(record.shownFor(), platform::Device::timeZoneId())},
        {QStringLiteral("day"), static_cast<qint64>(record.day())},
        {QStringLiteral("month"), static_cast<qint64>(record.month())},
        {QStringLiteral("year"), static_cast<qint64>(record.year())},
        {QStringLiteral("monthName"), record.monthName()},
        {QStringLiteral("weekDayName"), record.weekDayName()},
        {QStringLiteral("dateFullString"), record.dateFullString()},
    };
    // The moment the fields are of, where it is another: read back, the
    // record gives a date picker the same moment.
    if (record.date() != record.shownFor())
        object.insert(QStringLiteral("fieldsDate"),
                      platform::isoString(record.date(), platform::Device::timeZoneId()));
    if (record.isEstimate())
        object.insert(QStringLiteral("estimate"), true);
    return object;
}

std::optional<RGDate> recordFromJson(const QJsonObject &object)
{
    platform::Instant date;
    if (!object.value(QStringLiteral("date")).isString() ||
        !platform::parseIsoInstant(object.value(QStringLiteral("date")).toString(), &date))
        return std::nullopt;
    std::int64_t numbers[3];
    const QLatin1String numberKeys[] = {QLatin1String("day"), QLatin1String("month"), QLatin1String("year")};
    for (int i = 0; i < 3; ++i) {
        const QJsonValue v = object.value(numberKeys[i]);
        // Whole numbers only: a day of 2.5 is a damaged record, not day 2.
        if (!v.isDouble() || v.toDouble() != static_cast<double>(v.toInteger()))
            return std::nullopt;
        numbers[i] = v.toInteger();
    }
    QString texts[3];
    const QLatin1String textKeys[] = {QLatin1String("monthName"), QLatin1String("weekDayName"),
                                      QLatin1String("dateFullString")};
    for (int i = 0; i < 3; ++i) {
        const QJsonValue v = object.value(textKeys[i]);
        if (!v.isString())
            return std::nullopt;
        texts[i] = v.toString();
    }
    platform::Instant fieldsDate = date;
    const QJsonValue fields = object.value(QStringLiteral("fieldsDate"));
    if (!fields.isUndefined() &&
        (!fields.isString() || !platform::parseIsoInstant(fields.toString(), &fieldsDate)))
        return std::nullopt;
    const QJsonValue estimate = object.value(QStringLiteral("estimate"));
    if (!estimate.isUndefined() && !estimate.isBool())
        return std::nullopt;
    return RGDate(fieldsDate, date, numbers[0], numbers[1], numbers[2], texts[0], texts[1], texts[2],
                  estimate.toBool());
}

QJsonObject toJson(const RGConv &converter)
{
    return QJsonObject{
        {QStringLiteral("gregorian"), toJson(*converter.gregorianDate())},
        {QStringLiteral("hijri"), toJson(*converter.hijriDate())},
        {QStringLiteral("adjustment"), static_cast<qint64>(converter.adjustmentNumber())},
        {QStringLiteral("estimate"), converter.hijriDate()->isEstimate()},
    };
}

} // namespace core
