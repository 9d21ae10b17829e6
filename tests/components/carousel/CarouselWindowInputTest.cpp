// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The carousel inside a top-level window, driven at window coordinates: drags,
// flings, taps and the wheel reach it only as the window hands them on.
#include "components/carousel/Carousel.h"
#include "support/WindowInput.h"

#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using components::Carousel;
using components::CarouselOption;
using components::CarouselType;
namespace input = windowinput;

namespace {

class Cards final : public components::CarouselDataSource, public components::CarouselDelegate
{
public:
    std::vector<int> selected;
    int endedDragging = 0;

    int numberOfItemsInCarousel(Carousel *) override { return 6; }
    QWidget *viewForItemAtIndex(Carousel *, int index, QWidget *) override
    {
        auto *card = new QLabel(QString::number(index));
        card->setAutoFillBackground(true);
        card->resize(200, 300);
        return card;
    }
    double valueForOption(Carousel *, CarouselOption option, double withDefault) override
    {
        if (option == CarouselOption::wrap)
            return 0.0;
        if (option == CarouselOption::arc)
            return withDefault * 0.25;
        return withDefault;
    }
    void didSelectItemAtIndex(Carousel *, int index) override { selected.push_back(index); }
    void carouselDidEndDragging(Carousel *, bool) override { ++endedDragging; }
};

class CarouselThroughWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(400, 560);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 30, 0, 30);
        carousel = new Carousel(&window, clock);
        layout->addWidget(carousel);
        carousel->setType(CarouselType::rotary);
        carousel->setDelegate(&cards);
        carousel->setDataSource(&cards);
        ASSERT_TRUE(input::showAndExpose(&window));
        carousel->layoutIfNeeded();
        settle();
    }

    void settle()
    {
        for (int i = 0; i < 2000 && carousel->isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel->step();
        }
    }
    QPoint centre() const { return carousel->rect().center(); }
    // The middle of the part of item `index` in sight, along the middle line.
    QPoint pointOn(int index) const
    {
        int first = -1;
        int last = -1;
        const int y = carousel->height() / 2;
        for (int x = 0; x < carousel->width(); ++x) {
            if (carousel->itemViewAtPoint(QPointF(x, y)) == carousel->itemViewAtIndex(index)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        EXPECT_GE(first, 0) << "item " << index << " is not in sight";
        return QPoint((first + last) / 2, y);
    }

    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    Cards cards;
    QWidget window;
    Carousel *carousel = nullptr;
};

TEST_F(CarouselThroughWindow, ASlowDragSettlesOnTheNearestItem)
{
    // 1.2 items to the left in a second: no fling, the nearest item is 1.
    input::drag(carousel, centre(), centre() - QPoint(240, 0), 20, [this] { clock->advance(0.05); });
    EXPECT_EQ(cards.endedDragging, 1);
    EXPECT_FALSE(carousel->isDecelerating());
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    EXPECT_DOUBLE_EQ(carousel->scrollOffset(), 1.0);
}

TEST_F(CarouselThroughWindow, AQuickFlickDeceleratesAndEndsOnAWholeItem)
{
    input::drag(carousel, centre() + QPoint(120, 0), centre() - QPoint(120, 0), 6,
                [this] { clock->advance(1.0 / 60.0); });
    EXPECT_TRUE(carousel->isDecelerating());
    settle();
    EXPECT_GE(carousel->currentItemIndex(), 2);
    EXPECT_DOUBLE_EQ(carousel->scrollOffset(), double(carousel->currentItemIndex()));
}

TEST_F(CarouselThroughWindow, ADragPastTheFirstItemSpringsBack)
{
    input::drag(carousel, centre() - QPoint(150, 0), centre() + QPoint(150, 0), 20,
                [this] { clock->advance(0.05); });
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 0);
    EXPECT_DOUBLE_EQ(carousel->scrollOffset(), 0.0);
}

TEST_F(CarouselThroughWindow, AClickOnASideItemSelectsAndCentresIt)
{
    input::click(carousel, pointOn(1));
    settle();
    EXPECT_EQ(cards.selected, std::vector<int>{1});
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    // The current item takes a click too, and stays.
    input::click(carousel, centre());
    settle();
    EXPECT_EQ(cards.selected, (std::vector<int>{1, 1}));
    EXPECT_EQ(carousel->currentItemIndex(), 1);
}

TEST_F(CarouselThroughWindow, EachWheelNotchTurnsOneItem)
{
    input::wheelNotches(carousel, -2);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 2);
    input::wheelNotches(carousel, 1);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    // Half notches of a fine wheel add up to one.
    input::wheel(carousel, QPoint(0, -60));
    input::wheel(carousel, QPoint(0, -60));
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 2);
}

} // namespace
