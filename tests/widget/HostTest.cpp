// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/widgets/WidgetCenter.h"
#include "support/StuckReader.h"
#include "support/TestEnvironment.h"
#include "widget/Provider.h"
#include "widget/TimelineJson.h"
#include "widget/WidgetHost.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testenv::gregorianInstant;
using widget::HostController;
using widget::HostOptions;
using widget::HostWindow;
using widget::WidgetFamily;
using widget::WidgetKind;

// The timeline command's output as the in-process provider makes it now.
QByteArray timelineJsonNow()
{
    widget::Provider::resetSharedConverter();
    widget::Timeline timeline;
    widget::Provider().getTimeline({}, [&](const widget::Timeline &t) { timeline = t; });
    return QJsonDocument(widget::timelineToJson(timeline)).toJson();
}

// Stands in for the child process: keeps each request until the test answers it.
struct FakeTimelines
{
    std::vector<widget::TimelineReply> pending;
    int asked = 0;

    widget::TimelineSource source()
    {
        return [this](const widget::TimelineContext &, widget::TimelineReply reply) {
            ++asked;
            pending.push_back(std::move(reply));
        };
    }
    void answer(const QByteArray &json)
    {
        ASSERT_FALSE(pending.empty()) << "nothing was asked";
        QString error;
        auto timeline = widget::timelineFromJson(json, &error);
        ASSERT_TRUE(timeline) << error.toStdString();
        take()({std::move(timeline), QString()});
    }
    void fail(const QString &why)
    {
        ASSERT_FALSE(pending.empty()) << "nothing was asked";
        take()({std::nullopt, why});
    }
    widget::TimelineReply take()
    {
        widget::TimelineReply r = std::move(pending.front());
        pending.erase(pending.begin());
        return r;
    }
};

// Stands in for the menu process: records what was asked and holds the answer.
struct FakeMenu
{
    std::vector<std::pair<QString, QPoint>> asked;
    widget::MenuAnswer open;

    widget::MenuRunner runner()
    {
        return [this](const widget::WidgetChoice &choice, QPoint at, widget::MenuAnswer answer) {
            asked.emplace_back(choice.id(), at);
            open = std::move(answer);
        };
    }
    void choose(const QString &id)
    {
        ASSERT_TRUE(open) << "no menu is open";
        widget::MenuAnswer a = std::move(open);
        open = nullptr;
        a(id);
    }
};

class HostTest : public ::testing::Test
{
protected:
    HostTest() : env(QStringLiteral("en_US"), QStringLiteral("Europe/London"))
    {
        env.setNow(gregorianInstant(2026, 12, 5, 12, 0));
        platform::installTranslations();
    }
    ~HostTest() override { widget::Provider::resetSharedConverter(); }

    std::unique_ptr<HostWindow> makeWindow(WidgetKind kind, WidgetFamily family,
                                           std::shared_ptr<widget::HostPositions> positions = nullptr)
    {
        if (!positions)
            positions = std::make_shared<widget::HostPositions>();
        HostOptions options;
        options.kind = kind;
        options.family = family;
        return std::make_unique<HostWindow>(options, positions,
                                            widget::HostServices{timelines.source(), menu.runner(), [this] {
                                                                     ++applicationsOpened;
                                                                     return true;
                                                                 }});
    }

    testenv::ScopedEnvironment env;
    FakeTimelines timelines;
    FakeMenu menu;
    int applicationsOpened = 0;
};

