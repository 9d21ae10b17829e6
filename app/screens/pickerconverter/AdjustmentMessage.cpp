// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/pickerconverter/AdjustmentMessage.h"

#include "platform/localization/Localization.h"

namespace app::screens {

QString adjustmentAlertMessage(std::int64_t adjustment)
{
    const bool oneDay = adjustment == 1 || adjustment == -1;
    return platform::localized("adjmsg1") + QStringLiteral(" ( ") + QString::number(adjustment) +
           QStringLiteral(" ) ") + platform::localized(oneDay ? "day" : "days2") + QLatin1Char(' ') +
           platform::localized("adjmsg2");
}

std::int64_t nextWallpaperIndex(std::int64_t index, std::int64_t maxIndex)
{
    if (index < 0 || index >= maxIndex)
        return 0;
    return index + 1;
}

} // namespace app::screens
