// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The carousel's arithmetic and motion, driven by a manual clock and a host
// without views.
#include "FakeCarouselHost.h"

#include <cmath>
#include <gtest/gtest.h>

using components::CarouselEngine;
using components::CarouselOption;
using components::CarouselType;
using components::ManualMediaClock;

namespace {

constexpr double frame = 1.0 / 60.0;

// The options the two screens answer: no wrap, a fraction of the full arc, a little more spacing.
auto screenOptions(double arcScale, double spacingScale)
{
    return [arcScale, spacingScale](CarouselOption option, double value) {
        if (option == CarouselOption::wrap)
            return 0.0;
        if (option == CarouselOption::arc)
            return value * arcScale;
        if (option == CarouselOption::spacing)
            return value * spacingScale;
        return value;
    };
}

class CarouselEngineTest : public ::testing::Test
{
protected:
    std::shared_ptr<ManualMediaClock> clock = std::make_shared<ManualMediaClock>();
    carouseltest::FakeCarouselHost host;
    CarouselEngine engine{host, clock};

    // Occasions-like: six cards 200 wide in a 400-wide rotary carousel.
    void load(int items, double arcScale = 0.25, double spacingScale = 1.15)
    {
        host.options = screenOptions(arcScale, spacingScale);
        engine.setType(CarouselType::rotary);
        host.items = items;
        engine.reloadData();
        engine.layOutItemViews();
        settle();
        host.log.clear();
    }

    // Ticks at 60 Hz until the engine stops its timer; returns the ticks run.
    int settle(int limit = 2000)
    {
        int ticks = 0;
        while (engine.timerRunning() && ticks < limit) {
            clock->advance(frame);
            engine.step();
            ++ticks;
        }
        return ticks;
    }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            clock->advance(frame);
            engine.step();
        }
    }

    // A drag from translation 0 to `to` points, with the finger's speed at the end.
    void drag(double to, double velocity)
    {
        engine.touchOffered();
        engine.panBegan(0.0);
        clock->advance(frame);
        engine.panChanged(to, velocity);
        engine.panEnded();
    }
};

TEST_F(CarouselEngineTest, WithNoItemsBothClampsGiveMinusOneAndNothingLoads)
{
    load(0);
    EXPECT_EQ(engine.clampedIndex(3), -1);
    EXPECT_EQ(engine.clampedOffset(2.0), -1.0);
    EXPECT_EQ(engine.currentItemIndex(), -1);
    EXPECT_TRUE(host.loaded.empty());
    // Touches on an empty carousel neither drag nor fail.
    drag(-300, -2000);
    engine.tapped(-1);
    settle();
    EXPECT_FALSE(host.logged("willBeginDragging"));
    EXPECT_EQ(engine.currentItemIndex(), -1);
}

TEST_F(CarouselEngineTest, CurrentIndexRoundsHalfAwayFromZeroThenClamps)
{
    load(5);
    engine.setScrollOffset(2.5);
    EXPECT_EQ(engine.currentItemIndex(), 3);
    engine.setScrollOffset(-0.5);
    EXPECT_EQ(engine.currentItemIndex(), 0);
    engine.setScrollOffset(3.49);
    EXPECT_EQ(engine.currentItemIndex(), 3);
    EXPECT_EQ(engine.clampedIndex(9), 4);
    EXPECT_EQ(engine.clampedIndex(-3), 0);
    EXPECT_EQ(engine.clampedOffset(7.5), 4.0);
}

TEST_F(CarouselEngineTest, WrappingFoldsIndexesOffsetsAndDistancesRoundTheRing)
{
    host.options = nullptr; // the rotary default wraps
    engine.setType(CarouselType::rotary);
    host.items = 5;
    engine.reloadData();
    engine.layOutItemViews();
    settle();
    ASSERT_TRUE(engine.wrapEnabled());
    EXPECT_EQ(engine.clampedIndex(-1), 4);
    EXPECT_EQ(engine.clampedIndex(7), 2);
    EXPECT_DOUBLE_EQ(engine.clampedOffset(-0.5), 4.5);
    EXPECT_DOUBLE_EQ(engine.offsetForItemAtIndex(4), -1.0);
    EXPECT_EQ(engine.minScrollDistanceFromIndex(0, 4), -1);
    EXPECT_EQ(engine.minScrollDistanceFromIndex(4, 0), 1);
    EXPECT_EQ(engine.minScrollDistanceFromIndex(0, 2), 2);
}

