// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The update check end to end: a local store over HTTP, Qt Network, the
// decision and the alert, clicked in its window.
#include "app/store/UpdateChecker.h"

#include "StoreTestSupport.h"
#include "app/store/RatingPrompt.h"
#include "platform/net/testing/ScriptedUrlSession.h"
#include "platform/ui/testing/CountingAlertPresenter.h"

namespace {

using Known = app::store::UpdateCheckError::Known;

class RecordingDelegate : public app::store::UpdateCheckerDelegate
{
public:
    void updateCheckerDidShowUpdateDialog(app::store::AlertType type) override
    {
        events << QStringLiteral("shown %1").arg(int(type));
    }
    void updateCheckerUserDidLaunchAppStore() override { events << QStringLiteral("launched"); }
    void updateCheckerUserDidSkipVersion() override { events << QStringLiteral("skipped"); }
    void updateCheckerUserDidCancel() override { events << QStringLiteral("cancelled"); }
    void updateCheckerDidFailVersionCheck(const app::store::UpdateCheckError &error) override
    {
        errors << error.known;
        events << QStringLiteral("failed");
    }
    void updateCheckerDidDetectNewVersionWithoutAlert(const QString &message,
                                                      app::store::UpdateType type) override
    {
        events << QStringLiteral("without alert ") + app::store::rawValue(type) + QStringLiteral(": ") +
                      message;
    }
    void updateCheckerLatestVersionInstalled() override { events << QStringLiteral("latest"); }

    QStringList events;
    QList<Known> errors;
};

class UpdateCheckerTest : public ::testing::Test
{
protected:
    void SetUp() override { makeChecker(); }

    void makeChecker()
    {
        checker = std::make_unique<app::store::UpdateChecker>();
        checker->delegate = &delegate;
        checker->debugEnabled = true;
        checker->setAlertType(app::store::AlertType::option);
    }

    void serve(const QString &version, const QString &released = QStringLiteral("2026-12-04T11:00:00Z"),
               const QString &minimumOs = QStringLiteral("12"))
    {
        world.local.route(QStringLiteral("/lookup"),
                          {200, LocalStore::lookupBody(version, released, minimumOs)});
    }

    // Starts a check and waits until it has shown something or told the delegate.
    void check()
    {
        delegate.events.clear();
        delegate.errors.clear();
        const qsizetype before = world.local.requests().size();
        checker->startVersionCheck(app::store::VersionCheckType::immediately);
        waitUntil([&] { return !delegate.events.isEmpty() || world.local.requests().size() > before; });
        waitUntil([&] { return !delegate.events.isEmpty(); }, 1500);
        spin(30);
    }

    StoreWorld world;
    RecordingDelegate delegate;
    std::unique_ptr<app::store::UpdateChecker> checker;
};

TEST_F(UpdateCheckerTest, ANewerVersionReleasedYesterdayOffersNextTimeAndUpdateAndOpensItsPage)
{
    serve(QStringLiteral("1.1"));
    check();
    EXPECT_EQ(world.local.requests(), QStringList{QStringLiteral("/lookup?bundleId=org.qamarly.Qamarly")});
    platform::AlertController *alert = shownAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("Update Available"));
    EXPECT_EQ(alert->message(),
              QStringLiteral("A new version of Qamarly is available. Please update to version 1.1 now."));
    EXPECT_EQ(buttonTitles(alert), (QStringList{QStringLiteral("Next time"), QStringLiteral("Update")}));
    EXPECT_EQ(delegate.events, QStringList{QStringLiteral("shown 1")});
    EXPECT_EQ(world.defaults->date(QStringLiteral("StoredVersionCheckDate")), world.env.clock()->now());
    EXPECT_TRUE(checker->alertViewIsVisible);
    EXPECT_EQ(checker->appID, 1234567);

