// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The rating prompt over the local store: uses and days counted across
// launches under a fixed clock, the alert clicked in its window.
#include "app/store/RatingPrompt.h"

#include "StoreTestSupport.h"

#include <QSignalSpy>
#include <QWidget>

namespace {

const QByteArray storeRecord =
    R"({"resultCount":1,"results":[{"bundleId":"org.qamarly.Qamarly","trackId":1234567,"primaryGenreId":6000,"version":"1.0.0"}]})";

class RatingPromptTest : public ::testing::Test
{
protected:
    void SetUp() override { serve(storeRecord); }

    void serve(const QByteArray &body, int status = 200)
    {
        for (const char *country : {"/SA/lookup", "/eu/lookup", "/GB/lookup", "/us/lookup"})
            world.local.route(QString::fromLatin1(country), {status, body});
    }

    // One start of the application: a new instance configured as the
    // application configures it, its launch accounting, and any lookup.
    void launch()
    {
        prompt = std::make_unique<app::store::RatingPrompt>();
        prompt->onlyPromptIfLatestVersion = false;
        prompt->daysUntilPrompt = 3;
        prompt->usesUntilPrompt = 7;
        prompt->remindPeriod = 2;
        prompt->presentingWindow = &window;
        posted = std::make_unique<QSignalSpy>(prompt.get(), &app::store::RatingPrompt::notificationPosted);
        settle();
    }

    void settle()
    {
        const qsizetype before = world.local.requests().size();
        waitUntil([&] { return world.local.requests().size() > before; }, 1500);
        spin(100);
    }

    QStringList notifications() const
    {
        QStringList names;
        for (const QList<QVariant> &args : *posted)
            names << args.at(0).toString();
        return names;
    }

    void usedFor(int days, int uses, const QString &version = QStringLiteral("1.0.0"))
    {
        world.defaults->setDate(QStringLiteral("RatingPromptFirstUsed"),
                                world.env.clock()->now() - std::chrono::hours(24 * days));
        world.defaults->setInteger(QStringLiteral("RatingPromptUseCount"), uses);
        world.defaults->setString(QStringLiteral("RatingPromptLastVersionUsed"), version);
    }

    StoreWorld world;
    QWidget window;
    std::unique_ptr<app::store::RatingPrompt> prompt;
    std::unique_ptr<QSignalSpy> posted;
};

TEST_F(RatingPromptTest, TheFirstLaunchStartsCountingAndAsksNothing)
{
    launch();
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptFirstUsed")), world.env.clock()->now());
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 1);
    EXPECT_EQ(world.defaults->string(QStringLiteral("RatingPromptLastVersionUsed")), QStringLiteral("1.0.0"));
    EXPECT_EQ(notifications(), QStringList{QStringLiteral("RatingPromptDidDetectAppUpdate")});
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_EQ(world.local.requests(), QStringList{QStringLiteral("/SA/lookup?bundleId=org.qamarly.Qamarly")});
    EXPECT_TRUE(waitUntil(
        [&] { return world.defaults->integer(QStringLiteral("RatingPromptAppStoreID")) == 1234567; }));
}

TEST_F(RatingPromptTest, TheSeventhUseOnTheThirdDayAsksWithThreeAnswers)
{
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    platform::AlertController *alert = shownAlert();
    EXPECT_EQ(alert->title(), QStringLiteral("Rate Qamarly"));
    EXPECT_EQ(alert->message(),
              QStringLiteral("If you enjoy using Qamarly, would you mind taking a moment to rate it? "
                             "It won\u2019t take more than a minute. Thanks for your support!"));
    EXPECT_EQ(buttonTitles(alert), (QStringList{QStringLiteral("Rate It Now"), QStringLiteral("No, Thanks"),
                                                QStringLiteral("Remind Me Later")}));
    EXPECT_TRUE(notifications().contains(QStringLiteral("RatingPromptDidPromptForRating")));
    EXPECT_FALSE(notifications().contains(QStringLiteral("RatingPromptDidDetectAppUpdate")));
}

TEST_F(RatingPromptTest, RemindMeLaterWaitsTwoDays)
{
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    clickButton(shownAlert(), QStringLiteral("Remind Me Later"));
    ASSERT_TRUE(waitUntil([&] {
        return notifications().contains(QStringLiteral("RatingPromptUserDidRequestReminderToRateApp"));
    }));
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptLastReminded")), world.env.clock()->now());

    world.env.clock()->advance(std::chrono::hours(47));
    launch();
    EXPECT_EQ(shownAlert(), nullptr);
    world.env.clock()->advance(std::chrono::hours(1));
    launch();
    EXPECT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
}

