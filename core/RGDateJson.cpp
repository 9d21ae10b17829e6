#include "core/RGDateJson.h"

#include "platform/system/Device.h"

namespace core {

QJsonObject toJson(const RGDate &record)
{
    return QJsonObject{
        {QStringLiteral("date"), platform::isoString(record.date(), platform::Device::timeZoneId())},
        {QStringLiteral("day"), static_cast<qint64>(record.day())},
        {QStringLiteral("month"), static_cast<qint64>(record.month())},
        {QStringLiteral("year"), static_cast<qint64>(record.year())},
        {QStringLiteral("monthName"), record.monthName()},
        {QStringLiteral("weekDayName"), record.weekDayName()},
        {QStringLiteral("dateFullString"), record.dateFullString()},
    };
}

QJsonObject toJson(const RGConv &converter)
{
    return QJsonObject{
        {QStringLiteral("gregorian"), toJson(*converter.gregorianDate())},
        {QStringLiteral("hijri"), toJson(*converter.hijriDate())},
        {QStringLiteral("adjustment"), static_cast<qint64>(converter.adjustmentNumber())},
    };
}

} // namespace core
