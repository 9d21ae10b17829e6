// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Version arithmetic, the lookup record, release days, store countries, the
// rating rules and where the store is: all without a display or a network.
#include "app/store/RatingCriteria.h"
#include "app/store/StoreEndpoint.h"
#include "app/store/StoreTexts.h"
#include "app/store/UpdateTypes.h"
#include "app/store/VersionComparison.h"
#include "platform/bundle/testing/ScopedBundleInfo.h"
#include "platform/defaults/testing/ScopedStandardDefaults.h"
#include "platform/system/linux/LinuxSystemInfo.h"
#include "support/StuckReader.h"
#include "support/TestEnvironment.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using app::store::AlertType;
using app::store::UpdateType;

TEST(VersionComparison, ComparesRunsOfDigitsByTheirValue)
{
    struct Row
    {
        const char *a;
        const char *b;
        int sign;
    } rows[] = {
        {"1.9", "1.10", -1}, {"13.10", "13.9", 1}, {"13.0", "13.0", 0}, {"2.3", "2.3.1", -1},
        {"1.02", "1.2", 0},  {"10", "9", 1},       {"12", "13.0", -1},  {"", "1", -1},
    };
    for (const Row &row : rows) {
        const int result =
            app::store::compareNumerically(QString::fromLatin1(row.a), QString::fromLatin1(row.b));
        EXPECT_EQ((result > 0) - (result < 0), row.sign) << row.a << " vs " << row.b;
    }
}

TEST(VersionComparison, AMissingPartOfADottedVersionCountsAsZero)
{
    struct Row
    {
        const char *a;
        const char *b;
        int sign;
    } rows[] = {
        {"12", "12.0", 0},    {"1.1", "1.1.0", 0},  {"2.3", "2.3.1", -1},
        {"1.9", "1.10", -1},  {"13.10", "13.9", 1}, {"12", "12.0.1", -1},
        {"24.04", "24.4", 0}, {"v2", "1.0", 1},     {"1.99999999999", "1.2", 1},
    };
    for (const Row &row : rows) {
        const int result =
            app::store::compareVersions(QString::fromLatin1(row.a), QString::fromLatin1(row.b));
        EXPECT_EQ((result > 0) - (result < 0), row.sign) << row.a << " vs " << row.b;
    }
}

TEST(VersionComparison, OnlyDigitsBetweenSingleDotsAreAVersion)
{
    for (const char *good : {"2", "1.10.3", "0.0.1"})
        EXPECT_TRUE(app::store::isDottedVersion(QString::fromLatin1(good))) << good;
    for (const char *bad : {"", "1..2", "v2", "2.", ".2", "1.2b", "1 .2", "١.٢"})
        EXPECT_FALSE(app::store::isDottedVersion(QString::fromUtf8(bad))) << bad;
}

TEST(DetermineAlertType, TheFirstRaisedLevelPicksTheKindAndItsAlert)
{
    const app::store::PerKindAlertTypes perKind{AlertType::force, AlertType::skip, AlertType::none,
                                                AlertType::option};
    struct Row
    {
        const char *installed;
        const char *store;
        UpdateType kind;
        AlertType alert;
    } rows[] = {
        {"1.2", "2.0", UpdateType::major, AlertType::force},
        {"1.9", "1.10", UpdateType::minor, AlertType::skip},
        {"2.3", "2.3.1", UpdateType::patch, AlertType::none},
        {"2.3.1", "2.3.1.4", UpdateType::revision, AlertType::option},
        {"2", "2.1", UpdateType::minor, AlertType::skip},
        // A lower major with a higher minor still counts as minor, as the levels are read in turn.
        {"2.1", "1.5", UpdateType::minor, AlertType::skip},
        {"1.2.3", "1.2.3", UpdateType::unknown, AlertType::skip},
    };
    for (const Row &row : rows) {
        const app::store::AlertDecision d = app::store::determineAlertType(
            QString::fromLatin1(row.installed), QString::fromLatin1(row.store), AlertType::skip, perKind);
        EXPECT_EQ(d.updateType, row.kind) << row.installed << " -> " << row.store;
        EXPECT_EQ(d.alertType, row.alert) << row.installed << " -> " << row.store;
    }
    EXPECT_EQ(app::store::determineAlertType(std::nullopt, QStringLiteral("1"), AlertType::force, perKind)
                  .alertType,
              AlertType::option);
    EXPECT_EQ(
        app::store::determineAlertType(QStringLiteral("..."), QStringLiteral("1"), AlertType::force, perKind)
            .alertType,
        AlertType::force);
}

