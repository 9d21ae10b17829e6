#pragma once

#include <QPixmap>
#include <QWidget>

namespace visual {

// Paints a wallpaper image scaled to fill its rectangle (cropping the
// overflow, centred). By default it shows the process's current wallpaper
// (core::GlobalSettings::currentWallpaperName()); call refresh() when a
// screen is about to appear to pick up a change made elsewhere.
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

    // Re-reads the current wallpaper name.
    void refresh();
    // Shows this asset instead of the current wallpaper ("wallpaper-3").
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
    bool followsCurrent_ = true;
};

} // namespace visual
