// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Draws the 29 wallpapers and the two speech bubbles into a folder:
//   qamarly_image_generator <output folder>
// Screens draw white text over the wallpapers, so every picture stays in the
// middle-to-dark range. Everything is seeded: the same build draws the same
// pictures. No text is drawn, so no QGuiApplication (and no display) is needed.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr int wallpaperWidth = 720;
constexpr int wallpaperHeight = 1280;
constexpr int wallpaperCount = 29;
constexpr double pi = std::numbers::pi;

enum class Motif
{
    nightSky,    // stars, a faint band of light and a crescent
    starLattice, // eight-pointed stars on a square grid
    hexStars,    // six-pointed stars on a hexagonal grid
    dunes,       // layered desert dunes under a crescent
    skyline,     // domes and minarets against the sky
    rosette,     // one large sixteen-fold medallion
};

struct Wallpaper
{
    QColor top;
    QColor bottom;
    Motif motif;
    QColor accent; // lines, crescent glow, silhouettes' rim
};

// Hand-picked pairs; each stays dark enough for white text.
const Wallpaper wallpapers[wallpaperCount] = {
    {QColor(0x0b, 0x14, 0x2e), QColor(0x2a, 0x3b, 0x6b), Motif::nightSky, QColor(0xf6, 0xe7, 0xb4)},
    {QColor(0x10, 0x3a, 0x4a), QColor(0x0a, 0x1c, 0x2c), Motif::starLattice, QColor(0x9f, 0xe3, 0xe0)},
    {QColor(0x3a, 0x1c, 0x4a), QColor(0x13, 0x0d, 0x26), Motif::hexStars, QColor(0xe8, 0xc5, 0xf5)},
    {QColor(0x2b, 0x1f, 0x4d), QColor(0x8a, 0x4b, 0x3c), Motif::dunes, QColor(0xff, 0xe3, 0xa8)},
    {QColor(0x0e, 0x22, 0x3d), QColor(0x3b, 0x5a, 0x7a), Motif::skyline, QColor(0xf3, 0xe2, 0xa9)},
    {QColor(0x14, 0x3d, 0x33), QColor(0x07, 0x1a, 0x16), Motif::rosette, QColor(0xc9, 0xe8, 0xc0)},
    {QColor(0x06, 0x0a, 0x1a), QColor(0x1f, 0x1a, 0x47), Motif::nightSky, QColor(0xe1, 0xe8, 0xff)},
    {QColor(0x4a, 0x23, 0x2b), QColor(0x1b, 0x0e, 0x18), Motif::starLattice, QColor(0xf2, 0xc1, 0x9a)},
    {QColor(0x1d, 0x2b, 0x53), QColor(0x0c, 0x4a, 0x5a), Motif::hexStars, QColor(0xa8, 0xd8, 0xff)},
    {QColor(0x1a, 0x1a, 0x3a), QColor(0x6b, 0x3a, 0x4e), Motif::dunes, QColor(0xff, 0xd6, 0xb0)},
    {QColor(0x2c, 0x12, 0x3f), QColor(0x8c, 0x3b, 0x4a), Motif::skyline, QColor(0xff, 0xcf, 0x9e)},
    {QColor(0x10, 0x20, 0x45), QColor(0x05, 0x0b, 0x1d), Motif::rosette, QColor(0xd6, 0xc2, 0x8a)},
    {QColor(0x0f, 0x2f, 0x3a), QColor(0x1b, 0x4d, 0x4f), Motif::nightSky, QColor(0xfc, 0xf0, 0xc8)},
    {QColor(0x22, 0x22, 0x2e), QColor(0x0d, 0x0d, 0x14), Motif::starLattice, QColor(0xd9, 0xb8, 0x6a)},
    {QColor(0x0e, 0x35, 0x2e), QColor(0x23, 0x50, 0x3c), Motif::hexStars, QColor(0xe9, 0xd9, 0x9a)},
    {QColor(0x15, 0x22, 0x3f), QColor(0x5e, 0x4a, 0x6e), Motif::dunes, QColor(0xe8, 0xe0, 0xff)},
    {QColor(0x08, 0x15, 0x28), QColor(0x16, 0x3a, 0x4e), Motif::skyline, QColor(0xb9, 0xe6, 0xf0)},
    {QColor(0x4d, 0x1f, 0x33), QColor(0x1c, 0x0b, 0x1a), Motif::rosette, QColor(0xf4, 0xc4, 0xd2)},
    // 18, the default: a deep teal night with a golden crescent.
    {QColor(0x07, 0x1d, 0x33), QColor(0x13, 0x4e, 0x5e), Motif::nightSky, QColor(0xff, 0xdf, 0x8e)},
    {QColor(0x1e, 0x30, 0x4a), QColor(0x0b, 0x12, 0x22), Motif::starLattice, QColor(0xb5, 0xcc, 0xee)},
    {QColor(0x33, 0x26, 0x14), QColor(0x12, 0x0c, 0x06), Motif::hexStars, QColor(0xf0, 0xc8, 0x78)},
    {QColor(0x0c, 0x1c, 0x35), QColor(0x4f, 0x3d, 0x2e), Motif::dunes, QColor(0xff, 0xec, 0xc4)},
    {QColor(0x18, 0x3b, 0x3a), QColor(0x4d, 0x6b, 0x5a), Motif::skyline, QColor(0xf7, 0xef, 0xc9)},
    {QColor(0x26, 0x16, 0x4a), QColor(0x0e, 0x08, 0x22), Motif::rosette, QColor(0xc5, 0xb5, 0xff)},
    {QColor(0x2a, 0x0f, 0x2e), QColor(0x4a, 0x2a, 0x55), Motif::nightSky, QColor(0xff, 0xe9, 0xd2)},
    {QColor(0x0a, 0x32, 0x30), QColor(0x06, 0x14, 0x1a), Motif::starLattice, QColor(0xe3, 0xc9, 0x7b)},
    {QColor(0x3b, 0x14, 0x1c), QColor(0x18, 0x06, 0x0c), Motif::hexStars, QColor(0xff, 0xb3, 0xa0)},
    {QColor(0x2e, 0x24, 0x50), QColor(0x9a, 0x5b, 0x48), Motif::dunes, QColor(0xff, 0xe6, 0xb8)},
    {QColor(0x05, 0x0f, 0x24), QColor(0x24, 0x2e, 0x5c), Motif::skyline, QColor(0xff, 0xf1, 0xc2)},
};

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void paintSky(QPainter &p, const Wallpaper &w)
{
    QLinearGradient sky(0, 0, 0, wallpaperHeight);
    sky.setColorAt(0.0, w.top);
    sky.setColorAt(0.55, mix(w.top, w.bottom, 0.6));
    sky.setColorAt(1.0, w.bottom);
    p.fillRect(0, 0, wallpaperWidth, wallpaperHeight, sky);
}