TEST(DaysSinceRelease, TheReleaseDateIsReadAsUtcWhateverTheDeviceZone)
{
    // Riyadh is three hours ahead: read in local time the release would seem
    // three hours earlier and a full day would pass three hours too soon.
    testenv::ScopedEnvironment env(QStringLiteral("ar_SA"), QStringLiteral("Asia/Riyadh"));
    const platform::Instant now = testenv::gregorianInstant(2026, 12, 5, 22, 0, QStringLiteral("UTC"));
    EXPECT_EQ(app::store::daysSinceRelease(QStringLiteral("2026-12-04T23:00:00Z"), now), 0);
    EXPECT_EQ(app::store::daysSinceRelease(QStringLiteral("2026-12-04T22:00:00Z"), now), 1);
    EXPECT_EQ(app::store::daysSinceRelease(QStringLiteral("2026-11-05T22:00:00Z"), now), 30);
    EXPECT_EQ(app::store::daysSinceRelease(QStringLiteral("2026-12-07T00:00:00Z"), now), -1);
    for (const char *bad : {"", "2026-12-04", "2026-12-04T23:00:00", "2026-02-30T00:00:00Z",
                            "2026-12-04T23:00:00+03:00", "yesterday"})
        EXPECT_EQ(app::store::daysSinceRelease(QString::fromLatin1(bad), now), std::nullopt) << bad;
}

TEST(StoreLookupModel, DecodesEveryRecordOrFailsWithTheReason)
{
    QString error;
    const auto model = app::store::StoreLookupModel::decode(
        R"({"results":[{"trackId":42,"currentVersionReleaseDate":"2026-01-01T00:00:00Z","minimumOsVersion":"11",)"
        R"("version":"1.1","extra":[1]}],"resultCount":1})",
        &error);
    ASSERT_TRUE(model) << error.toStdString();
    ASSERT_EQ(model->results.size(), 1);
    EXPECT_EQ(model->results[0].appID, 42);
    EXPECT_EQ(model->results[0].minimumOSVersion, QStringLiteral("11"));

    struct Row
    {
        const char *json;
        const char *reasonContains;
    } rows[] = {
        {"<html>", "offset"},
        {R"({"results":[{"trackId":42)", "offset"},
        {"[]", "top level"},
        {R"({"resultCount":0})", "results"},
        {R"({"results":[{"currentVersionReleaseDate":"x","minimumOsVersion":"1","version":"1"}]})",
         "trackId"},
        {R"({"results":[{"trackId":"42","currentVersionReleaseDate":"x","minimumOsVersion":"1","version":"1"}]})",
         "trackId"},
        {R"({"results":[{"trackId":4.5,"currentVersionReleaseDate":"x","minimumOsVersion":"1","version":"1"}]})",
         "trackId"},
        {R"({"results":[{"trackId":1,"currentVersionReleaseDate":"x","version":"1"}]})", "minimumOsVersion"},
        {R"({"results":[{"trackId":1,"currentVersionReleaseDate":"x","minimumOsVersion":"1","version":2}]})",
         "version"},
        {R"({"results":[{"trackId":1,"currentVersionReleaseDate":"x","minimumOsVersion":"1","version":"1"},7]})",
         "results[1]"},
    };
    for (const Row &row : rows) {
        error.clear();
        EXPECT_FALSE(app::store::StoreLookupModel::decode(row.json, &error)) << row.json;
        EXPECT_TRUE(error.contains(QLatin1String(row.reasonContains)))
            << row.json << " -> " << error.toStdString();
    }
}

