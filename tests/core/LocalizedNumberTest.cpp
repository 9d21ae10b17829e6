#include "core/LocalizedNumber.h"

#include "TestEnvironment.h"

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

    env.setLocale(QStringLiteral("en_US"));
    EXPECT_EQ(core::localizedNumber(7), QStringLiteral("7")) << "follows a locale change on the next call";
}