// A soft darkening towards the edges keeps the middle calm and text readable.
void paintVignette(QPainter &p)
{
    QRadialGradient vignette(QPointF(wallpaperWidth / 2.0, wallpaperHeight * 0.45), wallpaperHeight * 0.75);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 40));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(0, 0, wallpaperWidth, wallpaperHeight, vignette);
}

void paintStars(QPainter &p, QRandomGenerator &random, int count, double maxY)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(random.bounded(double(wallpaperWidth)), random.bounded(maxY));
        const double brightness = 0.25 + random.bounded(0.75);
        const double radius = 0.5 + random.bounded(1.3) * brightness;
        if (brightness > 0.9) {
            QRadialGradient glow(at, radius * 5);
            glow.setColorAt(0.0, QColor(255, 255, 255, 90));
            glow.setColorAt(1.0, QColor(255, 255, 255, 0));
            p.setBrush(glow);
            p.drawEllipse(at, radius * 5, radius * 5);
        }
        p.setBrush(QColor(255, 255, 255, int(255 * brightness)));
        p.drawEllipse(at, radius, radius);
    }
}

void paintCrescent(QPainter &p, const QPointF &centre, double radius, const QColor &colour, double tilt)
{
    QRadialGradient glow(centre, radius * 3.2);
    glow.setColorAt(0.0, withAlpha(colour, 0.28));
    glow.setColorAt(0.4, withAlpha(colour, 0.08));
    glow.setColorAt(1.0, withAlpha(colour, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 3.2, radius * 3.2);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath shadow;
    const QPointF offset(std::cos(tilt) * radius * 0.42, std::sin(tilt) * radius * 0.42);
    shadow.addEllipse(centre + offset, radius * 0.86, radius * 0.86);
    QLinearGradient face(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    face.setColorAt(0.0, colour.lighter(115));
    face.setColorAt(1.0, colour.darker(110));
    p.setBrush(face);
    p.drawPath(disc.subtracted(shadow));
}

// A star of `points` points: vertices alternate between the outer and inner radius.
QPolygonF starPolygon(const QPointF &centre, int points, double outer, double inner, double rotation)
{
    QPolygonF star;
    for (int k = 0; k < points * 2; ++k) {
        const double angle = rotation + k * pi / points;
        const double r = k % 2 == 0 ? outer : inner;
        star << centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    }
    return star;
}

void paintNightSky(QPainter &p, const Wallpaper &w, int seed)
{
    QRandomGenerator random(quint32(seed * 7919 + 17));
    // A faint diagonal band of light.
    p.save();
    p.translate(wallpaperWidth / 2.0, wallpaperHeight * 0.42);
    p.rotate(-28 + seed % 5 * 9);
    QLinearGradient band(0, -220, 0, 220);
    band.setColorAt(0.0, QColor(255, 255, 255, 0));
    band.setColorAt(0.5, withAlpha(w.accent, 0.07));
    band.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(-1000, -220, 2000, 440), band);
    p.restore();
    paintStars(p, random, 260, wallpaperHeight * 0.9);
    const bool left = seed % 2 == 0;
    paintCrescent(p, QPointF(left ? 190 : 530, 250 + seed % 3 * 40), 62, w.accent, left ? -0.5 : -2.6);
    // A low line of hills keeps the sky from floating.
    QPainterPath hills(QPointF(0, wallpaperHeight));
    for (int x = 0; x <= wallpaperWidth; x += 20)
        hills.lineTo(x, wallpaperHeight - 120 - 40 * std::sin(x / 130.0 + seed) - 18 * std::sin(x / 47.0));
    hills.lineTo(wallpaperWidth, wallpaperHeight);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(w.top.darker(160), 0.85));
    p.drawPath(hills);
}

