// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Typed dates follow the locale's order of day, month and year, in any digits.
#include "app/screens/pickerconverter/TypedDate.h"

#include "TestEnvironment.h"

#include <gtest/gtest.h>

using app::screens::TypedDate;

namespace {

struct Order
{
    const char *locale;
    const char *pattern;
};

TEST(TypedDate, FollowsTheLocalesOrderWithTheYearInFull)
{
    for (const Order order :
         {Order{"en_US", "M/d/yyyy"}, Order{"en_GB", "d/M/yyyy"}, Order{"de_DE", "d.M.yyyy"},
          Order{"ar_SA", "d/M/yyyy"}, Order{"zh_CN", "yyyy/M/d"}})
        EXPECT_EQ(TypedDate(QString::fromLatin1(order.locale)).pattern(), QLatin1String(order.pattern))
            << order.locale;
    EXPECT_EQ(TypedDate(QStringLiteral("en_GB"))
                  .hint(QStringLiteral("dd"), QStringLiteral("mm"), QStringLiteral("yyyy")),
              QStringLiteral("dd/mm/yyyy"));
}

TEST(TypedDate, ReadsArabicDigitsAndWritesTheLocalesOwn)
{
    testenv::ScopedEnvironment env(QStringLiteral("ar_SA"), QStringLiteral("Asia/Riyadh"));
    const TypedDate typed(QStringLiteral("ar_SA"));
    const platform::Calendar hijri(platform::CalendarIdentifier::islamicUmmAlQura);
    const auto ramadan = typed.parse(hijri, QStringLiteral("\u0661/\u0669/\u0661\u0664\u0664\u0668"));
    ASSERT_TRUE(ramadan);
    EXPECT_EQ(*ramadan, testenv::hijriInstant(1448, 9, 1));
    EXPECT_EQ(typed.text(hijri, *ramadan), QStringLiteral("\u0661/\u0669/\u0661\u0664\u0664\u0668"));
    EXPECT_EQ(typed.parse(hijri, QStringLiteral("1/9/1448")), ramadan) << "plain digits too";
    EXPECT_FALSE(typed.parse(hijri, QStringLiteral("30/9/1448x")));
    EXPECT_FALSE(typed.parse(hijri, QString()));
}

} // namespace
