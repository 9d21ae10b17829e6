// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace app::wallpaper {

// One wallpaper of the chooser: the image with rounded corners, lifted off
// the screen by a soft shadow below it. The widget is larger than the card by
// `shadowMargin` on every side so the shadow has room; the card sits centred.
class WallpaperCard : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 5;
    static constexpr qreal shadowBlurRadius = 20;
    static constexpr int shadowOffsetY = 6;
    static constexpr qreal shadowOpacity = 0.5;
    static constexpr int shadowMargin = static_cast<int>(shadowBlurRadius) + shadowOffsetY;

    WallpaperCard(const QString &assetName, QSize cardSize, QWidget *parent = nullptr);

    QString assetName() const { return assetName_; }
    QSize cardSize() const { return cardSize_; }
    // Where the card itself lies in the widget.
    QRect cardRect() const;

    // The screen the cards are sized from, read once per process on first
    // use: the window `screen` lies in (the usual window before it is laid
    // out), no larger than a tall phone, since a wide desktop window would
    // make the upright wallpapers into wide, cropped strips.
    static QSize screenSize(const QWidget *screen);
    // A card is 1/1.9 of the screen's width and 40% of its height.
    static QSize cardSizeFor(QSize screen);

    // The drawn card with its shadow, made once per asset and size.
    static QPixmap renderedCard(const QString &assetName, QSize cardSize, qreal devicePixelRatio);
    static int renderedCardCount();
    static void clearRenderedCards();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString assetName_;
    QSize cardSize_;
};

} // namespace app::wallpaper
