// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/wallpaper/WallpaperCard.h"

#include "components/visual/WallpaperBackground.h"

#include <QApplication>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace app::wallpaper {

namespace {
constexpr double wallpaperCardWidthDivisor = 1.9;
constexpr double cardHeightShare = 0.4;
// The application's window as it first opens, for a screen not laid out yet.
const QSize usualScreen(420, 760);
// A tall phone: the wallpapers are upright images.
const QSize largestScreen(560, 1000);

using CardKey = std::tuple<QString, int, int, qreal>;
std::map<CardKey, QPixmap> &cardCache()
{
    static std::map<CardKey, QPixmap> cache;
    return cache;
}

QPainterPath roundedCard(QRectF rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, WallpaperCard::cornerRadius, WallpaperCard::cornerRadius);
    return path;
}

// The card's silhouette, black at the shadow's opacity, blurred.
QImage shadowImage(QSize canvas, QRectF card, qreal ratio)
{
    QImage shape(canvas * ratio, QImage::Format_ARGB32_Premultiplied);
    shape.setDevicePixelRatio(ratio);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor shade(Qt::black);
        shade.setAlphaF(static_cast<float>(WallpaperCard::shadowOpacity));
        painter.fillPath(roundedCard(card.translated(0, WallpaperCard::shadowOffsetY)), shade);
    }
    QGraphicsScene scene;
    auto *item = new QGraphicsPixmapItem(QPixmap::fromImage(shape));
    auto *blur = new QGraphicsBlurEffect;
    blur->setBlurRadius(WallpaperCard::shadowBlurRadius * ratio);
    blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
    item->setGraphicsEffect(blur);
    scene.addItem(item);
    QImage blurred(canvas * ratio, QImage::Format_ARGB32_Premultiplied);
    blurred.fill(Qt::transparent);
    {
        QPainter painter(&blurred);
        const QRectF whole(QPointF(0, 0), QSizeF(canvas * ratio));
        scene.render(&painter, whole, whole);
    }
    blurred.setDevicePixelRatio(ratio);
    return blurred;
}
} // namespace

WallpaperCard::WallpaperCard(const QString &assetName, QSize cardSize, QWidget *parent)
    : QWidget(parent), assetName_(assetName), cardSize_(cardSize)
{
    resize(cardSize + QSize(2 * shadowMargin, 2 * shadowMargin));
    setAttribute(Qt::WA_TranslucentBackground);
}

QRect WallpaperCard::cardRect() const
{
    return QRect(QPoint(shadowMargin, shadowMargin), cardSize_);
}

QSize WallpaperCard::screenSize(const QWidget *screen)
{
    static std::optional<QSize> read;
    if (!read) {
        const QWidget *window = screen ? screen->window() : nullptr;
        const QSize size =
            window && window->isVisible() && !window->size().isEmpty() ? window->size() : usualScreen;
        read = size.boundedTo(largestScreen);
    }
    return *read;
}

QSize WallpaperCard::cardSizeFor(QSize screen)
{
    return QSize(static_cast<int>(std::lround(screen.width() / wallpaperCardWidthDivisor)),
                 static_cast<int>(std::lround(screen.height() * cardHeightShare)));
}

QPixmap WallpaperCard::renderedCard(const QString &assetName, QSize cardSize, qreal devicePixelRatio)
{
    const CardKey key{assetName, cardSize.width(), cardSize.height(), devicePixelRatio};
    auto found = cardCache().find(key);
    if (found != cardCache().end())
        return found->second;

    const QSize canvas = cardSize + QSize(2 * shadowMargin, 2 * shadowMargin);
    const QRectF card(QPointF(shadowMargin, shadowMargin), QSizeF(cardSize));
    QImage image = shadowImage(canvas, card, devicePixelRatio);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipPath(roundedCard(card));
        components::WallpaperBackground::paintWallpaper(painter, card.toRect(), assetName);
    }
    QPixmap rendered = QPixmap::fromImage(image);
    rendered.setDevicePixelRatio(devicePixelRatio);
    cardCache().emplace(key, rendered);
    return rendered;
}

int WallpaperCard::renderedCardCount()
{
    return static_cast<int>(cardCache().size());
}

void WallpaperCard::clearRenderedCards()
{
    cardCache().clear();
}

void WallpaperCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), renderedCard(assetName_, cardSize_, devicePixelRatioF()));
}

} // namespace app::wallpaper
