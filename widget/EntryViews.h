// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "widget/Appearance.h"
#include "widget/SimpleEntry.h"
#include "widget/StackLayout.h"
#include "widget/WidgetFamily.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <map>
#include <memory>

class QPainter;

namespace widget {

// How a view is drawn: the host's or the command line's choice, not the entry's.
struct ViewEnvironment
{
    Appearance appearance = Appearance::light;
    bool rightToLeft = false;
};

// The widgets' fixed title colour: hue 0.144, saturation 0.683, brightness 0.634 (#A29333).
QColor titleColor();
// The colours the host's widget surface gives a view that sets none.
QColor backgroundColor(Appearance appearance);
QColor primaryTextColor(Appearance appearance);
QColor separatorColor(Appearance appearance);

QFont titleFont();
QFont dayFont();
QFont bodyFont();

// The view of one entry at one family. Subclasses describe their layout as a
// measured tree of stacks; this class lays it out and paints it.
class EntryView
{
public:
    static constexpr double cornerRadius = 22;

    EntryView(WidgetFamily family, SimpleEntry entry);
    virtual ~EntryView() = default;

    const WidgetFamily family;
    const SimpleEntry entry;
    const QColor titleColor = widget::titleColor();

    // The parts laid out in a widget of `size` (device-independent pixels).
    LayoutNode layout(QSizeF size, bool rightToLeft) const;
    void paint(QPainter &painter, QSizeF size, const ViewEnvironment &environment) const;
    // The text a part shows (empty for dividers and images).
    QString textOf(const QString &role) const;
    // The image a picture part shows, by asset name.
    QString imageNameOf(const QString &role) const;

protected:
    virtual LayoutNode body() const = 0;
    LayoutNode textPart(const QString &role, const QString &text, const QFont &font, bool scalable,
                        bool titleColoured = false) const;
    LayoutNode picturePart(const QString &role, const QString &assetName, QSizeF size) const;
    LayoutNode notSupported() const;

private:
    struct Part
    {
        QString text;
        QFont font;
        bool titleColoured = false;
        QString assetName;
    };
    void paintNode(QPainter &painter, const LayoutNode &node, const ViewEnvironment &environment) const;
    mutable std::map<QString, Part> parts_;
};

// Today's Hijri date: small (title, rule, day, month and year) and medium
// (the same beside the moon picture of the day).
class SimpleWidgetEntryView final : public EntryView
{
public:
    using EntryView::EntryView;
    static constexpr double pictureSide = 80;

protected:
    LayoutNode body() const override;
};

// The Gregorian and the Hijri date side by side; one layout for any family.
class ComplexWidgetEntryView final : public EntryView
{
public:
    using EntryView::EntryView;

protected:
    LayoutNode body() const override;
};

std::unique_ptr<EntryView> makeEntryView(WidgetKind kind, WidgetFamily family, const SimpleEntry &entry);

// Paints the view into an image of the family's size times `devicePixelRatio`.
QImage renderEntryView(const EntryView &view, const ViewEnvironment &environment, qreal devicePixelRatio);

} // namespace widget