TEST_F(HostTest, ShowsNothingUntilTheFirstTimelineThenEachEntryFromItsMidnight)
{
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    HostController &host = window->controller();
    EXPECT_EQ(timelines.asked, 1);
    EXPECT_FALSE(window->isVisible()) << "a card without a date would mislead";
    EXPECT_EQ(window->view(), nullptr);

    timelines.answer(timelineJsonNow());
    EXPECT_TRUE(window->isVisible());
    ASSERT_NE(window->view(), nullptr);
    EXPECT_EQ(window->view()->textOf(QStringLiteral("title")), QStringLiteral("Saturday"));
    EXPECT_EQ(host.shownEntry().date, gregorianInstant(2026, 12, 5));
    // Twelve hours to midnight, as the timer sees it.
    EXPECT_GT(host.msecsToNextEntry(), 12 * 3600 * 1000 - 60 * 1000);
    EXPECT_LE(host.msecsToNextEntry(), 12 * 3600 * 1000);

    QSignalSpy changes(&host, &HostController::entryChanged);
    env.setNow(gregorianInstant(2026, 12, 5, 23, 59));
    host.evaluate();
    EXPECT_EQ(changes.size(), 0);
    env.setNow(gregorianInstant(2026, 12, 6, 0, 0));
    host.evaluate();
    EXPECT_EQ(host.shownIndex(), 1u);
    EXPECT_EQ(window->view()->textOf(QStringLiteral("title")), QStringLiteral("Sunday"));

    // The machine slept for three days; the minute check finds the right day
    // without asking for another timeline.
    env.setNow(gregorianInstant(2026, 12, 9, 7, 30));
    host.evaluate();
    EXPECT_EQ(host.shownEntry().gregorianDate->day(), 9);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(timelines.asked, 1);
}

TEST_F(HostTest, AsksForTheNextTimelineAtTheEndAndOnTheApplicationsRequest)
{
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemMedium);
    HostController &host = window->controller();
    timelines.answer(timelineJsonNow());
    const platform::Instant last = host.timeline().entries.back().date;

    env.setNow(last - std::chrono::minutes(1));
    host.evaluate();
    EXPECT_EQ(timelines.asked, 1);
    env.setNow(last + std::chrono::hours(5));
    host.evaluate();
    EXPECT_EQ(timelines.asked, 2);
    // Until the answer comes, the last entry stays; one request at a time.
    host.evaluate();
    EXPECT_EQ(timelines.asked, 2);
    EXPECT_EQ(host.shownIndex(), 29u);
    timelines.answer(timelineJsonNow());
    EXPECT_EQ(host.shownIndex(), 0u);
    EXPECT_EQ(host.shownEntry().date, last);

    // What the settings screen does after the user steps the adjustment.
    env.suite()->setInteger(core::keys::adjustmentNumber, 2);
    platform::WidgetCenter::shared().reloadAllTimelines();
    for (int waited = 0; timelines.asked < 3 && waited < 10000; waited += 20)
        QTest::qWait(20);
    ASSERT_EQ(timelines.asked, 3) << "the reload request did not reach the host";
    // A second request while the first is out is asked again after it: the
    // first answer may predate the change.
    host.reloadTimeline();
    EXPECT_EQ(timelines.asked, 3);
    timelines.answer(timelineJsonNow());
    EXPECT_EQ(timelines.asked, 4);
    timelines.answer(timelineJsonNow());
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    const platform::Calendar islamic(platform::CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(host.shownEntry().hijriDate->day(),
              core::RGDate(*gregorian.dateByAddingDays(2, host.shownEntry().date), islamic).day());
    EXPECT_EQ(host.timelinesReceived(), 4);
}

TEST_F(HostTest, AFailedTimelineKeepsTheOneShownAndTheMinuteCheckAsksAgain)
{
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    HostController &host = window->controller();
    timelines.answer(timelineJsonNow());
    const QString shownDay = window->view()->textOf(QStringLiteral("hijriDay"));

    host.reloadTimeline();
    timelines.fail(QStringLiteral("the timeline command ended with status 1"));
    EXPECT_TRUE(host.hasTimeline());
    EXPECT_EQ(window->view()->textOf(QStringLiteral("hijriDay")), shownDay);
    EXPECT_TRUE(window->isVisible());

    host.evaluate(); // the minute check
    EXPECT_EQ(timelines.asked, 3);
    timelines.answer(timelineJsonNow());
    host.evaluate();
    EXPECT_EQ(timelines.asked, 3) << "a good answer ends the retries";
}

