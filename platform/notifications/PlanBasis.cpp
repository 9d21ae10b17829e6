// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/PlanBasis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace platform {

namespace {

QJsonValue toJsonValue(const UserDefaults::Value &value)
{
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return QJsonValue(QString::number(*i)); // as text: a double cannot hold every 64-bit integer
    if (const auto *b = std::get_if<bool>(&value))
        return QJsonValue(*b);
    return QJsonValue(QJsonValue::Undefined);
}

// Made in place: moving a temporary variant that may hold a QString makes
// GCC's sanitizer builds warn of an uninitialised QString that is never there.
std::optional<UserDefaults::Value> fromJsonValue(const QJsonValue &json)
{
    if (json.isBool())
        return std::optional<UserDefaults::Value>(std::in_place, std::in_place_type<bool>, json.toBool());
    if (json.isString()) {
        bool ok = false;
        const qlonglong i = json.toString().toLongLong(&ok);
        if (ok)
            return std::optional<UserDefaults::Value>(std::in_place, std::in_place_type<std::int64_t>,
                                                      static_cast<std::int64_t>(i));
    }
    return std::nullopt;
}

} // namespace

QByteArray PlanBasis::toJson() const
{
    QJsonArray list;
    for (const Setting &s : settings) {
        const QJsonValue value = toJsonValue(s.value);
        const QJsonValue fallback = toJsonValue(s.fallback);
        if (value.isUndefined() || fallback.isUndefined())
            continue;
        list.append(QJsonObject{{QStringLiteral("key"), s.key},
                                {QStringLiteral("value"), value},
                                {QStringLiteral("fallback"), fallback}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("suite"), suitePath}, {QStringLiteral("settings"), list}})
        .toJson(QJsonDocument::Compact);
}

std::optional<PlanBasis> PlanBasis::fromJson(QByteArrayView json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json.toByteArray());
    const QJsonObject root = doc.object();
    if (!root.value(QStringLiteral("suite")).isString() || !root.value(QStringLiteral("settings")).isArray())
        return std::nullopt;
    PlanBasis basis;
    basis.suitePath = root.value(QStringLiteral("suite")).toString();
    const QJsonArray settings = root.value(QStringLiteral("settings")).toArray();
    for (const auto &entry : settings) {
        const QJsonObject o = entry.toObject();
        const auto value = fromJsonValue(o.value(QStringLiteral("value")));
        const auto fallback = fromJsonValue(o.value(QStringLiteral("fallback")));
        if (!o.value(QStringLiteral("key")).isString() || !value || !fallback)
            return std::nullopt;
        basis.settings.append({o.value(QStringLiteral("key")).toString(), *value, *fallback});
    }
    return basis;
}

bool PlanBasis::matches(const UserDefaults &suite) const
{
    for (const Setting &s : settings) {
        UserDefaults::Value current = suite.value(s.key);
        if (current.index() != s.fallback.index())
            current = s.fallback;
        if (current != s.value)
            return false;
    }
    return true;
}

} // namespace platform
