// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPixmap>
#include <QWidget>

namespace components {

// Paints a wallpaper image scaled to fill its rectangle (cropping the
// overflow, centred). It shows the asset it is given: a screen hands it the
// current wallpaper's name each time it is about to appear.
//
// Either place it in a layout file (promoted QWidget named e.g.
// wallpaperImageView) or call install(screen): it then fills the screen,
// follows its size and stays below its other children.
class WallpaperBackground : public QWidget
{
    Q_OBJECT
public:
    explicit WallpaperBackground(QWidget *parent = nullptr);

    static WallpaperBackground *install(QWidget *screen);

    // Shows this asset ("wallpaper-3"); none paints the dark gradient.
    void setImageName(const QString &assetName);
    QString imageName() const { return name_; }

    // The wallpaper asset scaled to cover `size` (cached).
    static QPixmap wallpaperPixmap(const QString &assetName, const QSize &size);
    // Draws the asset to cover `rect`; a dark gradient when it does not exist.
    static void paintWallpaper(QPainter &painter, const QRect &rect, const QString &assetName);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString name_;
};

} // namespace components
