// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/LocalizedNumber.h"

#include "TestEnvironment.h"
#include "platform/calendar/NumberFormatter.h"
#include "platform/system/Device.h"

#include <gtest/gtest.h>

TEST(LocalizedNumber, UsesTheLocaleDigitsWithoutGrouping)
{
    testenv::ScopedEnvironment env;
    EXPECT_EQ(core::localizedNumber(7), QStringLiteral("7"));
    EXPECT_EQ(core::localizedNumber(1447), QStringLiteral("1447"));
    EXPECT_EQ(core::localizedNumber(-2), QStringLiteral("-2"));

    env.setLocale(QStringLiteral("ar_SA"));
    EXPECT_EQ(core::localizedNumber(7), QStringLiteral("٧"));
    EXPECT_EQ(core::localizedNumber(1447), QStringLiteral("١٤٤٧"));
    const QString minusTwo = core::localizedNumber(-2);
    EXPECT_TRUE(minusTwo.endsWith(QStringLiteral("٢")));
    EXPECT_TRUE(minusTwo.contains(QChar(u'-')) || minusTwo.contains(QChar(0x2212))) << minusTwo.toStdString();

    // Each locale's default numbering system: Urdu's is Latin, Persian's and
    // Bengali's their own digits.
    env.setLocale(QStringLiteral("fa_IR"));
    EXPECT_EQ(core::localizedNumber(1447), QStringLiteral("۱۴۴۷"));
    env.setLocale(QStringLiteral("ur_PK"));
    EXPECT_EQ(core::localizedNumber(1447), QStringLiteral("1447"));
    env.setLocale(QStringLiteral("bn_BD"));
    EXPECT_EQ(core::localizedNumber(1447), QStringLiteral("১৪৪৭"));

    env.setLocale(QStringLiteral("en_US"));
    EXPECT_EQ(core::localizedNumber(7), QStringLiteral("7")) << "follows a locale change on the next call";
}

// Numbers that are not negative come from the date core's digits when the
// locale's number format agrees with them; in every locale, with its own
// digits or a numbering system of letters, they are what the format writes.
TEST(LocalizedNumber, IsWhatTheNumberFormatWritesInEveryLocale)
{
    testenv::ScopedEnvironment env;
    for (const char *locale : {"en_US", "ar_SA", "fa_IR", "fr_FR", "bn_BD", "th_TH@numbers=thai",
                               "ta_IN@numbers=taml", "he_IL@numbers=hebr", "zh_CN@numbers=hanidec"}) {
        SCOPED_TRACE(locale);
        env.setLocale(QString::fromLatin1(locale));
        platform::NumberFormatter icu;
        icu.setLocaleName(platform::Device::localeName());
        for (const std::int64_t value :
             {std::int64_t(0), std::int64_t(7), std::int64_t(30), std::int64_t(1447),
              std::int64_t(1234567890), std::int64_t(-2), std::int64_t(-365)})
            EXPECT_EQ(core::localizedNumber(value), icu.string(value)) << value;
    }
}
