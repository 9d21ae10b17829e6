// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/UpdateTypes.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>
#include <cmath>

namespace app::store {

QString rawValue(UpdateType type)
{
    switch (type) {
    case UpdateType::major:
        return QStringLiteral("major");
    case UpdateType::minor:
        return QStringLiteral("minor");
    case UpdateType::patch:
        return QStringLiteral("patch");
    case UpdateType::revision:
        return QStringLiteral("revision");
    case UpdateType::unknown:
        break;
    }
    return QStringLiteral("unknown");
}

namespace {
constexpr const char *languageFolders[] = {
    "ar",      "hy", "eu",    "zh-Hans", "zh-Hant", "hr",    "cs", "da", "nl",    "en", "et",
    "fi",      "fr", "de",    "el",      "he",      "hu",    "id", "it", "ja",    "ko", "lv",
    "lt",      "ms", "nb-NO", "fa",      "fa-AF",   "fa-IR", "pl", "pt", "pt-PT", "ru", "sr-Cyrl",
    "sr-Latn", "sl", "es",    "sv",      "th",      "tr",    "ur", "uk", "vi"};
static_assert(std::size(languageFolders) == 42);
} // namespace

QString rawValue(LanguageType language)
{
    return QString::fromLatin1(languageFolders[static_cast<int>(language)]);
}

QList<LanguageType> allLanguageTypes()
{
    QList<LanguageType> all;
    for (int i = 0; i < int(std::size(languageFolders)); ++i)
        all.append(static_cast<LanguageType>(i));
    return all;
}

std::optional<StoreLookupModel> StoreLookupModel::decode(const QByteArray &json, QString *error)
{
    auto fail = [error](const QString &why) -> std::optional<StoreLookupModel> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("%1 at offset %2").arg(parseError.errorString()).arg(parseError.offset));
    if (!document.isObject())
        return fail(QStringLiteral("the top level is not an object"));
    const QJsonValue results = document.object().value(QStringLiteral("results"));
    if (!results.isArray())
        return fail(QStringLiteral("\"results\" is missing or not a list"));

    StoreLookupModel model;
    const QJsonArray records = results.toArray();
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (!records.at(i).isObject())
            return fail(QStringLiteral("results[%1] is not an object").arg(i));
        const QJsonObject record = records.at(i).toObject();
        auto string = [&](const char *key, QString *out) {
            const QJsonValue v = record.value(QLatin1String(key));
            if (!v.isString())
                return false;
            *out = v.toString();
            return true;
        };
        Result result;
        const QJsonValue trackId = record.value(QStringLiteral("trackId"));
        const double id = trackId.toDouble(std::nan(""));
        if (!trackId.isDouble() || std::trunc(id) != id || std::abs(id) > 9007199254740992.0)
            return fail(QStringLiteral("results[%1].trackId is missing or not an integer").arg(i));
        result.appID = static_cast<std::int64_t>(id);
        if (!string("currentVersionReleaseDate", &result.currentVersionReleaseDate))
            return fail(
                QStringLiteral("results[%1].currentVersionReleaseDate is missing or not a string").arg(i));
        if (!string("minimumOsVersion", &result.minimumOSVersion))
            return fail(QStringLiteral("results[%1].minimumOsVersion is missing or not a string").arg(i));
        if (!string("version", &result.version))
            return fail(QStringLiteral("results[%1].version is missing or not a string").arg(i));
        model.results.append(result);
    }
    return model;
}

QString StoreLookupModel::description() const
{
    QStringList records;
    for (const Result &r : results)
        records << QStringLiteral(
                       "Result(appID: %1, currentVersionReleaseDate: \"%2\", minimumOSVersion: \"%3\", "
                       "version: \"%4\")")
                       .arg(r.appID)
                       .arg(r.currentVersionReleaseDate, r.minimumOSVersion, r.version);
    return QStringLiteral("StoreLookupModel(results: [") + records.join(QStringLiteral(", ")) +
           QStringLiteral("])");
}

namespace {
QList<int> versionNumbers(const QString &version)
{
    QList<int> numbers;
    for (const QString &piece : version.split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = piece.toInt(&ok);
        numbers.append(ok ? n : 0);
    }
    return numbers;
}
} // namespace

AlertDecision determineAlertType(const std::optional<QString> &installed, const std::optional<QString> &store,
                                 AlertType current, const PerKindAlertTypes &perKind)
{
    if (!installed || !store)
        return {AlertType::option, UpdateType::unknown};
    const QList<int> oldVersion = versionNumbers(*installed);
    const QList<int> newVersion = versionNumbers(*store);
    if (oldVersion.isEmpty() || newVersion.isEmpty())
        return {current, UpdateType::unknown};

    // A level counts as raised when the installed version stops before it.
    auto raised = [&](qsizetype level) {
        return newVersion.size() > level &&
               (oldVersion.size() <= level || newVersion[level] > oldVersion[level]);
    };
    if (newVersion[0] > oldVersion[0])
        return {perKind.major, UpdateType::major};
    if (raised(1))
        return {perKind.minor, UpdateType::minor};
    if (raised(2))
        return {perKind.patch, UpdateType::patch};
    if (raised(3))
        return {perKind.revision, UpdateType::revision};
    return {current, UpdateType::unknown};
}

int wholeDaysBetween(platform::Instant from, platform::Instant to)
{
    constexpr std::int64_t msecsPerDay = 24 * 60 * 60 * 1000;
    return static_cast<int>((platform::msecsOf(to) - platform::msecsOf(from)) / msecsPerDay);
}

std::optional<int> daysSinceRelease(const QString &text, platform::Instant now)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}Z$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("HH:mm:ss"));
    const QDateTime released(day, time, QTimeZone::utc());
    if (!day.isValid() || !time.isValid() || !released.isValid())
        return std::nullopt;
    return wholeDaysBetween(platform::fromQDateTime(released), now);
}

} // namespace app::store
