// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The carousel view: its containers, pointer, key and wheel input, hit-testing
// and drawing, on the offscreen platform with a manual clock.
#include "components/carousel/Carousel.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using components::Carousel;
using components::CarouselOption;
using components::CarouselType;
using components::ManualMediaClock;

namespace {

class Cards final : public components::CarouselDataSource, public components::CarouselDelegate
{
public:
    int count = 6;
    std::set<int> withoutView;
    int offeredForReuse = 0;
    std::vector<int> selected;

    int numberOfItemsInCarousel(Carousel *) override { return count; }
    QWidget *viewForItemAtIndex(Carousel *, int index, QWidget *reusingView) override
    {
        if (reusingView)
            ++offeredForReuse;
        if (withoutView.count(index))
            return nullptr;
        auto *card = new QLabel(QString::number(index));
        card->setAutoFillBackground(true);
        QPalette palette = card->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv((index * 50) % 360, 200, 220));
        card->setPalette(palette);
        card->resize(200, 300);
        return card;
    }
    double valueForOption(Carousel *, CarouselOption option, double withDefault) override
    {
        if (option == CarouselOption::wrap)
            return 0.0;
        if (option == CarouselOption::arc)
            return withDefault * 0.25;
        if (option == CarouselOption::spacing)
            return withDefault * 1.15;
        return withDefault;
    }
    void didSelectItemAtIndex(Carousel *, int index) override { selected.push_back(index); }
};

class CarouselViewTest : public ::testing::Test
{
protected:
    std::shared_ptr<ManualMediaClock> clock = std::make_shared<ManualMediaClock>();
    Cards cards;
    std::unique_ptr<Carousel> carousel;

    void make(int count, QSize size = QSize(400, 500))
    {
        cards.count = count;
        carousel = std::make_unique<Carousel>(nullptr, clock);
        carousel->resize(size);
        carousel->setType(CarouselType::rotary);
        carousel->setDelegate(&cards);
        carousel->setDataSource(&cards);
        carousel->layoutIfNeeded();
        settle();
    }

    void settle()
    {
        for (int i = 0; i < 2000 && carousel->isAnimating(); ++i)
            tick();
    }

    void tick()
    {
        clock->advance(1.0 / 60.0);
        carousel->step();
    }

    void mouse(QEvent::Type type, QPointF position, Qt::MouseButtons buttons)
    {
        QWidget *target = carousel->contentView();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, position, target->mapToGlobal(position), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }

    QPointF centre() const { return QPointF(carousel->width() / 2.0, carousel->height() / 2.0); }
};

TEST_F(CarouselViewTest, AnItemWithoutAViewShowsAnEmptyOneAndKeepsItsIndex)
{
    cards.withoutView = {0, 2};
    make(6);
    carousel->scrollToItemAtIndex(2, true);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 2);
    ASSERT_NE(carousel->itemViewAtIndex(2), nullptr);
    EXPECT_TRUE(carousel->itemViewAtIndex(2)->size().isEmpty());
    // The first real card gave the item width.
    EXPECT_DOUBLE_EQ(carousel->itemWidth(), 200.0);
    QImage frame(carousel->size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    carousel->render(&frame);
}

TEST_F(CarouselViewTest, TwentyNineItemsLoadTwelveViewsAndReuseTheOnesThatScrollOut)
{
    make(29, QSize(390, 700));
    carousel->scrollToItemAtIndex(28, true);
    while (carousel->isAnimating()) {
        tick();
        ASSERT_LE(carousel->visibleItemViews().size(), 12);
    }
    EXPECT_EQ(carousel->numberOfVisibleItems(), 12);
    const auto indexes = carousel->indexesForVisibleItems();
    ASSERT_EQ(indexes.size(), 12u);
    EXPECT_EQ(indexes.front(), 17);
    EXPECT_EQ(indexes.back(), 28);
    EXPECT_GT(cards.offeredForReuse, 0);
}

TEST_F(CarouselViewTest, ZeroThenOneThenManyItemsReloadWithoutLosingTheCurrentIndex)
{
    make(0);
    EXPECT_EQ(carousel->currentItemIndex(), -1);
    EXPECT_TRUE(carousel->visibleItemViews().isEmpty());
    QTest::keyClick(carousel.get(), Qt::Key_Right);
    QWheelEvent wheel(centre(), carousel->mapToGlobal(centre()), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(carousel.get(), &wheel);

    cards.count = 1;
    carousel->reloadData();
    carousel->layoutIfNeeded();
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 0);

    cards.count = 6;
    carousel->reloadData();
    carousel->layoutIfNeeded();
    carousel->scrollToItemAtIndex(4, false);
    cards.count = 6;
    carousel->reloadData();
    carousel->layoutIfNeeded();
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 4);
}

TEST_F(CarouselViewTest, ArrowKeysStepOneItemAndAddUpWhilePressedQuickly)
{
    make(6);
    QTest::keyClick(carousel.get(), Qt::Key_Right);
    tick();
    QTest::keyClick(carousel.get(), Qt::Key_Right);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 2);
    QTest::keyClick(carousel.get(), Qt::Key_Left);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    QTest::keyClick(carousel.get(), Qt::Key_Left);
    QTest::keyClick(carousel.get(), Qt::Key_Left);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 0);
}