TEST_F(RatingPromptTest, ClosingThePromptWithoutAnAnswerIsARemindNotADecline)
{
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shownAlert()));
    QTest::keyClick(shownAlert()->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] {
        return notifications().contains(QStringLiteral("RatingPromptUserDidRequestReminderToRateApp"));
    }));
    EXPECT_EQ(world.defaults->string(QStringLiteral("RatingPromptDeclinedVersion")), std::nullopt);
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptLastReminded")), world.env.clock()->now());
    EXPECT_EQ(prompt->visibleAlert, nullptr);
    EXPECT_FALSE(notifications().contains(QStringLiteral("RatingPromptUserDidDeclineToRateApp")));
}

TEST_F(RatingPromptTest, NoThanksIsFinalEvenAfterAnUpdate)
{
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    clickButton(shownAlert(), QStringLiteral("No, Thanks"));
    ASSERT_TRUE(waitUntil(
        [&] { return notifications().contains(QStringLiteral("RatingPromptUserDidDeclineToRateApp")); }));
    EXPECT_EQ(world.defaults->string(QStringLiteral("RatingPromptDeclinedVersion")), QStringLiteral("1.0.0"));
    spin(50);
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptLastReminded")), std::nullopt)
        << "one answer only";

    world.bundle.change(qamarlyBundle(QStringLiteral("1.1.0")));
    world.env.clock()->advance(std::chrono::hours(24 * 30));
    for (int i = 0; i < 3; ++i)
        launch();
    EXPECT_EQ(shownAlert(), nullptr);
    EXPECT_TRUE(prompt->declinedAnyVersion());
}

TEST_F(RatingPromptTest, RateItNowOpensTheReviewPageOnceTheDesktopTakesIt)
{
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    clickButton(shownAlert(), QStringLiteral("Rate It Now"));
    ASSERT_TRUE(
        waitUntil([&] { return notifications().contains(QStringLiteral("RatingPromptDidOpenAppStore")); }));
    EXPECT_EQ(world.defaults->string(QStringLiteral("RatingPromptRatedVersionChecked")),
              QStringLiteral("1.0.0"));
    ASSERT_EQ(world.opener->opened.size(), 1);
    EXPECT_EQ(world.opener->opened[0].toString(),
              world.local.baseUrl().toString() +
                  QStringLiteral("/us/app/itunes-u/id1234567?action=write-review"));

    launch();
    EXPECT_EQ(shownAlert(), nullptr) << "a rating is not asked for again";

    world.opener->succeeds = false;
    posted->clear();
    prompt->openRatingsPageInAppStore();
    EXPECT_EQ(world.opener->opened.size(), 2);
    EXPECT_FALSE(notifications().contains(QStringLiteral("RatingPromptDidOpenAppStore")));
    EXPECT_TRUE(world.consoleHas(QStringLiteral("RatingPrompt could not open the App Store ratings page")));
}

TEST_F(RatingPromptTest, AnUpdateMovesTheFirstUseSoAtMostOneDayRemains)
{
    usedFor(10, 3, QStringLiteral("0.9.0"));
    launch();
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptFirstUsed")),
              world.env.clock()->now() - std::chrono::hours(48));
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 4) << "counters remain";
    EXPECT_TRUE(notifications().contains(QStringLiteral("RatingPromptDidDetectAppUpdate")));

    // Having rated an earlier version starts everything again.
    world.defaults->setString(QStringLiteral("RatingPromptRatedVersionChecked"), QStringLiteral("1.0.0"));
    world.bundle.change(qamarlyBundle(QStringLiteral("1.1.0")));
    launch();
    EXPECT_EQ(world.defaults->date(QStringLiteral("RatingPromptFirstUsed")), world.env.clock()->now());
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 1);
}

TEST_F(RatingPromptTest, TheRegionPicksTheStoreCountry)
{
    const std::pair<const char *, const char *> rows[] = {
        {"150", "/eu/lookup"}, {"GI", "/GB/lookup"}, {"", "/us/lookup"}};
    for (const auto &[region, path] : rows) {
        platform::FixedSystemInfo::installFor(QStringLiteral("12"), QString::fromLatin1(region));
        launch();
        ASSERT_FALSE(world.local.requests().isEmpty());
        EXPECT_TRUE(world.local.requests().last().startsWith(QLatin1String(path))) << region;
    }
}

TEST_F(RatingPromptTest, AReturnFromTheBackgroundCountsAUse)
{
    launch();
    prompt->applicationWillEnterForeground();
    settle();
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 2);
}