    clickButton(alert, QStringLiteral("Update"));
    ASSERT_TRUE(waitUntil([&] { return delegate.events.contains(QStringLiteral("launched")); }));
    EXPECT_EQ(world.opener->opened,
              QList<QUrl>{world.local.baseUrl().resolved(QUrl(QStringLiteral("/app/id1234567")))});
    EXPECT_FALSE(checker->alertViewIsVisible);
    EXPECT_EQ(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, EscapeClosesTheAlertSoTheNextCheckMayShowAnother)
{
    serve(QStringLiteral("1.1"));
    check();
    platform::AlertController *alert = shownAlert();
    ASSERT_NE(alert, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert));
    QTest::keyClick(alert->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return !checker->alertViewIsVisible; }));
    EXPECT_EQ(delegate.events, QStringList{QStringLiteral("shown 1")}) << "no answer was given";
    check();
    EXPECT_NE(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, AStorePageTheDesktopCannotOpenIsNotReportedAsOpened)
{
    world.opener->succeeds = false;
    serve(QStringLiteral("1.1"));
    check();
    ASSERT_NE(shownAlert(), nullptr);
    clickButton(shownAlert(), QStringLiteral("Update"));
    ASSERT_TRUE(waitUntil([&] { return !world.opener->opened.isEmpty(); }));
    spin(30);
    EXPECT_FALSE(delegate.events.contains(QStringLiteral("launched")));
    EXPECT_TRUE(world.consoleHas(QStringLiteral("could not open")));
    EXPECT_FALSE(checker->alertViewIsVisible);
}