TEST_F(CarouselViewTest, EachWheelNotchMovesOneItem)
{
    make(6);
    const auto roll = [&](int delta) {
        QWheelEvent wheel(centre(), carousel->mapToGlobal(centre()), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(carousel.get(), &wheel);
    };
    roll(-120);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    roll(-60); // half a notch does nothing yet
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    roll(-60);
    roll(240);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 0);
}

TEST_F(CarouselViewTest, AMouseDragMovesTheItemsAndAFastOneFlings)
{
    make(6);
    mouse(QEvent::MouseButtonPress, centre(), Qt::LeftButton);
    for (int step = 1; step <= 6; ++step) {
        clock->advance(0.01);
        mouse(QEvent::MouseMove, centre() - QPointF(step * 20, 0), Qt::LeftButton);
    }
    EXPECT_TRUE(carousel->isDragging());
    EXPECT_GT(carousel->scrollOffset(), 0.3);
    mouse(QEvent::MouseButtonRelease, centre() - QPointF(120, 0), Qt::NoButton);
    // 2000 points a second over 200-point items: ten items a second.
    EXPECT_TRUE(carousel->isDecelerating());
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 4);
    EXPECT_EQ(carousel->scrollOffset(), 4.0);
}

TEST_F(CarouselViewTest, ADragThatLeavesTheWindowEndsOnAnItem)
{
    make(6);
    mouse(QEvent::MouseButtonPress, centre(), Qt::LeftButton);
    clock->advance(0.05);
    mouse(QEvent::MouseMove, centre() - QPointF(50, 0), Qt::LeftButton);
    clock->advance(0.05);
    mouse(QEvent::MouseMove, QPointF(-900, -300), Qt::LeftButton);
    clock->advance(0.5);
    mouse(QEvent::MouseButtonRelease, QPointF(-900, -300), Qt::NoButton);
    settle();
    EXPECT_FALSE(carousel->isDragging());
    EXPECT_GE(carousel->currentItemIndex(), 0);
    EXPECT_LE(carousel->currentItemIndex(), 5);
    EXPECT_EQ(carousel->scrollOffset(), carousel->currentItemIndex());

    // The release is lost altogether: the next move without a button ends the drag.
    mouse(QEvent::MouseButtonPress, centre(), Qt::LeftButton);
    clock->advance(0.05);
    mouse(QEvent::MouseMove, centre() + QPointF(80, 0), Qt::LeftButton);
    clock->advance(0.5);
    mouse(QEvent::MouseMove, centre() + QPointF(80, 0), Qt::NoButton);
    EXPECT_FALSE(carousel->isDragging());
    settle();
    EXPECT_EQ(carousel->scrollOffset(), carousel->currentItemIndex());
}

TEST_F(CarouselViewTest, HidingTheCarouselInTheMiddleOfADragEndsIt)
{
    make(6);
    carousel->show();
    mouse(QEvent::MouseButtonPress, centre(), Qt::LeftButton);
    clock->advance(0.05);
    mouse(QEvent::MouseMove, centre() - QPointF(90, 0), Qt::LeftButton);
    ASSERT_TRUE(carousel->isDragging());
    carousel->hide();
    EXPECT_FALSE(carousel->isDragging());
    EXPECT_FALSE(carousel->isDecelerating());
    settle();
    EXPECT_EQ(carousel->scrollOffset(), carousel->currentItemIndex());
}

TEST_F(CarouselViewTest, HitTestingFindsTheFrontmostCardAndATapCentresASideCard)
{
    make(6);
    EXPECT_EQ(carousel->itemViewAtPoint(centre()), carousel->currentItemView());
    EXPECT_EQ(carousel->itemViewAtPoint(QPointF(2, 2)), nullptr);
    // The neighbour's visible strip lies right of the front card.
    const QPointF strip = carousel->containerTransform(1).map(QPointF(190, 150));
    ASSERT_EQ(carousel->indexOfItemView(carousel->itemViewAtPoint(strip)), 1);
    mouse(QEvent::MouseButtonPress, strip, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, strip, Qt::NoButton);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 1);
    EXPECT_EQ(cards.selected, std::vector<int>{1});
}

TEST_F(CarouselViewTest, ResizingWhileScrollingKeepsTheTarget)
{
    make(6);
    carousel->scrollToItemAtIndex(4, true);
    for (int i = 0; i < 10; ++i)
        tick();
    carousel->resize(700, 300);
    EXPECT_TRUE(carousel->isScrolling());
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 4);
    carousel->resize(10, 10);
    settle();
    EXPECT_EQ(carousel->currentItemIndex(), 4);
}

TEST_F(CarouselViewTest, TheFrontCardIsDrawnFullSizeAndItsNeighbourSmallerBehindIt)
{
    make(6);
    QImage frame(carousel->size(), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    carousel->paintItems(painter);
    painter.end();
    EXPECT_EQ(frame.pixel(centre().toPoint()), QColor::fromHsv(0, 200, 220).rgb());
    // The front card spans 200 points; its neighbour's visible part is scaled down.
    const QRectF neighbour = carousel->containerTransform(1).mapRect(QRectF(0, 0, 200, 300));
    EXPECT_LT(neighbour.width(), 200.0);
    EXPECT_GT(neighbour.right(), centre().x() + 100);
    EXPECT_EQ(frame.pixel(QPoint(qRound(neighbour.left()) + 5, qRound(neighbour.center().y()))),
              QColor::fromHsv(50, 200, 220).rgb());
    EXPECT_EQ(carousel->stackingOrder().back(), 0);
}

} // namespace
