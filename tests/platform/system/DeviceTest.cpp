// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Device.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <utility>

TEST(Device, LocaleNamesComeFromPosixNames)
{
    using platform::Device;
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("ar_SA.UTF-8")), QStringLiteral("ar_SA"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("de_DE.UTF-8@euro")), QStringLiteral("de_DE"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("C")), QStringLiteral("en_US"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("POSIX")), QStringLiteral("en_US"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("C.UTF-8")), QStringLiteral("en_US"));
}

TEST(Device, LcAllWinsOverLcTimeWhichWinsOverLang)
{
    using platform::Device;
    const QByteArray all = qgetenv("LC_ALL"), time = qgetenv("LC_TIME"), lang = qgetenv("LANG"),
                     tz = qgetenv("TZ");
    qunsetenv("LC_ALL");
    qputenv("LC_TIME", "ar_SA.UTF-8");
    qputenv("LANG", "fr_FR.UTF-8");
    qputenv("TZ", ":Asia/Riyadh");
    Device::reload();
    EXPECT_EQ(Device::localeName(), QStringLiteral("ar_SA"));
    EXPECT_EQ(Device::timeZoneId(), QStringLiteral("Asia/Riyadh"));
    EXPECT_TRUE(Device::isRightToLeft());
    qputenv("LC_ALL", "C");
    Device::reload();
    EXPECT_EQ(Device::localeName(), QStringLiteral("en_US"));
    qputenv("LC_ALL", all);
    qputenv("LC_TIME", time);
    qputenv("LANG", lang);
    qputenv("TZ", tz);
    Device::reload();
}

// ICU's own defaults are set only once something builds ICU objects, and from
// then on follow every change of the device's locale and zone.
TEST(Device, IcuDefaultsFollowTheDeviceOnceIcuIsInUse)
{
    using platform::Device;
    Device::useInIcu();
    const auto defaults = [] {
        icu::UnicodeString zone;
        std::unique_ptr<icu::TimeZone>(icu::TimeZone::createDefault())->getID(zone);
        std::string id;
        zone.toUTF8String(id);
        return std::pair<std::string, std::string>(icu::Locale::getDefault().getName(), id);
    };
    using Defaults = std::pair<std::string, std::string>;
    Device::override(QStringLiteral("ar_SA"), QStringLiteral("Asia/Riyadh"));
    EXPECT_EQ(defaults(), Defaults("ar_SA", "Asia/Riyadh"));
    Device::override(QStringLiteral("fr_FR"), QStringLiteral("America/New_York"));
    EXPECT_EQ(defaults(), Defaults("fr_FR", "America/New_York"));
    Device::reload();
}