// A timeline made for another moment (a child whose clock or zone is not
// ours, or one kept through a long suspend) must not pass another day off as
// today: the card stays empty until a timeline for the present comes.
TEST_F(HostTest, ATimelineThatDoesNotCoverThePresentShowsNoDateAndIsAskedAgain)
{
    const platform::Instant present = gregorianInstant(2026, 12, 5, 12, 0);
    struct Row
    {
        const char *name;
        platform::Instant madeAt;
    };
    const Row rows[] = {
        {"made 40 days ago", gregorianInstant(2026, 10, 26, 9, 0)},
        {"made for tomorrow", gregorianInstant(2026, 12, 6, 0, 30)},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        timelines = {};
        env.setNow(row.madeAt);
        const QByteArray other = timelineJsonNow();
        env.setNow(present);
        auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
        timelines.answer(other);
        EXPECT_FALSE(window->controller().showsEntry());
        EXPECT_EQ(window->view(), nullptr);
        EXPECT_TRUE(window->isVisible()) << "an empty card the user can close";

        window->controller().evaluate();
        ASSERT_EQ(timelines.asked, 2);
        timelines.answer(timelineJsonNow());
        ASSERT_NE(window->view(), nullptr);
        EXPECT_EQ(window->view()->textOf(QStringLiteral("title")), QStringLiteral("Saturday"));
    }

    // Woken after the timeline in hand has run out: its last day is not today.
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    timelines.answer(timelineJsonNow());
    env.setNow(window->controller().timeline().endDate() + std::chrono::hours(3));
    window->controller().evaluate();
    EXPECT_EQ(window->view(), nullptr);
    EXPECT_EQ(timelines.pending.size(), 1u) << "a new timeline is asked for at once";
}

TEST_F(HostTest, WithoutAnyTimelineTheHostShowsAnEmptyCardAndKeepsAsking)
{
    auto window = makeWindow(WidgetKind::complex, WidgetFamily::systemMedium);
    timelines.fail(QStringLiteral("the timeline command did not start"));
    EXPECT_TRUE(window->isVisible()) << "the user could not close an invisible widget";
    EXPECT_EQ(window->view(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->controller().evaluate();
    EXPECT_EQ(timelines.asked, 2);
    timelines.answer(timelineJsonNow());
    ASSERT_NE(window->view(), nullptr);
}

// The real child path, with stand-in programs for the ways it goes wrong.
TEST_F(HostTest, TheChildSourceTurnsEveryFailureIntoAnErrorAndAGoodAnswerIntoATimeline)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("good.json"));
    {
        QFile f(good);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(timelineJsonNow());
    }
    const QString sh = QStringLiteral("/bin/sh");
    const struct
    {
        const char *name;
        QString program;
        QStringList arguments;
        bool succeeds;
        QString said = {};
    } cases[] = {
        {"good output", sh, {QStringLiteral("-c"), QStringLiteral("cat '%1'").arg(good)}, true},
        {"non-zero exit", sh, {QStringLiteral("-c"), QStringLiteral("cat '%1'; exit 3").arg(good)}, false},
        {"not JSON", sh, {QStringLiteral("-c"), QStringLiteral("echo '{\"entries\": ['")}, false},
        {"no entries",
         sh,
         {QStringLiteral("-c"), QStringLiteral("echo '{\"policy\":\"atEnd\",\"entries\":[]}'")},
         false},
        {"stuck", sh, {QStringLiteral("-c"), QStringLiteral("sleep 30")}, false},
        {"cannot start", dir.filePath(QStringLiteral("missing")), {}, false},
        // Stopped at the cap long before the time-out, not read into memory for ever.
        {"printing without end",
         sh,
         {QStringLiteral("-c"), QStringLiteral("yes")},
         false,
         QStringLiteral("printed more than")},
        // What it says reaches the log one line long and unable to drive a terminal.
        {"saying control characters",
         sh,
         {QStringLiteral("-c"), QStringLiteral("printf 'bad\\033[2J\\rworse\\n' >&2; exit 1")},
         false,
         QStringLiteral("status 1: bad\\x{1b}[2J\\rworse")},
    };
    QObject owner;
    for (const auto &c : cases) {
        auto source = widget::childTimelineSource(&owner, 1500, c.program, c.arguments);
        int replies = 0;
        widget::TimelineResult result;
        source({}, [&](widget::TimelineResult r) {
            ++replies;
            result = std::move(r);
        });
        for (int waited = 0; replies == 0 && waited < 8000; waited += 20)
            QTest::qWait(20);
        QTest::qWait(50);
        EXPECT_EQ(replies, 1) << c.name;
        EXPECT_EQ(result.timeline.has_value(), c.succeeds) << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(result.error.isEmpty(), c.succeeds) << c.name;
        EXPECT_TRUE(result.error.contains(c.said)) << c.name << ": " << result.error.toStdString();
        if (c.succeeds) {
            EXPECT_EQ(result.timeline->entries.size(), 30u);
        }
    }
}

