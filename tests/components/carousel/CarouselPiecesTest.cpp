// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The carousel's small parts: the perspective transform and the pointer tracker.
#include "components/carousel/PanTracker.h"
#include "components/carousel/Transform3D.h"

#include <cmath>
#include <gtest/gtest.h>

using components::PanTracker;
using components::Transform3D;

TEST(Transform3DTest, TheFlatMatrixDrawsThePlaneExactlyAsTheProjection)
{
    Transform3D t;
    t.at(3, 4) = -0.002;
    t = t.translated(0, 0, -120).rotated(0.4, 0, 1, 0).translated(30, -10, 60);
    const QTransform flat = t.toQTransform();
    for (const QPointF p : {QPointF(0, 0), QPointF(100, 0), QPointF(-80, 50), QPointF(40, -90)}) {
        const QPointF expected = t.project(p.x(), p.y());
        const QPointF drawn = flat.map(p);
        EXPECT_NEAR(drawn.x(), expected.x(), 1e-9);
        EXPECT_NEAR(drawn.y(), expected.y(), 1e-9);
    }
}

TEST(Transform3DTest, ATranslationAwayFromTheViewerShrinksByThePerspectiveEntry)
{
    Transform3D t;
    t.at(3, 4) = -0.002;
    t = t.translated(0, 0, -500);
    // w = 1 + 500 * 0.002 = 2: everything at half size.
    EXPECT_DOUBLE_EQ(t.project(100, 40).x(), 50.0);
    EXPECT_DOUBLE_EQ(t.project(100, 40).y(), 20.0);
    EXPECT_DOUBLE_EQ(t.at(4, 3), -500.0);
}

TEST(Transform3DTest, AQuarterTurnAboutTheVerticalAxisFacesSideways)
{
    const Transform3D t = Transform3D().rotated(M_PI / 2, 0, 1, 0);
    EXPECT_NEAR(t.at(3, 3), 0.0, 1e-12);
    EXPECT_NEAR(Transform3D().rotated(M_PI, 0, 1, 0).at(3, 3), -1.0, 1e-12);
}

TEST(PanTrackerTest, APressThatBarelyMovesIsATap)
{
    PanTracker pan;
    pan.press({100, 100}, 0.0);
    EXPECT_EQ(pan.move({104, 102}, 0.05), PanTracker::Action::none);
    EXPECT_EQ(pan.release({104, 102}, 0.1), PanTracker::Action::tap);
    EXPECT_FALSE(pan.active());
}

TEST(PanTrackerTest, APanBeginsPastTheThresholdAndMeasuresFromThePress)
{
    PanTracker pan;
    pan.press({100, 100}, 0.0);
    EXPECT_EQ(pan.move({85, 101}, 0.02), PanTracker::Action::panBegan);
    EXPECT_DOUBLE_EQ(pan.translation(), -15.0);
    EXPECT_EQ(pan.move({60, 101}, 0.04), PanTracker::Action::panChanged);
    EXPECT_DOUBLE_EQ(pan.translation(), -40.0);
    EXPECT_NEAR(pan.velocity(), -1000.0, 1e-6);
    EXPECT_EQ(pan.release({60, 101}, 0.05), PanTracker::Action::panEnded);
}

TEST(PanTrackerTest, AnUpwardSwipeOnAHorizontalCarouselIsRefusedAndOnlySettles)
{
    PanTracker pan;
    pan.press({100, 100}, 0.0);
    EXPECT_EQ(pan.move({103, 60}, 0.02), PanTracker::Action::none);
    EXPECT_EQ(pan.move({40, 60}, 0.04), PanTracker::Action::none);
    EXPECT_EQ(pan.release({40, 60}, 0.06), PanTracker::Action::settle);

    pan.ignorePerpendicularSwipes = false;
    pan.press({100, 100}, 1.0);
    EXPECT_EQ(pan.move({103, 60}, 1.02), PanTracker::Action::panBegan);
}

TEST(PanTrackerTest, HoldingStillBeforeReleaseLeavesNoSpeed)
{
    PanTracker pan;
    pan.press({100, 100}, 0.0);
    pan.move({50, 100}, 0.02);
    pan.move({0, 100}, 0.04);
    pan.release({0, 100}, 0.6);
    EXPECT_DOUBLE_EQ(pan.velocity(), 0.0);
}

TEST(PanTrackerTest, ALostPointerEndsThePanWithoutAFling)
{
    PanTracker pan;
    pan.press({100, 100}, 0.0);
    pan.move({50, 100}, 0.02);
    EXPECT_EQ(pan.cancel(), PanTracker::Action::panEnded);
    EXPECT_EQ(pan.cancel(), PanTracker::Action::none);
}
