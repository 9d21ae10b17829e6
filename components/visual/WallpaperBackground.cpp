// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/WallpaperBackground.h"

#include "platform/bundle/ImageAssets.h"

#include <QCache>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>

namespace components {

WallpaperBackground::WallpaperBackground(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Not transparent for the mouse: layouts place the screen's controls
    // inside the background, and Qt would make them transparent too.
}

WallpaperBackground *WallpaperBackground::install(QWidget *screen)
{
    auto *background = new WallpaperBackground(screen);
    background->setObjectName(QStringLiteral("wallpaperImageView"));
    background->setGeometry(screen->rect());
    background->lower();
    screen->installEventFilter(background);
    background->show();
    return background;
}

void WallpaperBackground::setImageName(const QString &assetName)
{
    if (name_ == assetName)
        return;
    name_ = assetName;
    update();
}

QPixmap WallpaperBackground::wallpaperPixmap(const QString &assetName, const QSize &size)
{
    if (assetName.isEmpty() || size.isEmpty() || !platform::ImageAssets::contains(assetName))
        return {};
    // Scaling a full wallpaper takes milliseconds: keep one per name and size.
    const QString key =
        QStringLiteral("wallpaper:%1:%2x%3").arg(assetName).arg(size.width()).arg(size.height());
    QPixmap scaled;
    if (QPixmapCache::find(key, &scaled))
        return scaled;
    const QPixmap original(platform::ImageAssets::resourcePath(assetName));
    if (original.isNull())
        return {};
    const QPixmap covering = original.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    scaled = covering.copy((covering.width() - size.width()) / 2, (covering.height() - size.height()) / 2,
                           size.width(), size.height());
    QPixmapCache::insert(key, scaled);
    return scaled;
}

void WallpaperBackground::paintWallpaper(QPainter &painter, const QRect &rect, const QString &assetName)
{
    const QPixmap pixmap = wallpaperPixmap(assetName, rect.size());
    if (!pixmap.isNull()) {
        painter.drawPixmap(rect.topLeft(), pixmap);
        return;
    }
    // No such asset: a calm night gradient keeps white text readable.
    QLinearGradient night(rect.topLeft(), rect.bottomLeft());
    night.setColorAt(0.0, QColor(0x14, 0x1e, 0x3c));
    night.setColorAt(1.0, QColor(0x2b, 0x3f, 0x5e));
    painter.fillRect(rect, night);
}

void WallpaperBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintWallpaper(painter, rect(), name_);
}

bool WallpaperBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget()) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(parentWidget()->rect());
            break;
        case QEvent::ChildAdded:
            lower(); // stay below whatever the screen adds later
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace components