void paintStarLattice(QPainter &p, const Wallpaper &w)
{
    const double cell = 120;
    p.setBrush(Qt::NoBrush);
    for (int row = -1; row <= wallpaperHeight / cell + 1; ++row) {
        for (int col = -1; col <= wallpaperWidth / cell + 1; ++col) {
            const QPointF centre(col * cell + cell / 2, row * cell + cell / 2);
            // Fainter towards the middle, where the text sits.
            const double dy = std::abs(centre.y() - wallpaperHeight * 0.45) / (wallpaperHeight * 0.5);
            const double alpha = 0.08 + 0.14 * std::min(1.0, dy);
            p.setPen(QPen(withAlpha(w.accent, alpha), 1.6));
            p.drawPolygon(starPolygon(centre, 8, cell * 0.42, cell * 0.3, pi / 8));
            p.drawPolygon(starPolygon(centre, 8, cell * 0.22, cell * 0.16, 0));
            // The cross-shaped gaps between four stars.
            const QPointF corner = centre + QPointF(cell / 2, cell / 2);
            p.setPen(QPen(withAlpha(w.accent, alpha * 0.8), 1.2));
            p.drawPolygon(starPolygon(corner, 4, cell * 0.2, cell * 0.08, pi / 4));
        }
    }
}

void paintHexStars(QPainter &p, const Wallpaper &w)
{
    const double size = 64; // hexagon radius
    const double dx = std::sqrt(3.0) * size;
    const double dy = 1.5 * size;
    p.setBrush(Qt::NoBrush);
    for (int row = -1; row <= wallpaperHeight / dy + 1; ++row) {
        for (int col = -1; col <= wallpaperWidth / dx + 1; ++col) {
            const QPointF centre(col * dx + (row % 2 ? dx / 2 : 0), row * dy);
            const double fade = std::abs(centre.y() - wallpaperHeight * 0.45) / (wallpaperHeight * 0.5);
            const double alpha = 0.07 + 0.13 * std::min(1.0, fade);
            QPolygonF hexagon;
            for (int k = 0; k < 6; ++k)
                hexagon << centre + QPointF(std::cos(pi / 6 + k * pi / 3) * size,
                                            std::sin(pi / 6 + k * pi / 3) * size);
            p.setPen(QPen(withAlpha(w.accent, alpha * 0.7), 1.0));
            p.drawPolygon(hexagon);
            p.setPen(QPen(withAlpha(w.accent, alpha), 1.5));
            p.drawPolygon(starPolygon(centre, 6, size * 0.78, size * 0.45, -pi / 2));
            p.setBrush(withAlpha(w.accent, alpha * 0.35));
            p.drawEllipse(centre, size * 0.16, size * 0.16);
            p.setBrush(Qt::NoBrush);
        }
    }
}