// A store that drips its answer: every return to the window would otherwise
// open one more connection that never ends.
TEST_F(RatingPromptTest, ASlowStoreIsAskedOnceAtATimeAndGivenUpAtTheTimeOut)
{
    LocalStore::Reply dripping{200, storeRecord};
    dripping.dripMs = 100;
    world.local.route(QStringLiteral("/SA/lookup"), dripping);
    usedFor(3, 6);
    prompt = std::make_unique<app::store::RatingPrompt>();
    prompt->onlyPromptIfLatestVersion = false;
    prompt->daysUntilPrompt = 3;
    prompt->usesUntilPrompt = 7;
    prompt->presentingWindow = &window;
    prompt->lookupTimeout = std::chrono::milliseconds(600);
    posted = std::make_unique<QSignalSpy>(prompt.get(), &app::store::RatingPrompt::notificationPosted);
    ASSERT_TRUE(waitUntil([&] { return world.local.requests().size() == 1; }));
    for (int returns = 0; returns < 3; ++returns)
        prompt->applicationWillEnterForeground();
    spin(100);
    EXPECT_EQ(world.local.requests().size(), 1);
    // The prompt that waited for that lookup hears that it failed.
    ASSERT_TRUE(waitUntil(
        [&] { return notifications().contains(QStringLiteral("RatingPromptCouldNotConnectToAppStore")); },
        3000));
    EXPECT_EQ(shownAlert(), nullptr);

    serve(storeRecord);
    prompt->applicationWillEnterForeground();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    EXPECT_EQ(world.local.requests().size(), 2);
}

TEST_F(RatingPromptTest, TheRateButtonLooksTheAppUpFirstWhenItsIdentifierIsUnknown)
{
    world.local.route(QStringLiteral("/SA/lookup"), {200, "{}"});
    launch();
    serve(storeRecord);
    prompt->openRatingsPageInAppStore();
    EXPECT_TRUE(world.opener->opened.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !world.opener->opened.isEmpty(); }));
    EXPECT_TRUE(world.opener->opened[0].path().endsWith(QLatin1String("/id1234567")));
}

TEST_F(RatingPromptTest, AReviewAddressSetByTheApplicationNeedsNoLookup)
{
    world.local.route(QStringLiteral("/SA/lookup"), {200, "{}"});
    launch();
    const qsizetype lookups = world.local.requests().size();
    prompt->setRatingsURL(QUrl(QStringLiteral("https://reviews.example.org/qamarly")));
    prompt->openRatingsPageInAppStore();
    EXPECT_EQ(world.opener->opened, QList<QUrl>{QUrl(QStringLiteral("https://reviews.example.org/qamarly"))});
    EXPECT_TRUE(notifications().contains(QStringLiteral("RatingPromptDidOpenAppStore")));
    spin(50);
    EXPECT_EQ(world.local.requests().size(), lookups);
}

TEST_F(RatingPromptTest, PreviewModeAsksWhateverTheCounts)
{
    world.local.route(QStringLiteral("/SA/lookup"), {200, R"({"results":[]})"});
    prompt = std::make_unique<app::store::RatingPrompt>();
    prompt->previewMode = true;
    prompt->presentingWindow = &window;
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    EXPECT_TRUE(world.consoleHas(QStringLiteral("preview mode is enabled")));
}

TEST_F(RatingPromptTest, AFailedOrForeignLookupAsksNothingAndSaysWhy)
{
    const std::tuple<QByteArray, int, const char *> rows[] = {
        {storeRecord, 500, "The server returned a 500 error"},
        {QByteArray(storeRecord).replace("org.qamarly.Qamarly", "org.example.Other"), 200,
         "Application bundle ID does not match expected value of org.example.Other"},
        {storeRecord.left(30), 200, "RatingPrompt rating process failed because: "},
        {{}, 200, "The store returned no data"},
    };
    for (const auto &[body, status, line] : rows) {
        serve(body, status);
        usedFor(3, 6);
        world.console.clear();
        launch();
        EXPECT_TRUE(waitUntil([&] {
            return notifications().contains(QStringLiteral("RatingPromptCouldNotConnectToAppStore"));
        })) << line;
        EXPECT_EQ(shownAlert(), nullptr) << line;
        EXPECT_TRUE(world.consoleHas(QString::fromLatin1(line))) << line;
        EXPECT_TRUE(notifications().contains(QStringLiteral("RatingPromptCouldNotConnectToAppStore")))
            << line;
    }
}

TEST_F(RatingPromptTest, ThePromptSpeaksArabic)
{
    world.env.setLocale(QStringLiteral("ar_SA"));
    usedFor(3, 6);
    launch();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    EXPECT_EQ(buttonTitles(shownAlert()),
              (QStringList{QStringLiteral("قيِّمه الآن"), QStringLiteral("لا، شكرًا"),
                           QStringLiteral("ذكِّرني لاحقًا")}));
    EXPECT_EQ(shownAlert()->title(), QStringLiteral("قيِّم Qamarly"));
}

} // namespace
