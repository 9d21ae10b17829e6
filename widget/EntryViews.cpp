// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/EntryViews.h"

#include "platform/bundle/ImageAssets.h"
#include "platform/localization/Localization.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

namespace widget {

namespace {

using Node = LayoutNode;
using Align = LayoutNode::Alignment;

// Stack paddings and spacings of the layouts, in device-independent pixels.
constexpr Node::Insets smallPadding{5, 5, 5, 5};
constexpr double smallSpacing = 5;
constexpr Node::Insets mediumPadding{10, 20, 10, 20};
constexpr double mediumSpacing = 10;
constexpr double mediumColumnSpacing = 8;
constexpr Node::Insets complexPadding{15, 10, 15, 10};
constexpr double complexSpacing = 10;
constexpr Node::Insets complexRowPadding{5, 0, 5, 0};

// Names and month names are keys of the string table; one without a
// translation shows as the formatter made it.
QString lookedUp(const QString &name)
{
    const QByteArray key = name.toUtf8();
    return platform::localized(key.constData());
}

QFont sized(int pixels, QFont::Weight weight)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPixelSize(pixels);
    f.setWeight(weight);
    return f;
}

// "Ramadan (9), 1447": month and year through the table's two-argument
// pattern, which a translation may reorder; without a usable one, the plain order.
QString monthAndYear(const QString &month, const QString &year)
{
    QString pattern = platform::localized("widget.monthYear");
    if (!pattern.contains(QLatin1String("%1")) || !pattern.contains(QLatin1String("%2")))
        pattern = QStringLiteral("%1, %2");
    return pattern.arg(month, year);
}

} // namespace

QColor titleColor()
{
    return QColor::fromHsvF(0.144f, 0.683f, 0.634f, 1.0f);
}

QColor backgroundColor(Appearance appearance)
{
    return appearance == Appearance::dark ? QColor(0x1c, 0x1c, 0x1e) : QColor(Qt::white);
}

QColor primaryTextColor(Appearance appearance)
{
    return appearance == Appearance::dark ? QColor(Qt::white) : QColor(Qt::black);
}

QColor separatorColor(Appearance appearance)
{
    return appearance == Appearance::dark ? QColor(84, 84, 88, 166) : QColor(60, 60, 67, 92);
}

// The phone's text styles at their standard sizes: title2 22, body 17; the day 60 light.
QFont titleFont()
{
    return sized(22, QFont::Normal);
}

QFont dayFont()
{
    return sized(60, QFont::Light);
}

QFont bodyFont()
{
    return sized(17, QFont::Normal);
}

EntryView::EntryView(WidgetFamily f, SimpleEntry e) : family(f), entry(std::move(e)) {}

Node EntryView::textPart(const QString &role, const QString &text, const QFont &font, bool scalable,
                         bool titleColoured) const
{
    parts_[role] = Part{text, font, titleColoured, QString()};
    const QFontMetricsF metrics(font);
    return Node::text(role, QSizeF(metrics.horizontalAdvance(text), metrics.height()), scalable);
}

Node EntryView::picturePart(const QString &role, const QString &assetName, QSizeF size) const
{
    parts_[role] = Part{QString(), QFont(), false, assetName};
    return Node::image(role, size);
}

Node EntryView::notSupported() const
{
    return textPart(QStringLiteral("notSupported"), platform::localized("Not supported"), bodyFont(), true);
}

QString EntryView::textOf(const QString &role) const
{
    if (parts_.empty())
        body();
    const auto it = parts_.find(role);
    return it == parts_.end() ? QString() : it->second.text;
}

QString EntryView::imageNameOf(const QString &role) const
{
    if (parts_.empty())
        body();
    const auto it = parts_.find(role);
    return it == parts_.end() ? QString() : it->second.assetName;
}

LayoutNode EntryView::layout(QSizeF size, bool rightToLeft) const
{
    Node root = body();
    layoutInRect(root, QRectF(QPointF(0, 0), size), rightToLeft);
    return root;
}

void EntryView::paint(QPainter &painter, QSizeF size, const ViewEnvironment &environment) const
{
    const Node root = layout(size, environment.rightToLeft);
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    QPainterPath surface;
    surface.addRoundedRect(QRectF(QPointF(0, 0), size), cornerRadius, cornerRadius);
    painter.fillPath(surface, backgroundColor(environment.appearance));
    painter.setClipPath(surface);
    paintNode(painter, root, environment);
    painter.restore();
}

