// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The morphing label widget: the frame timer, its signals and drawing.
#include "components/visual/MorphingLabel.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

using components::MorphingLabel;

namespace {

int tickToEnd(MorphingLabel &label)
{
    int ticks = 0;
    while (label.isMorphing() && ticks < 1000) {
        label.displayFrameTick();
        ++ticks;
    }
    return ticks;
}

} // namespace

TEST(MorphingLabel, ATextChangeRunsTheFrameTimerUntilTheChangeCompletes)
{
    MorphingLabel label;
    label.setFrameDuration(1.0 / 60.0);
    label.resize(200, 80);
    QSignalSpy started(&label, &MorphingLabel::morphingDidStart);
    QSignalSpy progressed(&label, &MorphingLabel::morphingOnProgress);
    QSignalSpy completed(&label, &MorphingLabel::morphingDidComplete);

    label.setText(QStringLiteral("12"));
    EXPECT_EQ(label.text(), QStringLiteral("12"));
    EXPECT_TRUE(label.isFrameTimerActive());
    EXPECT_EQ(started.count(), 1);

    EXPECT_EQ(tickToEnd(label), 45);
    EXPECT_EQ(progressed.count(), 44);
    EXPECT_EQ(completed.count(), 1);
    EXPECT_FALSE(label.isFrameTimerActive());
}

TEST(MorphingLabel, SettingTheSameTextOrDisablingMorphingShowsTheTextAtOnce)
{
    MorphingLabel label;
    label.setFrameDuration(1.0 / 120.0);
    label.setText(QStringLiteral("5"));
    tickToEnd(label);
    QSignalSpy started(&label, &MorphingLabel::morphingDidStart);
    label.setText(QStringLiteral("5"));
    EXPECT_EQ(started.count(), 0);
    EXPECT_FALSE(label.isFrameTimerActive());

    label.setMorphingEnabled(false);
    label.setText(QStringLiteral("6"));
    EXPECT_EQ(started.count(), 0);
    EXPECT_FALSE(label.isMorphing());
    EXPECT_EQ(label.text(), QStringLiteral("6"));
}

TEST(MorphingLabel, FrameDurationFollowsTheInjectedValueOrTheScreen)
{
    MorphingLabel label;
    EXPECT_GT(label.frameDuration(), 0.0);
    label.setFrameDuration(1.0 / 120.0);
    EXPECT_DOUBLE_EQ(label.frameDuration(), 1.0 / 120.0);
    label.setText(QStringLiteral("1"));
    label.displayFrameTick();
    EXPECT_EQ(label.model().totalFrames(), 72);
}

TEST(MorphingLabel, MidAnimationItDrawsTheMorphAndAtTheEndTheSameAsAPlainLabel)
{
    MorphingLabel label;
    label.setFrameDuration(1.0 / 60.0);
    label.setAlignment(Qt::AlignCenter);
    QFont font = label.font();
    font.setPixelSize(40);
    label.setFont(font);
    label.resize(200, 80);
    label.setText(QStringLiteral("1446"));
    tickToEnd(label);
    const QImage settled = label.grab().toImage();

    label.setText(QStringLiteral("1447"));
    for (int i = 0; i < 12; ++i)
        label.displayFrameTick();
    const QImage midway = label.grab().toImage();
    EXPECT_NE(midway, settled);

    tickToEnd(label);
    QLabel plain;
    plain.setAlignment(Qt::AlignCenter);
    plain.setFont(font);
    plain.resize(200, 80);
    plain.setText(QStringLiteral("1447"));
    EXPECT_EQ(label.grab().toImage(), plain.grab().toImage());
}

TEST(MorphingLabel, RightToLeftMirrorsTheAlignmentOfTheMovingCharacters)
{
    MorphingLabel label;
    label.setFrameDuration(1.0 / 60.0);
    label.resize(300, 60);
    label.setContentsMargins(0, 0, 0, 0);
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label.setLayoutDirection(Qt::RightToLeft);
    label.setText(QString::fromUtf8("١٤٤٧"));
    const auto &rects = label.model().newRects();
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_NEAR(rects.back().right(), 300.0, 0.5); // leading edge is the right one
    label.setLayoutDirection(Qt::LeftToRight);
    EXPECT_NEAR(label.model().newRects().front().left(), 0.0, 0.5);
}

TEST(MorphingLabel, AnArabicMinusSignSitsAfterItsDigitsAsThePlainLabelShowsIt)
{
    // "-12" in Arabic: an Arabic letter mark, the minus sign, then the digits.
    const QString minusTwelve = QString::fromUtf8("\u061C-\u0661\u0662");
    for (const Qt::LayoutDirection direction : {Qt::RightToLeft, Qt::LeftToRight}) {
        MorphingLabel label;
        label.setLayoutDirection(direction);
        label.resize(300, 60);
        label.setText(minusTwelve);
        const auto &rects = label.model().newRects();
        ASSERT_EQ(rects.size(), 4u);
        EXPECT_GT(rects[1].left(), rects[3].left()) << "minus right of the digits";
        EXPECT_GT(rects[3].left(), rects[2].left()) << "the digits themselves run left to right";
    }
}

TEST(MorphingLabel, TextSetThroughAPlainLabelPointerIsPutBackBySettingTheLabelsText)
{
    MorphingLabel label;
    label.setText(QStringLiteral("3"));
    static_cast<QLabel &>(label).setText(QStringLiteral("x"));
    label.setText(QStringLiteral("3"));
    EXPECT_EQ(label.text(), QStringLiteral("3"));
}

namespace {

// An effect added the way the label expects: a loader named after the effect.
class FallingLabel : public MorphingLabel
{
    Q_OBJECT
public:
    int loads = 0;
    Q_INVOKABLE void FallLoad()
    {
        ++loads;
        model().startClosures[components::hookKey(components::MorphingEffect::fall,
                                                  components::MorphingPhases::start)] = [] {};
    }
};

} // namespace

TEST(MorphingLabel, AnEffectLoaderOfASubclassRunsWhenTheLabelIsPlacedInAParent)
{
    QWidget parent;
    FallingLabel falling;
    falling.setParent(&parent);
    EXPECT_EQ(falling.loads, 1);
    EXPECT_EQ(falling.model().startClosures.count(QStringLiteral("FallStart")), 1u);

    // A plain label has no loaders: its hook maps stay empty.
    MorphingLabel plain;
    plain.setParent(&parent);
    EXPECT_TRUE(plain.model().startClosures.empty());
    EXPECT_TRUE(plain.model().effectClosures.empty());
}

#include "MorphingLabelTest.moc"