void paintDunes(QPainter &p, const Wallpaper &w, int seed)
{
    QRandomGenerator random(quint32(seed * 104729 + 3));
    paintStars(p, random, 120, wallpaperHeight * 0.55);
    paintCrescent(p, QPointF(seed % 2 ? 200 : 520, 300), 54, w.accent, seed % 2 ? -0.4 : -2.7);
    // Five ridges, each nearer one darker.
    for (int layer = 0; layer < 5; ++layer) {
        const double base = wallpaperHeight * (0.62 + layer * 0.075);
        const double phase = seed * 0.7 + layer * 1.9;
        QPainterPath dune(QPointF(0, wallpaperHeight));
        for (int x = 0; x <= wallpaperWidth; x += 12) {
            const double y =
                base - 46 * std::sin(x / (170.0 + layer * 25) + phase) - 22 * std::sin(x / 71.0 + phase * 2);
            dune.lineTo(x, y);
        }
        dune.lineTo(wallpaperWidth, wallpaperHeight);
        dune.closeSubpath();
        const QColor sand = mix(w.bottom, QColor(0x0a, 0x08, 0x10), 0.25 + layer * 0.15);
        QLinearGradient shade(0, base - 60, 0, wallpaperHeight);
        shade.setColorAt(0.0, sand.lighter(112));
        shade.setColorAt(1.0, sand.darker(150));
        p.setPen(QPen(withAlpha(w.accent, 0.12), 1.2));
        p.setBrush(shade);
        p.drawPath(dune);
    }
}

void paintSkyline(QPainter &p, const Wallpaper &w, int seed)
{
    QRandomGenerator random(quint32(seed * 6151 + 11));
    paintStars(p, random, 170, wallpaperHeight * 0.7);
    paintCrescent(p, QPointF(seed % 2 ? 540 : 180, 230), 58, w.accent, seed % 2 ? -2.5 : -0.6);

    const QColor silhouette = mix(w.top, QColor(0, 0, 0), 0.55);
    const double ground = wallpaperHeight - 150;
    QPainterPath city;
    city.addRect(QRectF(0, ground, wallpaperWidth, 150));
    // A great dome on a drum, flanked by two smaller domes and four minarets.
    const double cx = wallpaperWidth / 2.0 + (seed % 3 - 1) * 60;
    const auto dome = [&](double x, double width, double drumTop) {
        city.addRect(QRectF(x - width / 2, drumTop, width, ground - drumTop + 1));
        QPainterPath cap;
        cap.moveTo(x - width / 2, drumTop + 1);
        cap.cubicTo(x - width / 2, drumTop - width * 0.55, x - width * 0.08, drumTop - width * 0.62, x,
                    drumTop - width * 0.8);
        cap.cubicTo(x + width * 0.08, drumTop - width * 0.62, x + width / 2, drumTop - width * 0.55,
                    x + width / 2, drumTop + 1);
        cap.closeSubpath();
        city.addPath(cap);
        city.addRect(QRectF(x - 1.5, drumTop - width * 0.8 - 26, 3, 28)); // finial
    };
    const auto minaret = [&](double x, double height) {
        city.addRect(QRectF(x - 9, ground - height, 18, height));
        city.addRect(QRectF(x - 14, ground - height * 0.72, 28, 7)); // balcony
        QPolygonF cone;
        cone << QPointF(x - 11, ground - height) << QPointF(x, ground - height - 46)
             << QPointF(x + 11, ground - height);
        city.addPolygon(cone);
    };
    city.addRect(QRectF(cx - 190, ground - 90, 380, 91)); // prayer hall
    dome(cx, 210, ground - 150);
    dome(cx - 150, 90, ground - 110);
    dome(cx + 150, 90, ground - 110);
    minaret(cx - 250, 300);
    minaret(cx + 250, 300);
    minaret(cx - 330, 200);
    minaret(cx + 330, 200);
    city.setFillRule(Qt::WindingFill);
    p.setPen(QPen(withAlpha(w.accent, 0.25), 1.5));
    p.setBrush(silhouette);
    p.drawPath(city.simplified());
    // Lit arched windows.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(w.accent, 0.35));
    for (int k = -3; k <= 3; ++k) {
        QPainterPath arch;
        const QRectF r(cx + k * 46 - 9, ground - 62, 18, 40);
        arch.moveTo(r.bottomLeft());
        arch.lineTo(r.left(), r.top() + 9);
        arch.arcTo(QRectF(r.left(), r.top(), r.width(), 18), 180, -180);
        arch.lineTo(r.bottomRight());
        arch.closeSubpath();
        p.drawPath(arch);
    }
}