TEST(StoreCountry, EuropeIsEuGibraltarIsBritainAndAnythingOddIsUs)
{
    const std::pair<const char *, const char *> rows[] = {
        {"150", "eu"}, {"GI", "GB"}, {"SA", "SA"}, {"", "us"}, {"419", "us"}, {"SAU", "us"}, {"S1", "us"}};
    for (const auto &[region, country] : rows)
        EXPECT_EQ(app::store::storeCountry(QString::fromLatin1(region)), QString::fromLatin1(country))
            << region;
}

app::store::RatingState dueState()
{
    app::store::RatingState s;
    s.usesUntilPrompt = 7;
    s.daysUntilPrompt = 3;
    s.remindPeriod = 2;
    s.usesCount = 7;
    s.secondsSinceFirstUse = 3 * 86400;
    return s;
}

TEST(RatingCriteria, EachRuleInItsTurn)
{
    struct Row
    {
        const char *name;
        std::function<void(app::store::RatingState &)> change;
        bool prompt;
        const char *reasonContains;
    } rows[] = {
        {"due", [](app::store::RatingState &) {}, true, ""},
        {"preview",
         [](app::store::RatingState &s) {
             s.previewMode = true, s.declinedAnyVersion = true, s.usesCount = 0;
         },
         true, "preview mode"},
        {"rated this version",
         [](app::store::RatingState &s) { s.ratedThisVersion = s.ratedAnyVersion = true; }, false,
         "already rated this version"},
        {"rated before", [](app::store::RatingState &s) { s.ratedAnyVersion = true; }, false,
         "promptForNewVersionIfUserRated"},
        {"rated before, asked again",
         [](app::store::RatingState &s) { s.ratedAnyVersion = s.promptForNewVersionIfUserRated = true; },
         true, ""},
        {"declined", [](app::store::RatingState &s) { s.declinedAnyVersion = true; }, false, "declined"},
        {"too soon", [](app::store::RatingState &s) { s.secondsSinceFirstUse = 3 * 86400 - 1; }, false,
         "less than 3 days"},
        {"too few uses", [](app::store::RatingState &s) { s.usesCount = 6; }, false,
         "used 6 times and only 0 events"},
        {"events suffice",
         [](app::store::RatingState &s) {
             s.usesCount = 1;
             s.eventCount = 10;
         },
         true, ""},
        {"too few per week",
         [](app::store::RatingState &s) {
             s.usesPerWeekForPrompt = 20;
             s.secondsSinceFirstUse = 7 * 86400;
         },
         false, "used 7 times per week"},
        {"reminded recently", [](app::store::RatingState &s) { s.secondsSinceLastReminded = 2 * 86400 - 1; },
         false, "less than 2 days ago"},
        {"reminded long enough ago",
         [](app::store::RatingState &s) { s.secondsSinceLastReminded = 2 * 86400; }, true, ""},
    };
    for (const Row &row : rows) {
        app::store::RatingState s = dueState();
        row.change(s);
        const app::store::RatingVerdict v = app::store::evaluateRatingCriteria(s);
        EXPECT_EQ(v.prompt, row.prompt) << row.name;
        EXPECT_TRUE(v.reason.contains(QLatin1String(row.reasonContains)))
            << row.name << ": " << v.reason.toStdString();
    }
}

TEST(RatingCriteria, AnUpdateLeavesAtMostOneDayToWait)
{
    EXPECT_DOUBLE_EQ(app::store::secondsSinceFirstUseAfterUpdate(10 * 86400, 3), 2 * 86400);
    EXPECT_DOUBLE_EQ(app::store::secondsSinceFirstUseAfterUpdate(86400, 3), 86400);
}

