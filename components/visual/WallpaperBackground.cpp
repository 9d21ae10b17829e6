#include "components/visual/WallpaperBackground.h"

#include <QPainter>

namespace visual {

WallpaperBackground::WallpaperBackground(QWidget *parent) : QWidget(parent) {}
WallpaperBackground *WallpaperBackground::install(QWidget *screen) { return new WallpaperBackground(screen); }
void WallpaperBackground::refresh() { update(); }
void WallpaperBackground::setImageName(const QString &assetName) { name_ = assetName; followsCurrent_ = false; update(); }
QPixmap WallpaperBackground::wallpaperPixmap(const QString &, const QSize &) { return {}; }
void WallpaperBackground::paintWallpaper(QPainter &, const QRect &, const QString &) {}
void WallpaperBackground::paintEvent(QPaintEvent *) {}
bool WallpaperBackground::eventFilter(QObject *watched, QEvent *event) { return QWidget::eventFilter(watched, event); }

} // namespace visual
