// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/StackLayout.h"

#include <gtest/gtest.h>

namespace {

using widget::LayoutNode;
using Align = LayoutNode::Alignment;

TEST(StackLayout, VerticalStackWithARuleFillsTheWidthAndCentresItsTexts)
{
    LayoutNode root = LayoutNode::vstack(Align::center, 5, {5, 5, 5, 5},
                                         {LayoutNode::text(QStringLiteral("a"), {40, 20}, false),
                                          LayoutNode::divider(QStringLiteral("rule")),
                                          LayoutNode::text(QStringLiteral("b"), {60, 30}, false)});
    widget::layoutInRect(root, QRectF(0, 0, 170, 170), false);

    EXPECT_EQ(root.find(QStringLiteral("rule"))->frame, QRectF(5, root.frame.top() + 5 + 20 + 5, 160, 1));
    EXPECT_DOUBLE_EQ(root.frame.height(), 5 + 20 + 5 + 1 + 5 + 30 + 5);
    EXPECT_DOUBLE_EQ(root.frame.center().y(), 85);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("a"))->frame.center().x(), 85);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("b"))->frame.center().x(), 85);
}

TEST(StackLayout, ScalableTextShrinksToFitButNotBelowItsMinimum)
{
    LayoutNode root =
        LayoutNode::hstack(Align::center, 0, {}, {LayoutNode::text(QStringLiteral("t"), {400, 20}, true)});
    widget::layoutInRect(root, QRectF(0, 0, 100, 50), false);
    const LayoutNode *t = root.find(QStringLiteral("t"));
    EXPECT_DOUBLE_EQ(t->scale, 0.25);
    EXPECT_DOUBLE_EQ(t->frame.width(), 100);
    EXPECT_DOUBLE_EQ(t->frame.height(), 5);
    EXPECT_FALSE(t->elided);

    root =
        LayoutNode::hstack(Align::center, 0, {}, {LayoutNode::text(QStringLiteral("t"), {100000, 20}, true)});
    widget::layoutInRect(root, QRectF(0, 0, 100, 50), false);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("t"))->scale, 0.01);

    root =
        LayoutNode::hstack(Align::center, 0, {}, {LayoutNode::text(QStringLiteral("t"), {400, 20}, false)});
    widget::layoutInRect(root, QRectF(0, 0, 100, 50), false);
    EXPECT_TRUE(root.find(QStringLiteral("t"))->elided);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("t"))->frame.width(), 100);
}

TEST(StackLayout, HorizontalStackServesSmallChildrenFirstAndGivesTheRestToTheLarger)
{
    // 200 wide, 8 spacing: the small text keeps its 50, the long one gets 142.
    LayoutNode root = LayoutNode::hstack(Align::center, 8, {},
                                         {LayoutNode::text(QStringLiteral("long"), {284, 40}, true),
                                          LayoutNode::text(QStringLiteral("short"), {50, 20}, true)});
    widget::layoutInRect(root, QRectF(0, 0, 200, 100), false);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("short"))->frame.width(), 50);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("long"))->frame.width(), 142);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("long"))->scale, 0.5);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("long"))->frame.right() + 8,
                     root.find(QStringLiteral("short"))->frame.left());
}

TEST(StackLayout, ImageKeepsItsFrameAndAFillingColumnTakesTheRestOfTheRow)
{
    LayoutNode column = LayoutNode::vstack(Align::leading, 8, {},
                                           {LayoutNode::text(QStringLiteral("title"), {60, 28}, false),
                                            LayoutNode::divider(QStringLiteral("rule"))});
    LayoutNode root = LayoutNode::hstack(Align::center, 10, {10, 20, 10, 20},
                                         {column, LayoutNode::image(QStringLiteral("picture"), {80, 80})});
    widget::layoutInRect(root, QRectF(0, 0, 364, 170), false);
    EXPECT_EQ(root.find(QStringLiteral("picture"))->frame.size(), QSizeF(80, 80));
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("picture"))->frame.right(), 364 - 20);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("rule"))->frame.left(), 20);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("rule"))->frame.width(), 364 - 20 - 20 - 10 - 80);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("title"))->frame.left(), 20);
}

TEST(StackLayout, RightToLeftMirrorsEveryFrameSoLeadingIsOnTheRight)
{
    LayoutNode root =
        LayoutNode::hstack(Align::center, 10, {10, 20, 10, 20},
                           {LayoutNode::vstack(Align::leading, 8, {},
                                               {LayoutNode::text(QStringLiteral("title"), {60, 28}, false),
                                                LayoutNode::divider(QStringLiteral("rule"))}),
                            LayoutNode::image(QStringLiteral("picture"), {80, 80})});
    widget::layoutInRect(root, QRectF(0, 0, 364, 170), true);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("picture"))->frame.left(), 20);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("title"))->frame.right(), 364 - 20);
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("rule"))->frame.right(), 364 - 20);
}

TEST(StackLayout, RuleBetweenBlocksInARowIsAsTallAsTheRow)
{
    LayoutNode root = LayoutNode::hstack(Align::center, 8, {5, 0, 5, 0},
                                         {LayoutNode::text(QStringLiteral("left"), {50, 70}, true),
                                          LayoutNode::divider(QStringLiteral("rule")),
                                          LayoutNode::text(QStringLiteral("right"), {50, 40}, true)});
    widget::layoutInRect(root, QRectF(0, 0, 300, 170), false);
    const LayoutNode *rule = root.find(QStringLiteral("rule"));
    EXPECT_DOUBLE_EQ(rule->frame.height(), 70);
    EXPECT_DOUBLE_EQ(rule->frame.width(), LayoutNode::dividerThickness);
    EXPECT_LT(root.find(QStringLiteral("left"))->frame.right(), rule->frame.left());
    EXPECT_GT(root.find(QStringLiteral("right"))->frame.left(), rule->frame.right());
    EXPECT_DOUBLE_EQ(root.find(QStringLiteral("right"))->frame.center().y(), rule->frame.center().y());
}

} // namespace
