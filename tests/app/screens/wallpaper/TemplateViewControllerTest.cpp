// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The decorative template screen as the gallery shows it: rounded panels
// over a purple-to-blue gradient, with an occasion card on top.
#include "app/screens/wallpaper/TemplateViewController.h"

#include "app/screens/ScreenTestSupport.h"
#include "app/screens/occasions/EventView.h"
#include "support/WindowInput.h"
#include "ui_EventView.h"
#include "ui_TemplateViewController.h"

#include <QDir>
#include <gtest/gtest.h>

using app::wallpaper::TemplateViewController;

namespace {

int colourDistance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

TEST(TemplateScreenTest, PanelsAreRoundedOverAGradientAndTheCardShowsTheEighth)
{
    screentest::ScreenWorld world;
    TemplateViewController screen;
    screen.resize(420, 760);
    ASSERT_TRUE(windowinput::showAndExpose(&screen));

    auto &ui = screen.outlets();
    for (QWidget *panel : {static_cast<QWidget *>(ui.blurView), static_cast<QWidget *>(ui.midView),
                           static_cast<QWidget *>(ui.smallView)}) {
        SCOPED_TRACE(panel->objectName().toStdString());
        const QRegion mask = panel->mask();
        ASSERT_FALSE(mask.isEmpty());
        // Clipped at the corners, whole along the edges' middles.
        EXPECT_FALSE(mask.contains(QPoint(0, 0)));
        EXPECT_FALSE(mask.contains(QPoint(panel->width() - 1, panel->height() - 1)));
        EXPECT_TRUE(mask.contains(QPoint(panel->width() / 2, 0)));
        EXPECT_TRUE(mask.contains(QPoint(0, panel->height() / 2)));
    }

    // Left to right, from the purple to the blue (read beside the panels).
    const QImage background = ui.bgView->grab().toImage();
    const int y = 10;
    EXPECT_LT(colourDistance(background.pixelColor(1, y), TemplateViewController::flatPurpleDark), 12);
    EXPECT_LT(colourDistance(background.pixelColor(background.width() - 2, y),
                             TemplateViewController::flatBlueDark),
              12);
    EXPECT_EQ(background.pixelColor(1, y), background.pixelColor(1, background.height() - 2));

    app::occasions::EventView *card = screen.eventView();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->outlets().dayLabel->text(), QStringLiteral("8"));
    EXPECT_TRUE(windowinput::reaches(card));

    const QString dir = qEnvironmentVariable("QAMARLY_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        screen.grab().save(QDir(dir).filePath(QStringLiteral("template.png")));
}

} // namespace