TEST_F(CarouselEngineTest, TwentyNineWallpapersKeepTwelveViewsAndEndInsideTheLastWindow)
{
    // A phone-wide carousel with cards of width / 1.9 and the wallpaper screen's options.
    host.size = QSizeF(390, 844);
    host.itemSize = QSizeF(390 / 1.9, 500);
    load(29, 0.35, 1.2);
    EXPECT_EQ(engine.circularItemCount(), 12);
    EXPECT_EQ(engine.numberOfVisibleItems(), 12);
    EXPECT_EQ(host.loaded, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

    engine.scrollToItemAtIndex(28, true);
    while (engine.timerRunning()) {
        tick();
        ASSERT_LE(host.loaded.size(), 12u);
        ASSERT_GE(*host.loaded.begin(), 0);
        ASSERT_LE(*host.loaded.rbegin(), 28);
    }
    EXPECT_EQ(engine.currentItemIndex(), 28);
    EXPECT_EQ(host.loaded.size(), 12u);
    EXPECT_EQ(*host.loaded.begin(), 17);
    EXPECT_EQ(*host.loaded.rbegin(), 28);
    EXPECT_LE(host.mostLoaded, 12u);
}

TEST_F(CarouselEngineTest, RotaryPlacementPutsTheCurrentItemInFrontAndNeighboursOnTheRing)
{
    load(6);
    // Six 200-wide items 1.15 apart on a quarter turn stand 15 degrees apart on a
    // ring of radius 115 / tan(7.5 degrees) = 873.51: the neighbour sits 226.08
    // to the side and 29.76 back.
    const auto *centre = engine.placementOf(0);
    const auto *neighbour = engine.placementOf(1);
    ASSERT_TRUE(centre && neighbour);
    EXPECT_DOUBLE_EQ(centre->transform.at(3, 4), -0.002);
    EXPECT_NEAR(centre->transform.at(4, 1), 0.0, 1e-9);
    EXPECT_NEAR(centre->transform.at(4, 3), 0.0, 1e-9);
    EXPECT_NEAR(neighbour->transform.at(4, 1), 226.08, 0.01);
    EXPECT_NEAR(neighbour->transform.at(4, 3), -29.76, 0.01);
    // Farther items shrink under the perspective divide.
    const QPointF edge = neighbour->transform.project(100, 0);
    const QPointF middle = neighbour->transform.project(0, 0);
    EXPECT_LT(edge.x() - middle.x(), 100.0);
    EXPECT_TRUE(centre->takesTouches);
    EXPECT_FALSE(neighbour->takesTouches);
    EXPECT_EQ(centre->opacity, 1.0);
    // Depth order: the deepest first, the current item last (on top).
    EXPECT_EQ(host.order, (std::vector<int>{5, 4, 3, 2, 1, 0}));
}

TEST_F(CarouselEngineTest, SlowReleaseSettlesOnTheNearestItemInFourTenths)
{
    load(6);
    drag(-60, -100); // 0.3 items, half an item per second
    EXPECT_FALSE(engine.isDecelerating());
    EXPECT_TRUE(engine.isScrolling());
    EXPECT_DOUBLE_EQ(engine.scrollDuration(), 0.4);
    EXPECT_DOUBLE_EQ(engine.endOffset(), 0.0);
    const int ticks = settle();
    EXPECT_NEAR(ticks, 0.4 / frame, 2);
    EXPECT_EQ(engine.scrollOffset(), 0.0);
    EXPECT_EQ(host.events(), (std::vector<std::string>{"willBeginDragging", "didEndDragging",
                                                       "willBeginScrolling", "didEndScrolling"}));

    // Past the half way the next item is the nearest.
    drag(-120, -100);
    settle();
    EXPECT_EQ(engine.currentItemIndex(), 1);
    EXPECT_EQ(engine.scrollOffset(), 1.0);
}

TEST_F(CarouselEngineTest, FastReleaseDeceleratesAThirdOfItsSpeedAndEndsOnAWholeItem)
{
    load(6);
    drag(-60, -1000); // 0.3 items, five items per second
    EXPECT_TRUE(engine.isDecelerating());
    // 0.3 + 5/3 = 1.97, rounded up to the next item.
    EXPECT_DOUBLE_EQ(engine.endOffset(), 2.0);
    double previous = engine.scrollOffset();
    while (engine.isDecelerating()) {
        tick();
        ASSERT_GE(engine.scrollOffset(), previous);
        previous = engine.scrollOffset();
    }
    settle();
    EXPECT_EQ(engine.scrollOffset(), 2.0);
    EXPECT_EQ(engine.currentItemIndex(), 2);
    EXPECT_EQ(host.events(),
              (std::vector<std::string>{"willBeginDragging", "didEndDragging(decelerate)",
                                        "willBeginDecelerating", "indexChanged", "didEndDecelerating",
                                        "willBeginScrolling", "didEndScrolling"}));
}

TEST_F(CarouselEngineTest, ReleaseExactlyOnAnItemStillRunsAShortSettleThatEnds)
{
    load(6);
    drag(-200, 0); // exactly one item
    EXPECT_TRUE(engine.isScrolling());
    EXPECT_DOUBLE_EQ(engine.scrollDuration(), 0.01);
    tick();
    EXPECT_FALSE(engine.isScrolling());
    EXPECT_TRUE(host.logged("didEndScrolling"));
    EXPECT_EQ(engine.currentItemIndex(), 1);
}

TEST_F(CarouselEngineTest, ScrollWithoutAnimationReportsTheIndexButNoScrollingAnimation)
{
    load(6);
    engine.scrollToItemAtIndex(3, false);
    settle();
    EXPECT_EQ(engine.currentItemIndex(), 3);
    EXPECT_TRUE(host.logged("indexChanged"));
    EXPECT_FALSE(host.logged("willBeginScrolling"));
    EXPECT_FALSE(host.logged("didEndScrolling"));
}

TEST_F(CarouselEngineTest, EveryIdleLayoutPassRunsAZeroLengthScrollThatEnds)
{
    load(6);
    engine.setScrollOffset(2.0);
    host.log.clear();
    engine.layOutItemViews();
    EXPECT_EQ(host.events(), (std::vector<std::string>{"willBeginScrolling"}));
    const int ticks = settle();
    EXPECT_GE(ticks, 24);
    EXPECT_EQ(engine.scrollOffset(), 2.0);
    EXPECT_EQ(host.events(), (std::vector<std::string>{"willBeginScrolling", "didEndScrolling"}));
}

TEST_F(CarouselEngineTest, DraggingPastTheFirstItemResistsStopsOneItemOutAndSpringsBack)
{
    load(6);
    engine.touchOffered();
    engine.panBegan(0);
    engine.panChanged(100, 0);
    EXPECT_DOUBLE_EQ(engine.scrollOffset(), -0.5);
    engine.panChanged(200, 0); // half the resistance now
    EXPECT_DOUBLE_EQ(engine.scrollOffset(), -0.75);
    engine.panChanged(1000, 0);
    engine.panChanged(5000, 0);
    EXPECT_DOUBLE_EQ(engine.scrollOffset(), -1.0);
    engine.panEnded();
    settle();
    EXPECT_EQ(engine.scrollOffset(), 0.0);
    EXPECT_EQ(engine.currentItemIndex(), 0);
}

TEST_F(CarouselEngineTest, DraggingPastTheLastItemResistsStopsOneItemOutAndSpringsBack)
{
    load(6);
    engine.scrollToItemAtIndex(5, false);
    engine.touchOffered();
    engine.panBegan(0);
    for (double x = -50; x >= -3000; x -= 50) {
        engine.panChanged(x, 0);
        ASSERT_LE(engine.scrollOffset(), 6.0);
    }
    EXPECT_GT(engine.scrollOffset(), 5.5);
    engine.panEnded();
    settle();
    EXPECT_EQ(engine.scrollOffset(), 5.0);
}

TEST_F(CarouselEngineTest, AFlingTowardsAnEndStaysBetweenItsStartAndTheLimitThenSpringsBack)
{
    load(6);
    drag(-60, 3000); // from 0.3 backwards at fifteen items per second
    ASSERT_TRUE(engine.isDecelerating());
    EXPECT_DOUBLE_EQ(engine.endOffset(), -1.0);
    double previous = engine.scrollOffset();
    while (engine.isDecelerating()) {
        tick();
        ASSERT_LE(engine.scrollOffset(), previous);
        ASSERT_GE(engine.scrollOffset(), -1.0);
        previous = engine.scrollOffset();
    }
    settle();
    EXPECT_EQ(engine.scrollOffset(), 0.0);
}

TEST_F(CarouselEngineTest, OneItemSpringsBackFromEveryDragAndFling)
{
    load(1);
    drag(150, 0);
    settle();
    EXPECT_EQ(engine.scrollOffset(), 0.0);
    drag(-100, -2000);
    settle();
    EXPECT_EQ(engine.scrollOffset(), 0.0);
    EXPECT_EQ(engine.currentItemIndex(), 0);
}

TEST_F(CarouselEngineTest, TappingASideItemCentresAndSelectsIt)
{
    load(6);
    engine.tapped(2);
    EXPECT_EQ(host.events(), (std::vector<std::string>{"willBeginScrolling", "didSelect 2"}));
    settle();
    EXPECT_EQ(engine.currentItemIndex(), 2);

    host.log.clear();
    host.selectable = [](int) { return false; };
    engine.tapped(4);
    settle();
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(engine.currentItemIndex(), 2);
}

TEST_F(CarouselEngineTest, ATouchStopsAScrollAndATapBesideTheItemsSettlesAgain)
{
    load(6);
    engine.scrollToItemAtIndex(4, true);
    tick(10);
    engine.touchOffered();
    EXPECT_FALSE(engine.isScrolling());
    const double stoppedAt = engine.scrollOffset();
    tick(5);
    EXPECT_EQ(engine.scrollOffset(), stoppedAt);
    engine.tapped(-1);
    settle();
    EXPECT_EQ(engine.scrollOffset(), std::round(stoppedAt));
}

TEST_F(CarouselEngineTest, ResizingDuringAScrollKeepsItsTargetAndReportsItsEndOnce)
{
    load(6);
    engine.scrollToItemAtIndex(5, true);
    tick(8);
    host.size = QSizeF(900, 700);
    engine.layOutItemViews();
    EXPECT_TRUE(engine.isScrolling());
    settle();
    EXPECT_EQ(engine.currentItemIndex(), 5);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "didEndScrolling"), 1);
}