TEST(StoreEndpoint, TheEnvironmentBeatsTheSettingWhichBeatsTheBundle)
{
    testenv::ScopedEnvironment env;
    platform::ScopedStandardDefaults defaults;
    platform::BundleInfo info;
    info.bundleIdentifier = QStringLiteral("org.qamarly.Qamarly");
    info.storeLookupUrl = QUrl(QStringLiteral("https://lookup.example.org/api/"));
    info.storePageUrl = QUrl(QStringLiteral("https://pages.example.org"));
    platform::ScopedBundleInfo bundle(info);
    qunsetenv("QAMARLY_STORE_URL");

    app::store::StoreEndpoint e = app::store::StoreEndpoint::resolve();
    EXPECT_EQ(e.lookupUrl(QStringLiteral("/lookup")).toString(),
              QStringLiteral("https://lookup.example.org/api/lookup"));
    EXPECT_EQ(e.pageUrl(QStringLiteral("/app/id7")).toString(),
              QStringLiteral("https://pages.example.org/app/id7"));

    defaults->setString(QStringLiteral("StoreURL"), QStringLiteral("https://mirror.example.net"));
    e = app::store::StoreEndpoint::resolve();
    EXPECT_EQ(e.pageUrl(QStringLiteral("/app/id7")).host(), QStringLiteral("mirror.example.net"));

    qputenv("QAMARLY_STORE_URL", "http://127.0.0.1:8080");
    e = app::store::StoreEndpoint::resolve();
    EXPECT_EQ(e.lookupUrl(QStringLiteral("/lookup")).toString(),
              QStringLiteral("http://127.0.0.1:8080/lookup"));
    qunsetenv("QAMARLY_STORE_URL");
}

TEST(StoreEndpoint, OnlyHttpsLeavesTheMachineAndNoStoreMeansNoAddress)
{
    testenv::ScopedEnvironment env;
    platform::ScopedStandardDefaults defaults;
    platform::ScopedBundleInfo bundle(platform::BundleInfo{});
    qunsetenv("QAMARLY_STORE_URL");
    const std::pair<const char *, bool> rows[] = {
        {"", false},
        {"https://store.example.org", true},
        {"http://store.example.org", false},
        {"http://127.0.0.1:9", true},
        {"http://127.1.2.3:9", true},
        {"http://[::1]:9", true},
        {"http://localhost:9", true},
        {"http://192.168.1.2", false},
        {"ftp://store.example.org", false},
        {"not a url", false},
    };
    for (const auto &[address, usable] : rows) {
        defaults->setString(QStringLiteral("StoreURL"), QString::fromLatin1(address));
        const app::store::StoreEndpoint e = app::store::StoreEndpoint::resolve();
        EXPECT_EQ(!e.lookupProblem, usable) << address;
        EXPECT_EQ(e.lookupUrl(QStringLiteral("/lookup")).isEmpty(), !usable) << address;
    }
    defaults->remove(QStringLiteral("StoreURL"));
    EXPECT_TRUE(app::store::StoreEndpoint::resolve().lookupProblem->contains(
        QLatin1String("no store is configured")));
}

TEST(SystemInfo, TheVersionIsVersionIdOfOsRelease)
{
    EXPECT_EQ(platform::LinuxSystemInfo::versionIdOf(
                  "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian "
                  "GNU/Linux\"\nVERSION_ID=\"12\"\nVERSION=\"12 (bookworm)\"\n"),
              QStringLiteral("12"));
    EXPECT_EQ(platform::LinuxSystemInfo::versionIdOf("ID=ubuntu\nVERSION_ID=24.04\n"),
              QStringLiteral("24.04"));
    EXPECT_EQ(platform::LinuxSystemInfo::versionIdOf("ID=debian\n"), QString());
    EXPECT_EQ(platform::LinuxSystemInfo(QStringLiteral("/nonexistent/os-release")).operatingSystemVersion(),
              QString());
    // Nothing someone put in its place holds up the update check.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("os-release"));
    ASSERT_TRUE(testenv::makeFifo(fifo));
    QString version = QStringLiteral("unread");
    EXPECT_TRUE(testenv::finishesDespiteFifo<QString>(
        fifo, [&] { return platform::LinuxSystemInfo(fifo).operatingSystemVersion(); }, &version));
    EXPECT_EQ(version, QString());

    testenv::ScopedEnvironment env(QStringLiteral("en_150"));
    EXPECT_EQ(platform::LinuxSystemInfo().regionCode(), QStringLiteral("150"));
    env.setLocale(QStringLiteral("ar_SA"));
    EXPECT_EQ(platform::LinuxSystemInfo().regionCode(), QStringLiteral("SA"));
}

} // namespace

