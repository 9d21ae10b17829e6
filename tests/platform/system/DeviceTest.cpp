// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Device.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <utility>
#include <vector>

TEST(Device, LocaleNamesComeFromPosixNames)
{
    using platform::Device;
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("ar_SA.UTF-8")), QStringLiteral("ar_SA"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("de_DE.UTF-8@euro")), QStringLiteral("de_DE"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("C")), QStringLiteral("en_US"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("POSIX")), QStringLiteral("en_US"));
    EXPECT_EQ(Device::normalizeLocaleName(QStringLiteral("C.UTF-8")), QStringLiteral("en_US"));
}

// The environment a desktop session hands a program, and what it should pick.
struct LocaleRow
{
    const char *name;
    const char *language, *lcAll, *lcMessages, *lcTime, *lang;
    const char *expectedLanguage, *expectedFormats;
    bool rightToLeft;
};

class DeviceLocale : public ::testing::TestWithParam<LocaleRow>
{
protected:
    static constexpr const char *variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_TIME", "LANG", "TZ"};
    void SetUp() override
    {
        for (const char *name : variables)
            saved_.push_back(qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < std::size(variables); ++i) {
            if (saved_[i].isNull())
                qunsetenv(variables[i]);
            else
                qputenv(variables[i], saved_[i]);
        }
        platform::Device::reload();
    }
    static void put(const char *name, const char *value)
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }

private:
    std::vector<QByteArray> saved_;
};

TEST_P(DeviceLocale, InterfaceLanguageAndFormatsComeFromTheirOwnVariables)
{
    using platform::Device;
    const LocaleRow &row = GetParam();
    put("LANGUAGE", row.language);
    put("LC_ALL", row.lcAll);
    put("LC_MESSAGES", row.lcMessages);
    put("LC_TIME", row.lcTime);
    put("LANG", row.lang);
    qputenv("TZ", ":Asia/Riyadh");
    Device::reload();
    EXPECT_EQ(Device::languageName(), QString::fromLatin1(row.expectedLanguage));
    EXPECT_EQ(Device::localeName(), QString::fromLatin1(row.expectedFormats));
    EXPECT_EQ(Device::isRightToLeft(), row.rightToLeft);
    EXPECT_EQ(Device::timeZoneId(), QStringLiteral("Asia/Riyadh"));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DeviceLocale,
    ::testing::Values(
        LocaleRow{"LangAlone", nullptr, nullptr, nullptr, nullptr, "fr_FR.UTF-8", "fr", "fr_FR", false},
        LocaleRow{"FormatsDoNotPickTheLanguage", nullptr, nullptr, nullptr, "ar_SA.UTF-8", "fr_FR.UTF-8",
                  "fr", "ar_SA", false},
        LocaleRow{"MessagesPickTheLanguage", nullptr, nullptr, "fa_IR.UTF-8", nullptr, "en_US.UTF-8", "fa",
                  "en_US", true},
        LocaleRow{"LanguageListWinsOverMessages", "ur_PK:en", nullptr, "fr_FR.UTF-8", nullptr, "bn_BD.UTF-8",
                  "ur", "bn_BD", true},
        LocaleRow{"UnknownLanguagesAreSkipped", "de_DE:C::tr", nullptr, nullptr, nullptr, "ms_MY.UTF-8", "tr",
                  "ms_MY", false},
        LocaleRow{"NoSpokenLanguageInTheListFallsBackToMessages", "de:es", nullptr, nullptr, nullptr,
                  "id_ID.UTF-8", "id", "id_ID", false},
        LocaleRow{"LcAllWinsOverEverySingleCategory", nullptr, "ar_EG.UTF-8", "fr_FR.UTF-8", "tr_TR.UTF-8",
                  "fr_FR.UTF-8", "ar", "ar_EG", true},
        LocaleRow{"PlainCLocaleIgnoresTheLanguageList", "ar", "C", nullptr, nullptr, "ar_SA.UTF-8", "en",
                  "en_US", false},
        LocaleRow{"UnspokenLocaleIsEnglishWithItsOwnFormats", nullptr, nullptr, nullptr, nullptr,
                  "de_DE.UTF-8", "en", "de_DE", false},
        LocaleRow{"NothingSetIsEnglish", nullptr, nullptr, nullptr, nullptr, nullptr, "en", "en_US", false}),
    [](const ::testing::TestParamInfo<LocaleRow> &row) { return std::string(row.param.name); });

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
