// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/CivilDays.h"

#include <QString>
#include <optional>

namespace app::store {

// The rating counts its intervals in seconds, as fractions.
inline constexpr double secondsPerDay = platform::civil::secondsPerDay;

// What the rating decision looks at.
struct RatingState
{
    bool previewMode = false;
    bool ratedThisVersion = false;
    bool ratedAnyVersion = false;
    bool declinedAnyVersion = false;
    bool promptForNewVersionIfUserRated = false;
    double secondsSinceFirstUse = 0;
    unsigned usesCount = 0;
    unsigned eventCount = 0;
    unsigned usesUntilPrompt = 10;
    unsigned eventsUntilPrompt = 10;
    float daysUntilPrompt = 10;
    float usesPerWeekForPrompt = 0;
    float remindPeriod = 1;
    // None when the user never asked to be reminded.
    std::optional<double> secondsSinceLastReminded;
};

struct RatingVerdict
{
    bool prompt = false;
    // The diagnostic line, empty when there is none.
    QString reason;
};

RatingVerdict evaluateRatingCriteria(const RatingState &state);

// The store country segment for a device region: "150" -> "eu", "GI" -> "GB",
// any other two letters unchanged, anything else "us".
QString storeCountry(const QString &regionCode);

// The first-use date after an update to a new version, in seconds before
// now: unchanged when fewer than daysUntilPrompt - 1 days have passed, else
// exactly that many days, so the days rule holds again at most a day later.
double secondsSinceFirstUseAfterUpdate(double secondsSinceFirstUse, float daysUntilPrompt);

} // namespace app::store