TEST_F(CarouselEngineTest, ScrollingByItemsMovesFromTheNearestBoundary)
{
    load(6);
    engine.setScrollOffset(1.4);
    engine.scrollByNumberOfItems(2, 0.4);
    EXPECT_DOUBLE_EQ(engine.endOffset(), 3.0);
    settle();
    engine.scrollByNumberOfItems(-1, 0.0);
    EXPECT_EQ(engine.currentItemIndex(), 2);
    engine.scrollByNumberOfItems(10, 0.4);
    EXPECT_DOUBLE_EQ(engine.endOffset(), 5.0);
}

} // namespace

namespace {

TEST_F(CarouselEngineTest, PlaceholdersFillTheSlotsBeyondBothEndsWithoutWrapping)
{
    host.options = [](CarouselOption option, double value) {
        return option == CarouselOption::visibleItems ? 5.0 : value;
    };
    host.items = 3;
    host.placeholders = 2;
    engine.reloadData();
    engine.layOutItemViews();
    settle();
    EXPECT_EQ(engine.numberOfVisibleItems(), 5);
    EXPECT_EQ(host.loaded, (std::set<int>{-1, 0, 1, 2, 3}));
    engine.tapped(3); // a placeholder is not an item: settle instead of selecting
    settle();
    EXPECT_FALSE(host.logged("didSelect 3"));
}

TEST_F(CarouselEngineTest, AutoscrollMovesBackwardsAtItsSpeedUntilTheStart)
{
    load(6);
    engine.setScrollOffset(3.0);
    engine.setAutoscroll(1.0);
    tick(60);
    EXPECT_NEAR(engine.scrollOffset(), 2.0, 1e-6);
    tick(600);
    EXPECT_EQ(engine.scrollOffset(), 0.0);
    EXPECT_TRUE(engine.timerRunning());
    engine.setAutoscroll(0.0);
    settle();
    EXPECT_FALSE(engine.timerRunning());
}

} // namespace