void EntryView::paintNode(QPainter &painter, const LayoutNode &node, const ViewEnvironment &environment) const
{
    const auto part = parts_.find(node.role);
    switch (node.type) {
    case Node::Type::vstack:
    case Node::Type::hstack:
        for (const Node &c : node.children)
            paintNode(painter, c, environment);
        return;
    case Node::Type::divider:
        // A rule under a title wears the title's colour; the others the separator's.
        painter.fillRect(node.frame, node.role == QLatin1String("titleDivider")
                                         ? titleColor
                                         : separatorColor(environment.appearance));
        return;
    case Node::Type::image: {
        if (part == parts_.end())
            return;
        const QImage picture(platform::ImageAssets::resourcePath(part->second.assetName));
        if (picture.isNull())
            return; // no picture for this day: its frame stays empty
        // Fill the frame keeping the aspect ratio; what overflows is cut.
        const QSizeF scaled =
            QSizeF(picture.size()).scaled(node.frame.size(), Qt::KeepAspectRatioByExpanding);
        const double fx = picture.width() / scaled.width();
        const double fy = picture.height() / scaled.height();
        const QRectF source((scaled.width() - node.frame.width()) / 2 * fx,
                            (scaled.height() - node.frame.height()) / 2 * fy, node.frame.width() * fx,
                            node.frame.height() * fy);
        painter.save();
        painter.setClipRect(node.frame, Qt::IntersectClip);
        painter.drawImage(node.frame, picture, source);
        painter.restore();
        return;
    }
    case Node::Type::text: {
        if (part == parts_.end())
            return;
        const Part &p = part->second;
        painter.save();
        painter.setFont(p.font);
        painter.setPen(p.titleColoured ? titleColor : primaryTextColor(environment.appearance));
        QTextOption option(Qt::AlignCenter);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(environment.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QString text = p.text;
        if (node.elided)
            text = QFontMetricsF(p.font).elidedText(text, Qt::ElideRight, node.frame.width());
        // Shrinking is a transform, so a text keeps its shape down to a hundredth of its size.
        painter.translate(node.frame.topLeft());
        painter.scale(node.scale, node.scale);
        painter.drawText(QRectF(0, 0, node.frame.width() / node.scale, node.frame.height() / node.scale),
                         text, option);
        painter.restore();
        return;
    }
    }
}

Node SimpleWidgetEntryView::body() const
{
    const core::RGDate &hijri = *entry.hijriDate;
    const QString weekday = lookedUp(entry.gregorianDate->weekDayName());
    const QString day = entry.numberText(hijri.day());
    const QString month = lookedUp(hijri.monthName());
    const QString year = entry.numberText(hijri.year());

    switch (family) {
    case WidgetFamily::systemSmall:
        return Node::vstack(Align::center, smallSpacing, smallPadding,
                            {textPart(QStringLiteral("title"), weekday, titleFont(), false, true),
                             Node::divider(QStringLiteral("titleDivider")),
                             Node::vstack(Align::center, Node::defaultSpacing, {},
                                          {textPart(QStringLiteral("hijriDay"), day, dayFont(), true),
                                           textPart(QStringLiteral("hijriMonthYear"),
                                                    monthAndYear(month, year), bodyFont(), true)})});
    case WidgetFamily::systemMedium:
        return Node::hstack(
            Align::center, mediumSpacing, mediumPadding,
            {Node::vstack(
                 Align::leading, mediumColumnSpacing, {},
                 {textPart(QStringLiteral("title"), weekday, titleFont(), false, true),
                  Node::divider(QStringLiteral("titleDivider")),
                  Node::hstack(
                      Align::center, Node::defaultSpacing, {},
                      {textPart(QStringLiteral("hijriDay"), day, dayFont(), true),
                       Node::vstack(Align::leading, Node::defaultSpacing, {},
                                    {textPart(QStringLiteral("hijriMonth"), month, bodyFont(), true),
                                     textPart(QStringLiteral("hijriYear"), year, bodyFont(), false)})})}),
             // The picture's name is the day in ASCII digits whatever the locale.
             picturePart(QStringLiteral("picture"), QString::number(hijri.day()),
                         QSizeF(pictureSide, pictureSide))});
    case WidgetFamily::systemLarge:
    case WidgetFamily::systemExtraLarge:
        break;
    }
    return notSupported();
}

Node ComplexWidgetEntryView::body() const
{
    const auto block = [this](const QString &side, const core::RGDate &record) {
        return Node::hstack(
            Align::center, Node::defaultSpacing, {},
            {textPart(side + QStringLiteral("Day"), entry.numberText(record.day()), dayFont(), true),
             Node::vstack(
                 Align::leading, Node::defaultSpacing, {},
                 {textPart(side + QStringLiteral("Month"), lookedUp(record.monthName()), bodyFont(), true),
                  textPart(side + QStringLiteral("Year"), entry.numberText(record.year()), bodyFont(),
                           false)})});
    };
    Node gregorian = block(QStringLiteral("gregorian"), *entry.gregorianDate);
    gregorian.role = QStringLiteral("gregorianBlock");
    Node hijri = block(QStringLiteral("hijri"), *entry.hijriDate);
    hijri.role = QStringLiteral("hijriBlock");
    return Node::vstack(Align::center, complexSpacing, complexPadding,
                        {textPart(QStringLiteral("title"), lookedUp(entry.gregorianDate->weekDayName()),
                                  titleFont(), true, true),
                         Node::divider(QStringLiteral("titleDivider")),
                         Node::hstack(Align::center, Node::defaultSpacing, complexRowPadding,
                                      {std::move(gregorian), Node::divider(QStringLiteral("blockDivider")),
                                       std::move(hijri)})});
}

std::unique_ptr<EntryView> makeEntryView(WidgetKind kind, WidgetFamily family, const SimpleEntry &entry)
{
    if (kind == WidgetKind::complex)
        return std::make_unique<ComplexWidgetEntryView>(family, entry);
    return std::make_unique<SimpleWidgetEntryView>(family, entry);
}

QImage renderEntryView(const EntryView &view, const ViewEnvironment &environment, qreal devicePixelRatio)
{
    const QSizeF size = familySize(view.family);
    QImage image((size * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.paint(painter, size, environment);
    painter.end();
    return image;
}

} // namespace widget
