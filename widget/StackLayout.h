// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QRectF>
#include <QString>
#include <limits>
#include <vector>

namespace widget {

// A small layout engine for the widgets' declarative layouts: vertical and
// horizontal stacks of texts, dividers and fixed-size images. It only does
// arithmetic on sizes that the caller measured, so it runs without fonts or a
// display and the views' geometry can be checked directly.
//
// Sizing follows the phone toolkit the layouts were written for: a stack
// offers its children the width it was offered less paddings and spacings;
// a horizontal stack serves its least demanding children first with equal
// shares; a divider in a vertical stack takes the full width (so that stack
// fills what it is offered); a scalable text shrinks to fit, down to its
// minimum scale, instead of being cut.
struct LayoutNode
{
    enum class Type
    {
        text,
        divider,
        image,
        vstack,
        hstack
    };
    enum class Alignment
    {
        leading,
        center,
        trailing
    };

    struct Insets
    {
        double top = 0, leading = 0, bottom = 0, trailing = 0;
    };

    static constexpr double defaultSpacing = 8;
    static constexpr double dividerThickness = 1;

    Type type = Type::text;
    QString role; // names the part for painting and tests ("title", "hijriDay", ...)

    // text: measured at full size
    QSizeF natural;
    bool scalable = false;
    double minimumScale = 0.01;
    // Set by the layout when the whole tree is too tall: the most any
    // scalable text may be drawn at.
    double heightScale = 1;
    // image: its frame
    QSizeF fixedSize;
    // stacks
    double spacing = defaultSpacing;
    Insets padding;
    Alignment alignment = Alignment::center; // cross axis
    std::vector<LayoutNode> children;

    // Results, in the coordinates of the root's rect.
    QRectF frame;
    double scale = 1;    // texts: the factor they are drawn at
    bool elided = false; // non-scalable texts that did not fit

    static LayoutNode text(const QString &role, QSizeF natural, bool scalable);
    static LayoutNode divider(const QString &role = QString());
    static LayoutNode image(const QString &role, QSizeF size);
    static LayoutNode vstack(Alignment alignment, double spacing, Insets padding,
                             std::vector<LayoutNode> children);
    static LayoutNode hstack(Alignment alignment, double spacing, Insets padding,
                             std::vector<LayoutNode> children);

    // The first node with this role, depth first; nullptr when none.
    const LayoutNode *find(const QString &role) const;
};

// Sizes the tree for `bounds`, centres it there (content centred in a frame
// that fills the widget) and, for right-to-left layouts, mirrors every frame
// so the leading side is the right side.
void layoutInRect(LayoutNode &root, const QRectF &bounds, bool rightToLeft);

} // namespace widget