TEST_F(HostTest, AWindowOnTheDesktopThatADragMovesAndANewHostPutsBackThere)
{
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    const Qt::WindowFlags flags = window->flags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnBottomHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_EQ(window->format().alphaBufferSize(), 8);
    EXPECT_EQ(window->title(), QStringLiteral("Qamarly Widget"));
    EXPECT_EQ(window->size(), QSize(170, 170));
    timelines.answer(timelineJsonNow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    const QPoint start = window->position();
    const QPoint grip(85, 85);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, grip);
    // The window follows the pointer, so the pointer ends over the same spot of it.
    QTest::mouseMove(window.get(), grip + QPoint(30, 20));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, grip);
    const QPoint left = window->position();
    EXPECT_EQ(left, start + QPoint(30, 20));

    QSettings ini(widget::HostPositions::defaultPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("simple.small.windowX")).toInt(), left.x());
    EXPECT_EQ(ini.value(QStringLiteral("simple.small.windowY")).toInt(), left.y());
    window.reset();

    auto again = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    EXPECT_EQ(again->position(), left);
    // A second widget of the same kind beside it has a place of its own,
    // and moving it leaves the first one's alone.
    timelines.answer(timelineJsonNow());
    auto second = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    timelines.answer(timelineJsonNow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(second.get()));
    EXPECT_FALSE(QRect(second->position(), second->size()).intersects(QRect(left, again->size())));
    QTest::mousePress(second.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(second.get(), grip + QPoint(-10, 40));
    QTest::mouseRelease(second.get(), Qt::LeftButton, {}, grip);
    const QPoint secondLeft = second->position();
    ini.sync();
    EXPECT_EQ(ini.value(QStringLiteral("simple.small.windowX")).toInt(), left.x());
    EXPECT_EQ(ini.value(QStringLiteral("simple.small.2.windowX")).toInt(), secondLeft.x());
    second.reset();
    EXPECT_EQ(makeWindow(WidgetKind::simple, WidgetFamily::systemSmall)->position(), secondLeft)
        << "a widget started again takes the free place it was left at";
    // Another kind keeps its own place.
    auto other = makeWindow(WidgetKind::complex, WidgetFamily::systemMedium);
    EXPECT_NE(other->position(), left);
    // The host keeps its places to itself: no suite appears.
    EXPECT_FALSE(QFile::exists(widget::HostPositions::oldSuitePath()));
    EXPECT_FALSE(core::sharedDefaults()->integer(QStringLiteral("simple.small.windowX")).has_value());
}

TEST_F(HostTest, PlacesLeftByAnEarlierVersionAreImportedOnceAndNeverAgain)
{
    {
        const auto old = platform::UserDefaults::open(widget::HostPositions::oldSuitePath());
        old->setInteger(QStringLiteral("simple.small.windowX"), 40);
        old->setInteger(QStringLiteral("simple.small.windowY"), 60);
        old->setInteger(QStringLiteral("complex.medium.windowX"), 300);
        ASSERT_TRUE(old->flush());
    }
    const widget::WidgetChoice simpleSmall = *widget::choiceFromId(QStringLiteral("simple.small"));
    const widget::WidgetChoice complexMedium = *widget::choiceFromId(QStringLiteral("complex.medium"));
    {
        widget::HostPositions positions;
        EXPECT_EQ(positions.position(simpleSmall), QPoint(40, 60));
        EXPECT_FALSE(positions.position(complexMedium)) << "half a position is none";
        EXPECT_TRUE(QFile::exists(widget::HostPositions::defaultPath()));
        auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall,
                                 std::make_shared<widget::HostPositions>());
        EXPECT_EQ(window->position(), QPoint(40, 60));
    }
    platform::UserDefaults::open(widget::HostPositions::oldSuitePath())
        ->setInteger(QStringLiteral("simple.small.windowX"), 99);
    widget::HostPositions later;
    EXPECT_EQ(later.position(simpleSmall), QPoint(40, 60));
}

