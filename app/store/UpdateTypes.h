// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace app::store {

enum class AlertType : std::uint8_t
{
    force = 0,
    option = 1,
    skip = 2,
    none = 3
};

enum class UpdateType
{
    major,
    minor,
    patch,
    revision,
    unknown
};
QString rawValue(UpdateType type);

// The raw value is the minimum number of whole days between two checks.
enum class VersionCheckType : int
{
    immediately = 0,
    daily = 1,
    weekly = 7
};

enum class LanguageType
{
    arabic,
    armenian,
    basque,
    chineseSimplified,
    chineseTraditional,
    croatian,
    czech,
    danish,
    dutch,
    english,
    estonian,
    finnish,
    french,
    german,
    greek,
    hebrew,
    hungarian,
    indonesian,
    italian,
    japanese,
    korean,
    latvian,
    lithuanian,
    malay,
    norwegian,
    persian,
    persianAfghanistan,
    persianIran,
    polish,
    portugueseBrazil,
    portuguesePortugal,
    russian,
    serbianCyrillic,
    serbianLatin,
    slovenian,
    spanish,
    swedish,
    thai,
    turkish,
    urdu,
    ukrainian,
    vietnamese
};
// The name of the language's localization folder: "ar", "zh-Hans", "nb-NO".
QString rawValue(LanguageType language);
QList<LanguageType> allLanguageTypes();

struct UpdateAlertMessaging
{
    QString nextTimeButtonMessage = QStringLiteral("Next time");
    QString skipVersionButtonMessage = QStringLiteral("Skip this version");
    QString updateButtonMessage = QStringLiteral("Update");
    QString updateMessage =
        QStringLiteral("A new version of %@ is available. Please update to version %@ now.");
    QString updateTitle = QStringLiteral("Update Available");
};

struct StoreLookupModel
{
    struct Result
    {
        std::int64_t appID = 0;
        QString currentVersionReleaseDate;
        QString minimumOSVersion;
        QString version;
    };
    QList<Result> results;

    // Every record must carry the four keys with the right types; other keys
    // are ignored. On failure `error` says what was wrong.
    static std::optional<StoreLookupModel> decode(const QByteArray &json, QString *error);
    QString description() const;
};

struct UpdateCheckError
{
    enum class Known
    {
        appStoreDataRetrievalFailure,
        appStoreJSONParsingFailure,
        appStoreAppIDFailure,
        appStoreOSVersionNumberFailure,
        appStoreOSVersionUnsupported,
        appStoreVersionArrayFailure,
        malformedURL,
        noUpdateAvailable,
        recentlyCheckedAlready
    };
    Known known;
    std::optional<QString> underlyingError;
};

struct PerKindAlertTypes
{
    AlertType major = AlertType::option;
    AlertType minor = AlertType::option;
    AlertType patch = AlertType::option;
    AlertType revision = AlertType::option;
};

struct AlertDecision
{
    AlertType alertType;
    UpdateType updateType;
};

// Which alert a difference between the installed and the store version
// calls for, level by level from the major number down.
AlertDecision determineAlertType(const std::optional<QString> &installed, const std::optional<QString> &store,
                                 AlertType current, const PerKindAlertTypes &perKind);

// Whole days between two moments, cut toward zero.
int wholeDaysBetween(platform::Instant from, platform::Instant to);

// Days since a store release date "yyyy-MM-ddTHH:mm:ssZ"; the Z means UTC.
std::optional<int> daysSinceRelease(const QString &text, platform::Instant now);

} // namespace app::store
