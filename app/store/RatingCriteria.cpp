// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/RatingCriteria.h"

namespace app::store {

namespace {
constexpr double secondsPerWeek = 7 * secondsPerDay;
} // namespace

RatingVerdict evaluateRatingCriteria(const RatingState &s)
{
    if (s.previewMode)
        return {true, QStringLiteral(
                          "RatingPrompt preview mode is enabled - make sure you disable this for release")};
    if (s.ratedThisVersion)
        return {false,
                QStringLiteral("RatingPrompt did not prompt for rating because the user has already rated "
                               "this version")};
    if (s.ratedAnyVersion && !s.promptForNewVersionIfUserRated)
        return {false,
                QStringLiteral("RatingPrompt did not prompt for rating because the user has already rated "
                               "this app, and promptForNewVersionIfUserRated is disabled")};
    if (s.declinedAnyVersion)
        return {false,
                QStringLiteral(
                    "RatingPrompt did not prompt for rating because the user has declined to rate the app")};
    if (s.secondsSinceFirstUse < double(s.daysUntilPrompt) * secondsPerDay)
        return {false, QString::asprintf(
                           "RatingPrompt did not prompt for rating because the app was first used less "
                           "than %g days ago",
                           double(s.daysUntilPrompt))};
    if (s.usesCount < s.usesUntilPrompt && s.eventCount < s.eventsUntilPrompt)
        return {false,
                QStringLiteral("RatingPrompt did not prompt for rating because the app has only been used %1 "
                               "times and only %2 events have been logged")
                    .arg(s.usesCount)
                    .arg(s.eventCount)};
    const double usesPerWeek = double(s.usesCount) / (s.secondsSinceFirstUse / secondsPerWeek);
    if (usesPerWeek < double(s.usesPerWeekForPrompt))
        return {false,
                QString::asprintf("RatingPrompt did not prompt for rating because the app has only been used "
                                  "%g times per week on average since it was installed",
                                  usesPerWeek)};
    if (!s.secondsSinceLastReminded)
        return {true, QString()};
    if (*s.secondsSinceLastReminded < double(s.remindPeriod) * secondsPerDay)
        return {false,
                QString::asprintf("RatingPrompt did not prompt for rating because the user last asked to be "
                                  "reminded less than %g days ago",
                                  double(s.remindPeriod))};
    return {true, QString()};
}

QString storeCountry(const QString &regionCode)
{
    if (regionCode == QLatin1String("150"))
        return QStringLiteral("eu");
    const bool twoLetters = regionCode.size() == 2 && regionCode.at(0).isLetter() &&
                            regionCode.at(1).isLetter() && regionCode.at(0).unicode() < 128 &&
                            regionCode.at(1).unicode() < 128;
    if (!twoLetters)
        return QStringLiteral("us");
    if (regionCode == QLatin1String("GI"))
        return QStringLiteral("GB");
    return regionCode;
}

double secondsSinceFirstUseAfterUpdate(double secondsSinceFirstUse, float daysUntilPrompt)
{
    const double limit = (double(daysUntilPrompt) - 1) * secondsPerDay;
    return secondsSinceFirstUse > limit ? limit : secondsSinceFirstUse;
}

} // namespace app::store