TEST_F(UpdateCheckerTest, NextTimeClosesTheAlertAndAsksAgainAtTheNextCheck)
{
    serve(QStringLiteral("1.1"));
    check();
    clickButton(shownAlert(), QStringLiteral("Next time"));
    ASSERT_TRUE(waitUntil([&] { return delegate.events.contains(QStringLiteral("cancelled")); }));
    EXPECT_EQ(world.defaults->string(QStringLiteral("StoredSkippedVersion")), std::nullopt);
    check();
    EXPECT_NE(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, AVersionReleasedTodayWaitsForTheThresholdThenAlerts)
{
    serve(QStringLiteral("1.1"), QStringLiteral("2026-12-05T01:00:00Z"));
    check();
    spin(100);
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_TRUE(
        world.consoleHas(QStringLiteral("[UpdateChecker] Your app has been released for 0 days, but "
                                        "UpdateChecker cannot prompt the user until 1 days have passed.")));
    EXPECT_EQ(world.defaults->date(QStringLiteral("StoredVersionCheckDate")), std::nullopt);

    world.env.clock()->advance(std::chrono::hours(24));
    check();
    EXPECT_NE(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, ASkippedVersionNeverAlertsAgainButALaterOneDoes)
{
    checker->setAlertType(app::store::AlertType::skip);
    serve(QStringLiteral("3.1"));
    check();
    ASSERT_NE(shownAlert(), nullptr);
    EXPECT_EQ(buttonTitles(shownAlert()), (QStringList{QStringLiteral("Next time"), QStringLiteral("Update"),
                                                       QStringLiteral("Skip this version")}));
    clickButton(shownAlert(), QStringLiteral("Skip this version"));
    ASSERT_TRUE(waitUntil([&] { return delegate.events.contains(QStringLiteral("skipped")); }));
    EXPECT_EQ(world.defaults->string(QStringLiteral("StoredSkippedVersion")), QStringLiteral("3.1"));

    makeChecker();
    check();
    spin(100);
    EXPECT_EQ(shownAlert(), nullptr);

    serve(QStringLiteral("3.2"));
    check();
    EXPECT_NE(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, EachKindOfUpdateGetsItsOwnAlert)
{
    struct Row
    {
        const char *store;
        app::store::UpdateType kind;
        QStringList buttons;
    } rows[] = {
        {"2.0", app::store::UpdateType::major, {QStringLiteral("Update")}},
        {"1.1",
         app::store::UpdateType::minor,
         {QStringLiteral("Next time"), QStringLiteral("Update"), QStringLiteral("Skip this version")}},
        {"1.0.1", app::store::UpdateType::patch, {}},
        {"1.0.0.1",
         app::store::UpdateType::revision,
         {QStringLiteral("Next time"), QStringLiteral("Update")}},
    };
    for (const Row &row : rows) {
        makeChecker();
        checker->majorUpdateAlertType = app::store::AlertType::force;
        checker->minorUpdateAlertType = app::store::AlertType::skip;
        checker->patchUpdateAlertType = app::store::AlertType::none;
        checker->revisionUpdateAlertType = app::store::AlertType::option;
        serve(QString::fromLatin1(row.store));
        check();
        EXPECT_EQ(checker->updateType, row.kind) << row.store;
        platform::AlertController *alert = shownAlert();
        if (row.buttons.isEmpty()) {
            EXPECT_EQ(alert, nullptr) << row.store;
            EXPECT_EQ(delegate.events,
                      QStringList{QStringLiteral("without alert patch: A new version of Qamarly is "
                                                 "available. Please update to version 1.0.1 now.")});
        } else {
            ASSERT_NE(alert, nullptr) << row.store;
            EXPECT_EQ(buttonTitles(alert), row.buttons) << row.store;
            delete alert;
        }
    }
}

TEST_F(UpdateCheckerTest, VersionsCompareByTheNumbersTheyHold)
{
    world.bundle.change(qamarlyBundle(QStringLiteral("1.9")));
    makeChecker();
    serve(QStringLiteral("1.10"));
    check();
    EXPECT_NE(shownAlert(), nullptr);
    EXPECT_EQ(checker->updateType, app::store::UpdateType::minor);
    delete shownAlert();

    world.bundle.change(qamarlyBundle(QStringLiteral("1.10")));
    makeChecker();
    serve(QStringLiteral("1.9"));
    check();
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_EQ(delegate.events, (QStringList{QStringLiteral("latest"), QStringLiteral("failed")}));
    EXPECT_EQ(delegate.errors, QList<Known>{Known::noUpdateAvailable});
    EXPECT_TRUE(world.consoleHas(QStringLiteral("[UpdateChecker] No new update available.")));
}

TEST_F(UpdateCheckerTest, ASystemOlderThanTheStoreRequiresIsNotOfferedTheUpdate)
{
    serve(QStringLiteral("1.1"), QStringLiteral("2026-12-01T00:00:00Z"), QStringLiteral("13.0"));
    check();
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_EQ(delegate.errors, QList<Known>{Known::appStoreOSVersionUnsupported});

    platform::FixedSystemInfo::installFor(QStringLiteral("13.10"), QStringLiteral("SA"));
    serve(QStringLiteral("1.1"), QStringLiteral("2026-12-01T00:00:00Z"), QStringLiteral("13.9"));
    check();
    EXPECT_NE(shownAlert(), nullptr);
    delete shownAlert();
    checker->alertViewIsVisible = false;

    // Debian 12 says "12"; a store that writes "12.0" means the same.
    platform::FixedSystemInfo::installFor(QStringLiteral("12"), QStringLiteral("SA"));
    serve(QStringLiteral("1.1"), QStringLiteral("2026-12-01T00:00:00Z"), QStringLiteral("12.0"));
    check();
    EXPECT_NE(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, AStoreVersionWrittenShorterIsTheSameVersion)
{
    serve(QStringLiteral("1.0"));
    check();
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_EQ(delegate.errors, QList<Known>{Known::noUpdateAvailable});
}

TEST_F(UpdateCheckerTest, EveryBrokenAnswerEndsInItsErrorWithNothingStoredAndNoAlert)
{
    const QByteArray good =
        LocalStore::lookupBody(QStringLiteral("1.1"), QStringLiteral("2026-12-01T00:00:00Z"));
    const QByteArray huge = "{\"results\":[], \"pad\":\"" + QByteArray(2 * 1024 * 1024, 'x') + "\"}";
    auto route = [](int status, QByteArray body) { return LocalStore::Reply{status, std::move(body)}; };
    LocalStore::Reply hugeUnannounced = route(200, huge);
    hugeUnannounced.contentLength = false;
    LocalStore::Reply slow = route(200, good);
    slow.delayMs = 1500;
    LocalStore::Reply dripping = route(200, good);
    dripping.dripMs = 50;
    LocalStore::Reply endless = route(200, {});
    endless.endless = true;
    LocalStore::Reply elsewhere = route(302, {});
    elsewhere.headers << "Location: http://localhost:" + QByteArray::number(world.local.baseUrl().port()) +
                             "/lookup";
    struct Row
    {
        const char *name;
        LocalStore::Reply reply;
        Known error;
    } rows[] = {
        {"not found", route(404, "<html>no</html>"), Known::appStoreDataRetrievalFailure},
        {"server error", route(500, good), Known::appStoreDataRetrievalFailure},
        {"empty body", route(200, {}), Known::appStoreDataRetrievalFailure},
        {"not json", route(200, "<html>"), Known::appStoreJSONParsingFailure},
        {"truncated", route(200, good.left(good.size() / 2)), Known::appStoreJSONParsingFailure},
        {"missing minimumOsVersion", route(200, QByteArray(good).replace("minimumOsVersion", "minimumOS")),
         Known::appStoreJSONParsingFailure},
        {"trackId as text", route(200, QByteArray(good).replace("1234567", "\"1234567\"")),
         Known::appStoreJSONParsingFailure},
        {"no records", route(200, R"({"resultCount":0,"results":[]})"),
         Known::appStoreOSVersionNumberFailure},
        {"huge", route(200, huge), Known::appStoreDataRetrievalFailure},
        {"huge without length", hugeUnannounced, Known::appStoreDataRetrievalFailure},
        {"double dot", route(200, QByteArray(good).replace("\"1.1\"", "\"1..2\"")),
         Known::appStoreVersionArrayFailure},
        {"letter", route(200, QByteArray(good).replace("\"1.1\"", "\"v2\"")),
         Known::appStoreVersionArrayFailure},
        {"redirect to another host", elsewhere, Known::appStoreDataRetrievalFailure},
        {"slower than the time-out", slow, Known::appStoreDataRetrievalFailure},
        // Bytes keep coming, but the whole answer not within the time-out.
        {"dripping", dripping, Known::appStoreDataRetrievalFailure},
        {"endless chunked body", endless, Known::appStoreDataRetrievalFailure},
    };
    for (const Row &row : rows) {
        makeChecker();
        checker->lookupTimeout = std::chrono::milliseconds(400);
        world.local.route(QStringLiteral("/lookup"), row.reply);
        checker->startVersionCheck(app::store::VersionCheckType::immediately);
        delegate.events.clear();
        delegate.errors.clear();
        ASSERT_TRUE(waitUntil([&] { return !delegate.errors.isEmpty(); })) << row.name;
        spin(30);
        EXPECT_EQ(delegate.errors, QList<Known>{row.error}) << row.name;
        EXPECT_EQ(shownAlert(), nullptr) << row.name;
        EXPECT_TRUE(world.defaults->keys().isEmpty()) << row.name;
        EXPECT_EQ(checker->currentAppStoreVersion, std::nullopt) << row.name;
    }
}

TEST_F(UpdateCheckerTest, AStoreThatCannotSpeakTlsIsAFailedRetrieval)
{
    QUrl https = world.local.baseUrl();
    https.setScheme(QStringLiteral("https"));
    qputenv("QAMARLY_STORE_URL", https.toString().toLatin1());
    serve(QStringLiteral("1.1"));
    check();
    ASSERT_TRUE(waitUntil([&] { return !delegate.errors.isEmpty(); }));
    EXPECT_EQ(delegate.errors, QList<Known>{Known::appStoreDataRetrievalFailure});
    EXPECT_EQ(shownAlert(), nullptr);
}

TEST_F(UpdateCheckerTest, LookupsAskTheNetworkWithTheirOwnTimeOutsAndCachePolicies)
{
    auto session = std::make_shared<platform::ScriptedUrlSession>();
    platform::UrlSession::install(session);
    app::store::UpdateChecker fresh;
    fresh.startVersionCheck(app::store::VersionCheckType::immediately);
    app::store::RatingPrompt prompt;
    ASSERT_TRUE(waitUntil([&] { return session->requests().size() == 2; }));
    platform::UrlSession::install(nullptr);

    const platform::UrlRequest &update = session->requests().at(0);
    EXPECT_EQ(update.url.path(), QStringLiteral("/lookup"));
    EXPECT_EQ(update.timeout, std::chrono::seconds(30));
    EXPECT_EQ(update.cachePolicy, platform::UrlRequest::CachePolicy::reloadIgnoringLocalCacheData);
    const platform::UrlRequest &rating = session->requests().at(1);
    EXPECT_EQ(rating.url.path(), QStringLiteral("/SA/lookup"));
    EXPECT_EQ(rating.timeout, std::chrono::seconds(60));
    EXPECT_EQ(rating.cachePolicy, platform::UrlRequest::CachePolicy::useProtocolCachePolicy);
}

TEST_F(UpdateCheckerTest, ChecksStartedWhileALookupRunsShareItAndShowOneAlert)
{
    auto presenter = std::make_shared<platform::CountingAlertPresenter>();
    platform::TopAlertPresenter::install(presenter);
    serve(QStringLiteral("1.1"));
    for (int returns = 0; returns < 3; ++returns)
        checker->startVersionCheck(app::store::VersionCheckType::immediately);
    EXPECT_TRUE(world.local.requests().isEmpty()) << "the check returns before the store answers";
    ASSERT_TRUE(waitUntil([&] { return !delegate.events.isEmpty(); }));
    spin(200);
    // A slow store would otherwise hold a connection for every return to the window.
    EXPECT_EQ(world.local.requests().size(), 1);
    // Once answered, a check asks again; the alert still open keeps another off screen.
    checker->startVersionCheck(app::store::VersionCheckType::immediately);
    ASSERT_TRUE(waitUntil([&] { return world.local.requests().size() == 2; }));
    spin(200);
    EXPECT_EQ(platform::AlertController::shownAlerts().size(), 1);
    EXPECT_EQ(presenter->presented.size(), 1) << "put above the other windows";
    EXPECT_EQ(delegate.events, QStringList{QStringLiteral("shown 1")});
    platform::TopAlertPresenter::install(nullptr);
}

TEST_F(UpdateCheckerTest, WithoutAStoreNoRequestIsSentAndTheDebugLineSaysWhy)
{
    qunsetenv("QAMARLY_STORE_URL");
    check();
    EXPECT_EQ(delegate.errors, QList<Known>{Known::malformedURL});
    EXPECT_TRUE(world.local.requests().isEmpty());
    EXPECT_TRUE(world.consoleHas(QStringLiteral("no store is configured")));

    qputenv("QAMARLY_STORE_URL", "http://store.example.org");
    check();
    EXPECT_EQ(delegate.errors, QList<Known>{Known::malformedURL});
    EXPECT_TRUE(world.consoleHas(QStringLiteral("only https leaves this machine")));
}

TEST_F(UpdateCheckerTest, DailyChecksWaitADayAfterAnAlert)
{
    serve(QStringLiteral("1.1"));
    check();
    delete shownAlert();
    checker->alertViewIsVisible = false;
    const qsizetype sent = world.local.requests().size();
    checker->startVersionCheck(app::store::VersionCheckType::daily);
    EXPECT_EQ(delegate.errors, QList<Known>{Known::recentlyCheckedAlready});
    world.env.clock()->advance(std::chrono::hours(24));
    check();
    EXPECT_EQ(world.local.requests().size(), sent + 1);
}

TEST_F(UpdateCheckerTest, TheAlertSpeaksTheDeviceLanguageOrTheForcedOneAndEnglishOtherwise)
{
    serve(QStringLiteral("1.1"));
    world.env.setLocale(QStringLiteral("ar_SA"));
    check();
    ASSERT_NE(shownAlert(), nullptr);
    EXPECT_EQ(shownAlert()->title(), QStringLiteral("تحديث متوفر"));
    EXPECT_EQ(buttonTitles(shownAlert()),
              (QStringList{QStringLiteral("في المرة القادمة"), QStringLiteral("تحديث")}));
    EXPECT_TRUE(shownAlert()->message().contains(QStringLiteral("1.1")));
    EXPECT_EQ(shownAlert()->layoutDirection(), Qt::RightToLeft);
    delete shownAlert();

    const std::pair<app::store::LanguageType, const char *> rows[] = {
        {app::store::LanguageType::french, "Mise à jour disponible"},
        {app::store::LanguageType::english, "Update Available"},
        {app::store::LanguageType::japanese, "Update Available"},
    };
    for (const auto &[language, title] : rows) {
        makeChecker();
        checker->forceLanguageLocalization = language;
        check();
        ASSERT_NE(shownAlert(), nullptr);
        EXPECT_EQ(shownAlert()->title(), QString::fromUtf8(title));
        delete shownAlert();
    }
}

TEST_F(UpdateCheckerTest, ADelegateThatImplementsNothingPrintsTheDefaultLine)
{
    app::store::UpdateCheckerDelegate bare;
    checker->delegate = &bare;
    qunsetenv("QAMARLY_STORE_URL");
    checker->startVersionCheck(app::store::VersionCheckType::immediately);
    EXPECT_TRUE(world.consoleHas(QStringLiteral(
        "[UpdateChecker] The default implementation of updateCheckerDidFailVersionCheck(error:) is being "
        "called. You "
        "can ignore this message if you do not care to implement this method in your `UpdateCheckerDelegate` "
        "conforming structure.")));
}

} // namespace
