// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The hairline shadow under a filled panel.
#include "components/visual/EdgeShadowEffect.h"

#include <QImage>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A white page with a blue panel in it, the panel carrying `effect`.
struct Page
{
    QWidget page;
    QWidget *panel = new QWidget(&page);

    explicit Page(QGraphicsEffect *effect)
    {
        page.setAutoFillBackground(true);
        QPalette white = page.palette();
        white.setColor(QPalette::Window, Qt::white);
        page.setPalette(white);
        page.resize(100, 100);
        panel->setAutoFillBackground(true);
        QPalette blue = panel->palette();
        blue.setColor(QPalette::Window, QColor(0, 0, 255));
        panel->setPalette(blue);
        panel->setGeometry(10, 10, 80, 40);
        panel->setGraphicsEffect(effect);
    }
    QImage image() { return page.grab().toImage(); }
};

TEST(EdgeShadowEffect, DarkensTheRowsBelowThePanelFadingOutAndLeavesThePanelAsItIs)
{
    Page page(new components::EdgeShadowEffect(QColor(0, 0, 0, 77), QPointF(0, 1), 1));
    const QImage image = page.image();
    const int x = 50;
    EXPECT_EQ(image.pixelColor(x, 30), QColor(0, 0, 255)) << "the panel paints over its shadow";
    EXPECT_EQ(image.pixelColor(x, 49), QColor(0, 0, 255)) << "its last row too";
    const int first = image.pixelColor(x, 50).lightness();
    const int second = image.pixelColor(x, 51).lightness();
    const int clear = image.pixelColor(x, 52).lightness();
    EXPECT_LT(first, second) << "darkest right under the panel";
    EXPECT_LT(second, clear) << "then fading";
    EXPECT_EQ(clear, 255) << "and gone after the blur";
    EXPECT_EQ(image.pixelColor(x, 8).lightness(), 255) << "nothing above a shadow cast downward";
    EXPECT_EQ(image.pixelColor(x, 9).lightness(), 255);
    // Thirty per cent black over white, then half that.
    EXPECT_NEAR(first, 255 * 0.7, 4);
    EXPECT_NEAR(second, 255 * 0.85, 4);
}

TEST(EdgeShadowEffect, ItsBoundsCoverTheMovedAndBlurredRectangle)
{
    const components::EdgeShadowEffect shadow(Qt::black, QPointF(2, 3), 2);
    EXPECT_EQ(shadow.boundingRectFor(QRectF(0, 0, 10, 10)), QRectF(0, 0, 14, 15));
    const components::EdgeShadowEffect none(Qt::black, QPointF(0, 0), -4);
    EXPECT_EQ(none.blurRadius(), 0);
    EXPECT_EQ(none.boundingRectFor(QRectF(1, 1, 5, 5)), QRectF(1, 1, 5, 5));
}

} // namespace
