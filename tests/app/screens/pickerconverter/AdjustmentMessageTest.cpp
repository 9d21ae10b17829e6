// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The adjustment alert's sentence and the wallpaper cycle, read against the
// English string table.
#include "app/screens/pickerconverter/AdjustmentMessage.h"

#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

class AdjustmentAlertText : public ::testing::Test
{
protected:
    void SetUp() override { platform::installTranslations(); }
    testenv::ScopedEnvironment env;
    QString expected(const char *number, const char *unit) const
    {
        return platform::localized("adjmsg1") + QStringLiteral(" ( ") + QLatin1String(number) +
               QStringLiteral(" ) ") + platform::localized(unit) + QLatin1Char(' ') +
               platform::localized("adjmsg2");
    }
};

TEST_F(AdjustmentAlertText, OneDayEitherWayUsesTheSingularAndKeepsTheSign)
{
    EXPECT_EQ(app::screens::adjustmentAlertMessage(1), expected("1", "day"));
    EXPECT_EQ(app::screens::adjustmentAlertMessage(-1), expected("-1", "day"));
    EXPECT_TRUE(app::screens::adjustmentAlertMessage(-1).startsWith(
        QStringLiteral("Hijri dates are shifted by ( -1 ) day ")));
}

TEST_F(AdjustmentAlertText, TwoOrMoreDaysUseThePlural)
{
    EXPECT_EQ(app::screens::adjustmentAlertMessage(2), expected("2", "days2"));
    EXPECT_EQ(app::screens::adjustmentAlertMessage(-2), expected("-2", "days2"));
    EXPECT_EQ(app::screens::adjustmentAlertMessage(-30), expected("-30", "days2"));
}

TEST_F(AdjustmentAlertText, TheNumberStaysInWesternDigitsUnderArabic)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    const QString message = app::screens::adjustmentAlertMessage(-2);
    EXPECT_TRUE(message.contains(QStringLiteral("( -2 )")));
    EXPECT_TRUE(message.startsWith(QStringLiteral("التواريخ")));
    env.setLocale(QStringLiteral("en_US"));
    platform::installTranslations();
}

TEST(WallpaperCycle, CountsUpToTheLastImageThenStartsAgain)
{
    EXPECT_EQ(app::screens::nextWallpaperIndex(0, 28), 1);
    EXPECT_EQ(app::screens::nextWallpaperIndex(18, 28), 19);
    EXPECT_EQ(app::screens::nextWallpaperIndex(27, 28), 28);
    EXPECT_EQ(app::screens::nextWallpaperIndex(28, 28), 0);
}

TEST(WallpaperCycle, AnIndexOutsideTheImagesStartsAgainAtTheFirst)
{
    EXPECT_EQ(app::screens::nextWallpaperIndex(29, 28), 0);
    EXPECT_EQ(app::screens::nextWallpaperIndex(40, 28), 0);
    EXPECT_EQ(app::screens::nextWallpaperIndex(-1, 28), 0);
    EXPECT_EQ(app::screens::nextWallpaperIndex(-7, 28), 0);
}

} // namespace
