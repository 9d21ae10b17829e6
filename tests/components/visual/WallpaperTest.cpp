// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The image assets, the wallpaper backdrop and the round button.
#include "components/visual/CircledButton.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "platform/bundle/ImageAssets.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using components::CircledButton;
using components::WallpaperBackground;

namespace {

double meanLightness(const QImage &image)
{
    const QImage small = image.scaled(36, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            sum += QColor(small.pixel(x, y)).lightnessF();
    return sum / (small.width() * small.height());
}

} // namespace

TEST(ImageAssets, AllTwentyNineWallpapersArePortraitAndDarkEnoughForWhiteText)
{
    for (int index = 0; index <= core::GlobalSettings::wallpaperMaxIndex; ++index) {
        const QString name = core::GlobalSettings::wallpaperAssetName(index);
        ASSERT_TRUE(platform::ImageAssets::contains(name)) << name.toStdString();
        const QImage image(platform::ImageAssets::resourcePath(name));
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_GT(image.height(), image.width());
        EXPECT_LT(meanLightness(image), 0.4) << name.toStdString();
    }
    EXPECT_FALSE(platform::ImageAssets::contains(QStringLiteral("wallpaper-29")));
}

TEST(ImageAssets, TheSpeechBubblesAreMirrorImagesOfEachOther)
{
    const QImage english(platform::ImageAssets::resourcePath(QStringLiteral("buble-en")));
    const QImage arabic(platform::ImageAssets::resourcePath(QStringLiteral("buble-ar")));
    ASSERT_FALSE(english.isNull());
    ASSERT_FALSE(arabic.isNull());
    EXPECT_TRUE(english.hasAlphaChannel());
    EXPECT_NE(english, arabic);
    EXPECT_EQ(english.mirrored(true, false).convertToFormat(QImage::Format_ARGB32),
              arabic.convertToFormat(QImage::Format_ARGB32));
}

TEST(WallpaperBackground, ShowsTheImageItIsGivenAndFillsTheScreenItIsInstalledOn)
{
    QWidget screen;
    screen.resize(300, 500);
    auto *background = WallpaperBackground::install(&screen);
    EXPECT_EQ(background->imageName(), QString()) << "no image until one is given";
    background->setImageName(QStringLiteral("wallpaper-3"));
    screen.show();
    EXPECT_EQ(background->imageName(), QStringLiteral("wallpaper-3"));
    EXPECT_EQ(background->geometry(), screen.rect());

    screen.resize(320, 240);
    EXPECT_EQ(background->geometry(), QRect(0, 0, 320, 240));
    auto *later = new QWidget(&screen);
    EXPECT_EQ(screen.children().indexOf(background), 0) << "stays below children added later";
    Q_UNUSED(later);

    background->setImageName(QStringLiteral("wallpaper-4"));
    EXPECT_EQ(background->imageName(), QStringLiteral("wallpaper-4"));

    // Painted scaled to cover, so no edge is left unpainted.
    const QImage painted = background->grab().toImage();
    const QPixmap expected =
        WallpaperBackground::wallpaperPixmap(QStringLiteral("wallpaper-4"), QSize(320, 240));
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(painted.pixel(0, 0), expected.toImage().pixel(0, 0));
    EXPECT_EQ(painted.pixel(319, 239), expected.toImage().pixel(319, 239));
}

TEST(WallpaperBackground, AMissingAssetPaintsADarkGradientInstead)
{
    WallpaperBackground background;
    background.setImageName(QStringLiteral("wallpaper-40"));
    background.resize(50, 80);
    const QImage painted = background.grab().toImage();
    EXPECT_LT(QColor(painted.pixel(25, 40)).lightnessF(), 0.3);
    EXPECT_TRUE(WallpaperBackground::wallpaperPixmap(QStringLiteral("wallpaper-40"), QSize(50, 80)).isNull());
}

TEST(CircledButton, OnlyTheCircleAnswersClicks)
{
    CircledButton button(QStringLiteral("+1"));
    button.resize(60, 60);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3)); // corner outside the circle
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.sizeHint().width(), button.sizeHint().height());
}
