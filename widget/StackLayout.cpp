// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/StackLayout.h"

#include <algorithm>
#include <cmath>

namespace widget {

namespace {

constexpr double unbounded = std::numeric_limits<double>::infinity();

using Type = LayoutNode::Type;

// Whether the node takes all the width it is offered.
bool fillsWidth(const LayoutNode &n)
{
    if (n.type == Type::vstack)
        return std::any_of(n.children.begin(), n.children.end(),
                           [](const LayoutNode &c) { return c.type == Type::divider || fillsWidth(c); });
    if (n.type == Type::hstack)
        return std::any_of(n.children.begin(), n.children.end(),
                           [](const LayoutNode &c) { return fillsWidth(c); });
    return false;
}

// Sizes `n` for an offered width; children get positions relative to n.
// frame holds the relative position and the size until the final pass.
QSizeF size(LayoutNode &n, double offered);

QSizeF sizeText(LayoutNode &n, double offered)
{
    n.scale = n.scalable ? n.heightScale : 1;
    n.elided = false;
    double width = n.natural.width() * n.scale;
    if (width > offered) {
        if (n.scalable && n.natural.width() > 0) {
            n.scale = std::max(n.minimumScale, std::min(n.scale, offered / n.natural.width()));
        } else {
            n.elided = true;
            width = std::max(0.0, offered);
        }
    }
    if (n.scale != 1)
        return {n.natural.width() * n.scale, n.natural.height() * n.scale};
    return {width, n.natural.height()};
}

QSizeF sizeVStack(LayoutNode &n, double offered)
{
    const double inner = offered - n.padding.leading - n.padding.trailing;
    const bool fills = fillsWidth(n) && std::isfinite(inner);
    double width = 0;
    double height = 0;
    for (LayoutNode &c : n.children) {
        QSizeF s;
        if (c.type == Type::divider)
            s = QSizeF(std::isfinite(inner) ? inner : 0, LayoutNode::dividerThickness);
        else
            s = size(c, inner);
        c.frame.setSize(s);
        width = std::max(width, s.width());
        height += s.height();
    }
    if (fills)
        width = std::max(width, inner);
    if (n.children.size() > 1)
        height += n.spacing * double(n.children.size() - 1);
    double y = n.padding.top;
    for (LayoutNode &c : n.children) {
        double x = n.padding.leading;
        if (n.alignment == LayoutNode::Alignment::center)
            x += (width - c.frame.width()) / 2;
        else if (n.alignment == LayoutNode::Alignment::trailing)
            x += width - c.frame.width();
        c.frame.moveTopLeft({x, y});
        y += c.frame.height() + n.spacing;
    }
    return {width + n.padding.leading + n.padding.trailing, height + n.padding.top + n.padding.bottom};
}

QSizeF sizeHStack(LayoutNode &n, double offered)
{
    const double inner = offered - n.padding.leading - n.padding.trailing;
    const std::size_t count = n.children.size();
    double fixed = count > 1 ? n.spacing * double(count - 1) : 0;
    std::vector<std::size_t> flexible;
    std::vector<double> ideal(count, 0);
    for (std::size_t i = 0; i < count; ++i) {
        LayoutNode &c = n.children[i];
        if (c.type == Type::divider) {
            fixed += LayoutNode::dividerThickness;
        } else if (c.type == Type::image) {
            fixed += c.fixedSize.width();
        } else {
            flexible.push_back(i);
            ideal[i] = fillsWidth(c) ? unbounded : size(c, unbounded).width();
        }
    }
    // The least demanding child first, each offered an equal share of what is left.
    std::stable_sort(flexible.begin(), flexible.end(),
                     [&](std::size_t a, std::size_t b) { return ideal[a] < ideal[b]; });
    double remaining = std::max(0.0, inner - fixed);
    std::size_t left = flexible.size();
    for (std::size_t i : flexible) {
        const double share = remaining / double(left--);
        const QSizeF s = size(n.children[i], std::isfinite(ideal[i]) ? std::min(ideal[i], share) : share);
        n.children[i].frame.setSize(s);
        remaining = std::max(0.0, remaining - s.width());
    }
    double height = 0;
    for (LayoutNode &c : n.children) {
        if (c.type == Type::image)
            c.frame.setSize(c.fixedSize);
        if (c.type != Type::divider)
            height = std::max(height, c.frame.height());
    }
    double x = n.padding.leading;
    for (LayoutNode &c : n.children) {
        if (c.type == Type::divider)
            c.frame.setSize({LayoutNode::dividerThickness, height});
        double y = n.padding.top;
        if (n.alignment == LayoutNode::Alignment::center)
            y += (height - c.frame.height()) / 2;
        else if (n.alignment == LayoutNode::Alignment::trailing)
            y += height - c.frame.height();
        c.frame.moveTopLeft({x, y});
        x += c.frame.width() + n.spacing;
    }
    const double width = count ? x - n.spacing - n.padding.leading : 0;
    return {width + n.padding.leading + n.padding.trailing, height + n.padding.top + n.padding.bottom};
}

QSizeF size(LayoutNode &n, double offered)
{
    switch (n.type) {
    case Type::text:
        return sizeText(n, offered);
    case Type::divider:
        return {LayoutNode::dividerThickness, LayoutNode::dividerThickness};
    case Type::image:
        return n.fixedSize;
    case Type::vstack:
        return sizeVStack(n, offered);
    case Type::hstack:
        return sizeHStack(n, offered);
    }
    return {};
}

void toAbsolute(LayoutNode &n, QPointF origin)
{
    n.frame.translate(origin);
    for (LayoutNode &c : n.children)
        toAbsolute(c, n.frame.topLeft());
}

void setHeightScale(LayoutNode &n, double factor)
{
    n.heightScale = factor;
    for (LayoutNode &c : n.children)
        setHeightScale(c, factor);
}

void mirror(LayoutNode &n, const QRectF &bounds)
{
    const double x = bounds.left() + bounds.right() - n.frame.right();
    n.frame.moveLeft(x);
    for (LayoutNode &c : n.children)
        mirror(c, bounds);
}

} // namespace

LayoutNode LayoutNode::text(const QString &role, QSizeF natural, bool scalable)
{
    LayoutNode n;
    n.type = Type::text;
    n.role = role;
    n.natural = natural;
    n.scalable = scalable;
    return n;
}

LayoutNode LayoutNode::divider(const QString &role)
{
    LayoutNode n;
    n.type = Type::divider;
    n.role = role;
    return n;
}

LayoutNode LayoutNode::image(const QString &role, QSizeF imageSize)
{
    LayoutNode n;
    n.type = Type::image;
    n.role = role;
    n.fixedSize = imageSize;
    return n;
}

LayoutNode LayoutNode::vstack(Alignment alignment, double spacing, Insets padding,
                              std::vector<LayoutNode> children)
{
    LayoutNode n;
    n.type = Type::vstack;
    n.alignment = alignment;
    n.spacing = spacing;
    n.padding = padding;
    n.children = std::move(children);
    return n;
}

LayoutNode LayoutNode::hstack(Alignment alignment, double spacing, Insets padding,
                              std::vector<LayoutNode> children)
{
    LayoutNode n = vstack(alignment, spacing, padding, std::move(children));
    n.type = Type::hstack;
    return n;
}

const LayoutNode *LayoutNode::find(const QString &name) const
{
    if (role == name)
        return this;
    for (const LayoutNode &c : children) {
        if (const LayoutNode *found = c.find(name))
            return found;
    }
    return nullptr;
}

void layoutInRect(LayoutNode &root, const QRectF &bounds, bool rightToLeft)
{
    setHeightScale(root, 1);
    QSizeF s = size(root, bounds.width());
    if (s.height() > bounds.height()) {
        // Too tall: the scalable texts give up height too, by the largest
        // common factor that fits (found by bisection; sizes grow with it).
        double low = root.minimumScale, high = 1;
        for (int i = 0; i < 20; ++i) {
            const double mid = (low + high) / 2;
            setHeightScale(root, mid);
            (size(root, bounds.width()).height() > bounds.height() ? high : low) = mid;
        }
        setHeightScale(root, low);
        s = size(root, bounds.width());
    }
    root.frame = QRectF(QPointF(0, 0), s);
    const QPointF origin(bounds.left() + (bounds.width() - s.width()) / 2,
                         bounds.top() + (bounds.height() - s.height()) / 2);
    toAbsolute(root, origin);
    if (rightToLeft)
        mirror(root, bounds);
}

} // namespace widget