namespace {

TEST(StoreTexts, EveryTableKeepsThePlaceholdersOfTheEnglishText)
{
    const QString updateTable = QStringLiteral("UpdateCheckerLocalizable");
    const QStringList updateKeys{
        QStringLiteral("Update Available"),
        QStringLiteral("A new version of %@ is available. Please update to version %@ now."),
        QStringLiteral("Next time"), QStringLiteral("Update"), QStringLiteral("Skip this version")};
    const QString ratingTable = QStringLiteral("RatingPrompt");
    const QStringList ratingKeys{
        QStringLiteral("RatingPromptMessageTitle"), QStringLiteral("RatingPromptAppMessage"),
        QStringLiteral("RatingPromptGameMessage"),  QStringLiteral("RatingPromptUpdateMessage"),
        QStringLiteral("RatingPromptCancelButton"), QStringLiteral("RatingPromptRemindButton"),
        QStringLiteral("RatingPromptRateButton")};
    const QStringList ratingPlaceholders{QStringLiteral("%@"),
                                         QStringLiteral("%@"),
                                         QStringLiteral("%@"),
                                         QStringLiteral("%@"),
                                         QString(),
                                         QString(),
                                         QString()};
    int tables = 0;
    for (const app::store::LanguageType language : app::store::allLanguageTypes()) {
        const QString folder = app::store::rawValue(language);
        if (app::store::StoreTexts::tableExists(updateTable, folder)) {
            ++tables;
            for (const QString &key : updateKeys) {
                const QString text = app::store::StoreTexts::lookup(updateTable, folder, key, QString());
                EXPECT_FALSE(text.isEmpty()) << folder.toStdString() << ": " << key.toStdString();
                EXPECT_EQ(text.count(QLatin1String("%@")), key.count(QLatin1String("%@")))
                    << folder.toStdString() << ": " << key.toStdString();
            }
        }
        if (app::store::StoreTexts::tableExists(ratingTable, folder)) {
            ++tables;
            for (qsizetype i = 0; i < ratingKeys.size(); ++i) {
                const QString text =
                    app::store::StoreTexts::lookup(ratingTable, folder, ratingKeys[i], QString());
                EXPECT_FALSE(text.isEmpty()) << folder.toStdString() << ": " << ratingKeys[i].toStdString();
                EXPECT_EQ(text.count(QLatin1String("%@")), ratingPlaceholders[i].count(QLatin1String("%@")))
                    << folder.toStdString() << ": " << ratingKeys[i].toStdString();
            }
        }
    }
    EXPECT_GE(tables, 4) << "English and Arabic at least, for both components";
}

TEST(StoreTexts, ALocalePicksItsOwnFolderThenItsLanguage)
{
    const QString table = QStringLiteral("UpdateCheckerLocalizable");
    const std::pair<const char *, const char *> rows[] = {{"ar_SA", "ar"}, {"ar_EG", "ar"}, {"fa_IR", "fa"},
                                                          {"en_GB", "en"}, {"ja_JP", ""},   {"zh_TW", ""}};
    for (const auto &[locale, folder] : rows)
        EXPECT_EQ(app::store::StoreTexts::folderFor(table, QString::fromLatin1(locale)),
                  QString::fromLatin1(folder))
            << locale;
}

} // namespace