TEST_F(HostTest, ASavedPlaceThatCannotBeWrittenIsReportedNotClaimed)
{
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly); // a file where the directory should be
    widget::HostPositions positions(blocked + QStringLiteral("/widget-host.conf"), QString());
    EXPECT_FALSE(positions.save(*widget::choiceFromId(QStringLiteral("simple.small")), QPoint(5, 5)));
}

// What may lie at the places file: a FIFO (whose open waits for a writer for
// good), a link to a device, a link to someone else's file.
TEST_F(HostTest, ThePlacesFileIsReadBoundedAndSavedBesideItNeverThroughALink)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("widget-host.conf"));
    const widget::WidgetChoice choice = *widget::choiceFromId(QStringLiteral("simple.small"));

    ASSERT_TRUE(testenv::makeFifo(path));
    std::optional<widget::HostPositions> opened;
    EXPECT_TRUE(testenv::finishesDespiteFifo<std::optional<widget::HostPositions>>(
        path, [&] { return std::optional<widget::HostPositions>(std::in_place, path, QString()); }, &opened))
        << "the host waits on a FIFO for its places";
    widget::HostPositions &positions = *opened;
    EXPECT_FALSE(positions.position(choice));
    ASSERT_TRUE(positions.save(choice, QPoint(7, 9)));
    EXPECT_EQ(widget::HostPositions(path, QString()).position(choice), QPoint(7, 9));

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    EXPECT_FALSE(widget::HostPositions(path, QString()).position(choice));

    const QString victim = dir.filePath(QStringLiteral("victim"));
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("someone else's\n");
    }
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(victim, path));
    ASSERT_TRUE(widget::HostPositions(path, QString()).save(choice, QPoint(3, 4)));
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("someone else's\n"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(widget::HostPositions(path, QString()).position(choice), QPoint(3, 4));
}

TEST_F(HostTest, TwoHostsSavingTheirPlacesKeepEachOthers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("widget-host.conf"));
    const widget::WidgetChoice simple = *widget::choiceFromId(QStringLiteral("simple.small"));
    const widget::WidgetChoice complex = *widget::choiceFromId(QStringLiteral("complex.medium"));
    widget::HostPositions first(path, QString());
    widget::HostPositions second(path, QString());
    ASSERT_TRUE(first.save(simple, QPoint(10, 20)));
    ASSERT_TRUE(second.save(complex, QPoint(-30, 40)));
    ASSERT_TRUE(first.save(simple, QPoint(11, 21)));
    const widget::HostPositions later(path, QString());
    EXPECT_EQ(later.position(simple), QPoint(11, 21));
    EXPECT_EQ(later.position(complex), QPoint(-30, 40));
    // Still the INI that earlier versions wrote and read.
    QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("complex.medium.windowX")).toInt(), -30);
}

TEST_F(HostTest, EachKindAndFamilyOpensAtItsOwnPlaceOnAFirstStart)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QList<QRect> placed;
    for (const widget::WidgetChoice &choice : widget::widgetChoices()) {
        auto window = makeWindow(choice.kind, choice.family);
        const QRect frame(window->position(), window->size());
        EXPECT_TRUE(area.contains(frame)) << choice.menuKey;
        for (const QRect &other : placed)
            EXPECT_FALSE(frame.intersects(other)) << choice.menuKey;
        placed << frame;
    }
    EXPECT_EQ(placed.size(), 3);
}