void paintRosette(QPainter &p, const Wallpaper &w, int seed)
{
    const QPointF centre(wallpaperWidth / 2.0, wallpaperHeight * (seed % 2 ? 0.78 : 0.22));
    QRadialGradient glow(centre, 460);
    glow.setColorAt(0.0, withAlpha(w.accent, 0.12));
    glow.setColorAt(1.0, withAlpha(w.accent, 0.0));
    p.fillRect(0, 0, wallpaperWidth, wallpaperHeight, glow);
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 6; ++ring) {
        const double r = 90 + ring * 70;
        const double alpha = 0.2 - ring * 0.025;
        p.setPen(QPen(withAlpha(w.accent, alpha), 1.4));
        p.drawPolygon(starPolygon(centre, 16, r, r * 0.82, ring * pi / 32));
        p.drawEllipse(centre, r * 0.7, r * 0.7);
    }
    // Petals between the first rings.
    p.setPen(QPen(withAlpha(w.accent, 0.16), 1.2));
    for (int k = 0; k < 16; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(k * 360.0 / 16);
        p.drawEllipse(QRectF(40, -14, 120, 28));
        p.restore();
    }
    p.setBrush(withAlpha(w.accent, 0.12));
    p.drawPolygon(starPolygon(centre, 8, 50, 30, 0));
    // A light scatter of small stars in the rest of the picture.
    QRandomGenerator random(quint32(seed * 31 + 5));
    paintStars(p, random, 60, wallpaperHeight);
}

QImage wallpaper(int index)
{
    QImage image(wallpaperWidth, wallpaperHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Wallpaper &w = wallpapers[index];
    paintSky(p, w);
    switch (w.motif) {
    case Motif::nightSky:
        paintNightSky(p, w, index);
        break;
    case Motif::starLattice:
        paintStarLattice(p, w);
        break;
    case Motif::hexStars:
        paintHexStars(p, w);
        break;
    case Motif::dunes:
        paintDunes(p, w, index);
        break;
    case Motif::skyline:
        paintSkyline(p, w, index);
        break;
    case Motif::rosette:
        paintRosette(p, w, index);
        break;
    }
    paintVignette(p);
    return image;
}

// A rounded speech bubble with its tail at the lower left, light and
// translucent so the wallpaper shows through.
QImage bubble()
{
    const int width = 640;
    const int height = 460;
    const double tail = 60;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(6, 6, width - 12, height - 12 - tail);
    QPainterPath path;
    path.addRoundedRect(body, 48, 48);
    QPainterPath pointer;
    pointer.moveTo(110, body.bottom() - 30);
    pointer.cubicTo(110, body.bottom() + 20, 80, body.bottom() + tail - 16, 44, body.bottom() + tail - 4);
    pointer.cubicTo(110, body.bottom() + tail - 14, 170, body.bottom() + 10, 200, body.bottom() - 30);
    pointer.closeSubpath();
    path = path.united(pointer);

    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0.0, QColor(255, 255, 255, 70));
    fill.setColorAt(1.0, QColor(255, 255, 255, 36));
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    p.setBrush(fill);
    p.drawPath(path);
    // A thin inner line, like a second stitched edge.
    p.setPen(QPen(QColor(255, 255, 255, 55), 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF inner = body.adjusted(14, 14, -14, -14);
    p.drawRoundedRect(inner, 36, 36);
    return image;
}

bool save(const QImage &image, const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "could not create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int index = 0; index < wallpaperCount; ++index)
        ok = save(wallpaper(index), folder, QStringLiteral("wallpaper-%1").arg(index)) && ok;
    // Right-to-left layouts point the tail the other way.
    const QImage english = bubble();
    ok = save(english, folder, QStringLiteral("buble-en")) && ok;
    ok = save(english.mirrored(true, false), folder, QStringLiteral("buble-ar")) && ok;
    return ok ? 0 : 1;
}