TEST_F(HostTest, RightClickAsksForTheMenuOnceAndTheHostActsOnTheAnswer)
{
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    timelines.answer(timelineJsonNow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    const QPoint click(100, 40);
    QTest::mouseClick(window.get(), Qt::RightButton, {}, click);
    ASSERT_EQ(menu.asked.size(), 1u);
    EXPECT_EQ(menu.asked[0].first, QStringLiteral("simple.small"));
    EXPECT_EQ(menu.asked[0].second, window->position() + click);
    // One menu at a time: more clicks and the menu key wait for its answer.
    QTest::mouseClick(window.get(), Qt::RightButton, {}, click);
    QTest::keyClick(window.get(), Qt::Key_Menu);
    EXPECT_EQ(menu.asked.size(), 1u);

    menu.choose(QStringLiteral("open"));
    EXPECT_EQ(applicationsOpened, 1);

    QTest::keyClick(window.get(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(menu.asked.size(), 2u);
    menu.choose(QString()); // dismissed
    EXPECT_EQ(window->kind(), WidgetKind::simple);

    // The same window becomes the other kind, at that kind's size, and asks
    // for a timeline for it.
    QTest::mouseClick(window.get(), Qt::RightButton, {}, click);
    menu.choose(QStringLiteral("complex.medium"));
    EXPECT_EQ(window->kind(), WidgetKind::complex);
    EXPECT_EQ(window->family(), WidgetFamily::systemMedium);
    EXPECT_EQ(window->size(), QSize(364, 170));
    EXPECT_EQ(timelines.asked, 2);
    EXPECT_FALSE(window->view()->textOf(QStringLiteral("gregorianDay")).isEmpty());
    timelines.answer(timelineJsonNow());

    QTest::mouseClick(window.get(), Qt::RightButton, {}, click);
    EXPECT_EQ(menu.asked.back().first, QStringLiteral("complex.medium"));
    menu.choose(QStringLiteral("close"));
    EXPECT_FALSE(window->isVisible());
    // A late timeline does not bring a closed widget back.
    window->controller().reloadTimeline();
    timelines.answer(timelineJsonNow());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(HostTest, AWidgetSwitchedToAnotherKindStaysInItsOwnPlaceNotOnTopOfThatKindsWidget)
{
    auto positions = std::make_shared<widget::HostPositions>();
    auto medium = makeWindow(WidgetKind::complex, WidgetFamily::systemMedium, positions);
    auto small = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall, positions);
    timelines.answer(timelineJsonNow());
    timelines.answer(timelineJsonNow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(small.get()));
    const QPoint grip(85, 85);
    QTest::mousePress(small.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(small.get(), grip + QPoint(-300, 50));
    QTest::mouseRelease(small.get(), Qt::LeftButton, {}, grip);
    const QPoint own = small->position();
    ASSERT_NE(own, medium->position());

    QTest::mouseClick(small.get(), Qt::RightButton, {}, grip);
    menu.choose(QStringLiteral("complex.medium"));
    EXPECT_EQ(small->family(), WidgetFamily::systemMedium);
    EXPECT_EQ(small->position(), own) << "it grows where it is";
    // Moved again, it remembers that place as its own, not the medium widget's.
    QTest::mousePress(small.get(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(small.get(), grip + QPoint(10, 10));
    QTest::mouseRelease(small.get(), Qt::LeftButton, {}, grip);
    const QPoint mediumPlace = medium->position();
    small.reset();
    medium.reset();
    auto reopened = makeWindow(WidgetKind::simple, WidgetFamily::systemSmall);
    EXPECT_EQ(reopened->position(), own + QPoint(10, 10));
    auto otherReopened = makeWindow(WidgetKind::complex, WidgetFamily::systemMedium);
    EXPECT_EQ(otherReopened->position(), mediumPlace);
}

TEST_F(HostTest, UnderArabicTheWidgetIsLaidOutRightToLeft)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    auto window = makeWindow(WidgetKind::simple, WidgetFamily::systemMedium);
    timelines.answer(timelineJsonNow());
    EXPECT_TRUE(window->isRightToLeft());
    // The numbers came with the timeline, in the locale's digits.
    const std::int64_t day = window->controller().shownEntry().hijriDate->day();
    EXPECT_EQ(window->view()->textOf(QStringLiteral("hijriDay")), core::localizedNumber(day));
    EXPECT_NE(window->view()->textOf(QStringLiteral("hijriDay")), QString::number(day));
}

} // namespace
