// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The morphing label's decisions: diff, frame counting, rectangles and the
// characters drawn in a frame. No display needed.
#include "components/visual/MorphingModel.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace components;
using Type = CharacterDiffType;

namespace {

CharacterDiffResult result(Type type, int offset = 0, bool skip = false)
{
    return {type, offset, skip};
}

// Every character 10 wide and 20 high, so positions are easy to read.
MorphingModel fixedWidthModel(Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    MorphingModel model;
    model.setMeasure([](const QString &s) { return QSizeF(10.0 * double(userCharacters(s).size()), 20.0); });
    model.setBounds(QRectF(0, 0, 100, 40));
    model.setAlignment(alignment);
    model.setPointSize(20.0f);
    return model;
}

// Runs ticks until the change finishes; returns how many ticks it took.
int runToEnd(MorphingModel &model, float frameDuration)
{
    int ticks = 0;
    while (ticks < 10000) {
        ++ticks;
        if (model.displayFrameTick(frameDuration) == MorphingModel::Tick::finished)
            break;
    }
    return ticks;
}

} // namespace

TEST(MorphingDiff, ChangingTheLastDigitDeletesItAndDrawsTheNewOneInItsPlace)
{
    EXPECT_EQ(
        diff(QStringLiteral("1446"), QStringLiteral("1447")),
        (std::vector{result(Type::same), result(Type::same), result(Type::same), result(Type::deleted)}));
}

TEST(MorphingDiff, ShorterTextDeletesTheTailAndLongerTextAddsIt)
{
    EXPECT_EQ(diff(QStringLiteral("10"), QStringLiteral("1")),
              (std::vector{result(Type::same), result(Type::deleted)}));
    EXPECT_EQ(diff(QString(), QStringLiteral("5")), (std::vector{result(Type::add)}));
    EXPECT_EQ(diff(QStringLiteral("5"), QStringLiteral("57")),
              (std::vector{result(Type::same), result(Type::add)}));
    EXPECT_TRUE(diff(QString(), QString()).empty());
}

TEST(MorphingDiff, SwappedCharactersMoveToEachOthersPlaceAndSkipTheirTargets)
{
    EXPECT_EQ(diff(QStringLiteral("12"), QStringLiteral("21")),
              (std::vector{result(Type::moveAndAdd, 1, true), result(Type::moveAndAdd, -1, true)}));
}

TEST(MorphingDiff, RepeatedCharactersPairUpInOrderFromTheStartOfTheNewText)
{
    EXPECT_EQ(diff(QStringLiteral("112"), QStringLiteral("211")),
              (std::vector{result(Type::moveAndAdd, 1, true), result(Type::moveAndAdd, 1, true),
                           result(Type::moveAndAdd, -2, true)}));
}

TEST(MorphingDiff, CharacterBeyondTheNewEndMovesWithoutAddingAndMiddleMismatchesAreReplaced)
{
    // "3" sits at old index 2, past the end of the one-character new text.
    EXPECT_EQ(diff(QStringLiteral("123"), QStringLiteral("3")),
              (std::vector{result(Type::deleted, 0, true), result(Type::deleted), result(Type::move, -2)}));
    EXPECT_EQ(diff(QStringLiteral("abc"), QStringLiteral("xyc")),
              (std::vector{result(Type::replace), result(Type::replace), result(Type::same)}));
}

TEST(MorphingDiff, ComparesUserPerceivedCharactersNotCodeUnits)
{
    // Arabic-Indic digits, and a letter with a combining accent, count as one character each.
    EXPECT_EQ(
        diff(QString::fromUtf8("١٤٤٦"), QString::fromUtf8("١٤٤٧")),
        (std::vector{result(Type::same), result(Type::same), result(Type::same), result(Type::deleted)}));
    EXPECT_EQ(userCharacters(QString::fromUtf8("e\u0301x")).size(), 2);
    EXPECT_EQ(diff(QString::fromUtf8("e\u0301"), QString::fromUtf8("e\u0301")),
              (std::vector{result(Type::same)}));
}

TEST(MorphingEasing, StartsAtBEndsAtBPlusCAndRunsFastFirst)
{
    EXPECT_FLOAT_EQ(easeOutQuint(0.0f, 5.0f, 10.0f), 5.0f);
    EXPECT_FLOAT_EQ(easeOutQuint(1.0f, 5.0f, 10.0f), 15.0f);
    EXPECT_GT(easeOutQuint(0.5f, 0.0f, 1.0f), 0.9f);
}

TEST(MorphingFrames, AChangeAtSixtyHertzLastsDurationPlusDelayPlusFiveFrames)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("12"));
    model.displayFrameTick(1.0f / 60.0f); // finish the first change
    runToEnd(model, 1.0f / 60.0f);

    ASSERT_TRUE(model.setText(QStringLiteral("13")));
    const int ticks = runToEnd(model, 1.0f / 60.0f);
    EXPECT_EQ(model.totalFrames(), 36);
    EXPECT_EQ(model.totalDelayFrames(), 4);
    EXPECT_EQ(ticks, 45); // 44 advancing frames, then the one that stops the timer
    EXPECT_NEAR(model.morphingProgress(), 44.0f / 36.0f, 1e-4f);
    EXPECT_FALSE(model.isAnimating());
}

TEST(MorphingFrames, AChangeAtOneHundredTwentyHertzCountsTwiceTheFrames)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("1446"));
    runToEnd(model, 1.0f / 120.0f);
    model.setText(QStringLiteral("1447"));
    const int ticks = runToEnd(model, 1.0f / 120.0f);
    EXPECT_EQ(model.totalFrames(), 72);
    EXPECT_EQ(model.totalDelayFrames(), 13); // ceil(4 x 0.026 x 120)
    EXPECT_EQ(ticks, 72 + 13 + 5);
}

TEST(MorphingFrames, FrameCountUsesTheTimersFrameDurationPerTick)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("1"));
    // A 120 Hz screen ticking every second frame ticks at 60 Hz.
    model.displayFrameTick(1.0f / 120.0f, 2);
    EXPECT_EQ(model.totalFrames(), 36);
    // Re-measured only at the first frame of a change.
    model.displayFrameTick(1.0f / 30.0f);
    EXPECT_EQ(model.totalFrames(), 36);
}

TEST(MorphingFrames, ATimerWithoutAFrameDurationCountsAsSixtyHertzInsteadOfDividingByZero)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("7"));
    model.displayFrameTick(0.0f);
    EXPECT_EQ(model.totalFrames(), 36);
    EXPECT_TRUE(std::isfinite(model.morphingProgress()));
}

TEST(MorphingText, SameTextAgainChangesNothingAndDisabledMorphingStartsNothing)
{
    MorphingModel model = fixedWidthModel();
    EXPECT_TRUE(model.setText(QStringLiteral("9")));
    runToEnd(model, 1.0f / 60.0f);
    EXPECT_FALSE(model.setText(QStringLiteral("9")));
    EXPECT_FALSE(model.isAnimating());
    EXPECT_EQ(model.previousText(), QString());

    model.setMorphingEnabled(false);
    EXPECT_FALSE(model.setText(QStringLiteral("10")));
    EXPECT_FALSE(model.isAnimating());
    EXPECT_EQ(model.text(), QStringLiteral("10"));
}

TEST(MorphingText, NewTextMidAnimationRestartsFromTheTextThenShown)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("12"));
    runToEnd(model, 1.0f / 60.0f);
    model.setText(QStringLiteral("13"));
    for (int i = 0; i < 10; ++i)
        model.displayFrameTick(1.0f / 60.0f);
    ASSERT_GT(model.morphingProgress(), 0.2f);

    EXPECT_TRUE(model.setText(QStringLiteral("14")));
    EXPECT_EQ(model.previousText(), QStringLiteral("13"));
    EXPECT_EQ(model.morphingProgress(), 0.0f);
    EXPECT_EQ(model.currentFrame(), 0);
    EXPECT_EQ(model.totalFrames(), 0);
    EXPECT_TRUE(model.isAnimating());
    EXPECT_EQ(runToEnd(model, 1.0f / 60.0f), 45);
}

TEST(MorphingLayout, CentredAndRightAlignedTextSitsInTheBoundsByItsMeasuredWidth)
{
    MorphingModel centred = fixedWidthModel(Qt::AlignCenter);
    centred.setText(QStringLiteral("12"));
    ASSERT_EQ(centred.newRects().size(), 2u);
    EXPECT_EQ(centred.newRects()[0], QRectF(40, 10, 10, 20));
    EXPECT_EQ(centred.newRects()[1], QRectF(50, 10, 10, 20));
    EXPECT_FLOAT_EQ(centred.totalWidth(), 20.0f);

    MorphingModel right = fixedWidthModel(Qt::AlignRight | Qt::AlignVCenter);
    right.setText(QStringLiteral("12"));
    EXPECT_EQ(right.newRects()[1].right(), 100.0);

    MorphingModel left = fixedWidthModel();
    left.setText(QStringLiteral("12"));
    EXPECT_EQ(left.newRects()[0].left(), 0.0);
}

TEST(MorphingLimbo, AtProgressZeroOldCharactersAreWholeAndNewOnesAreInvisible)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("5"));
    runToEnd(model, 1.0f / 60.0f);
    model.setText(QStringLiteral("7"));
    const auto limbo = model.limboList();
    ASSERT_EQ(limbo.size(), 2u); // old "5" shrinking, new "7" growing (a delete also draws the new character)
    EXPECT_EQ(limbo[0].character, QStringLiteral("5"));
    EXPECT_FLOAT_EQ(limbo[0].size, 20.0f);
    EXPECT_FLOAT_EQ(limbo[0].alpha, 1.0f);
    EXPECT_EQ(limbo[1].character, QStringLiteral("7"));
    EXPECT_FLOAT_EQ(limbo[1].size, 0.0001f);
    EXPECT_FLOAT_EQ(limbo[1].alpha, 0.0f);
    // Grows from its baseline: moved down by the size it lacks.
    EXPECT_NEAR(limbo[1].rect.top(), model.newRects()[0].top() + 20.0 - 0.0001, 1e-4);
}

TEST(MorphingLimbo, AtTheEndRemovedCharactersVanishAndTheRestFormThePlainText)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("10"));
    runToEnd(model, 1.0f / 60.0f);
    model.setText(QStringLiteral("1"));
    runToEnd(model, 1.0f / 60.0f);
    const auto limbo = model.limboList();
    // "1" stays, "0" shrinks away; nothing new is drawn at index 1.
    ASSERT_EQ(limbo.size(), 2u);
    EXPECT_EQ(limbo[0].character, QStringLiteral("1"));
    EXPECT_FLOAT_EQ(limbo[0].size, 20.0f);
    EXPECT_EQ(limbo[0].rect.x(), model.newRects()[0].x());
    EXPECT_EQ(limbo[1].character, QStringLiteral("0"));
    EXPECT_FLOAT_EQ(limbo[1].size, 0.0001f);
    EXPECT_LE(limbo[1].alpha, 0.0f);
}

TEST(MorphingLimbo, FromEmptyTheNewCharacterGrowsToFullSizeWithAlphaFollowingProgress)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("5"));
    for (int i = 0; i < 9; ++i)
        model.displayFrameTick(1.0f / 60.0f);
    auto limbo = model.limboList();
    ASSERT_EQ(limbo.size(), 1u);
    EXPECT_FLOAT_EQ(limbo[0].alpha, model.morphingProgress());
    EXPECT_GT(limbo[0].size, 1.0f);
    EXPECT_LT(limbo[0].size, 20.0f);
    runToEnd(model, 1.0f / 60.0f);
    limbo = model.limboList();
    EXPECT_FLOAT_EQ(limbo[0].size, 20.0f);
    EXPECT_FLOAT_EQ(limbo[0].alpha, 1.0f);
}

TEST(MorphingLimbo, SwappedCharactersSlideToEachOthersPlaceWithNothingNewDrawn)
{
    MorphingModel model = fixedWidthModel();
    model.setText(QStringLiteral("12"));
    runToEnd(model, 1.0f / 60.0f);
    model.setText(QStringLiteral("21"));
    auto limbo = model.limboList();
    ASSERT_EQ(limbo.size(), 2u);
    EXPECT_EQ(limbo[0].rect.x(), 0.0);
    for (int i = 0; i < 10; ++i)
        model.displayFrameTick(1.0f / 60.0f);
    limbo = model.limboList();
    EXPECT_GT(limbo[0].rect.x(), 0.0);
    EXPECT_LT(limbo[0].rect.x(), 10.0);
    runToEnd(model, 1.0f / 60.0f);
    limbo = model.limboList();
    EXPECT_EQ(limbo[0].character, QStringLiteral("1"));
    EXPECT_FLOAT_EQ(float(limbo[0].rect.x()), 10.0f);
    EXPECT_EQ(limbo[1].character, QStringLiteral("2"));
    EXPECT_FLOAT_EQ(float(limbo[1].rect.x()), 0.0f);
}

TEST(MorphingHooks, KeysJoinEffectAndPhaseNamesAndRegisteredHooksReplaceTheBuiltInBehaviour)
{
    EXPECT_EQ(hookKey(MorphingEffect::scale, MorphingPhases::start), QStringLiteral("ScaleStart"));
    EXPECT_EQ(hookKey(MorphingEffect::anvil, MorphingPhases::skipFrames), QStringLiteral("AnvilSkipFrames"));

    MorphingModel model = fixedWidthModel();
    int starts = 0;
    model.setMorphingEffect(MorphingEffect::fall);
    model.startClosures[QStringLiteral("FallStart")] = [&] { ++starts; };
    model.effectClosures[QStringLiteral("FallAppear")] = [](const QString &c, int, float) {
        return CharacterLimbo{c, QRectF(1, 2, 3, 4), 0.5f, 7.0f, 0.0f};
    };
    model.skipFramesClosures[QStringLiteral("FallSkipFrames")] = [] { return 1; };
    model.setText(QStringLiteral("8"));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(model.limboList().at(0).size, 7.0f);
    // With a skip-frames hook of 1, every second frame redraws.
    EXPECT_EQ(model.displayFrameTick(1.0f / 60.0f), MorphingModel::Tick::skipped);
    EXPECT_EQ(model.displayFrameTick(1.0f / 60.0f), MorphingModel::Tick::redraw);

    // Hooks of another effect are not used.
    model.setMorphingEffect(MorphingEffect::scale);
    EXPECT_FLOAT_EQ(model.limboList().at(0).size,
                    std::max(easeOutQuint(model.morphingProgress(), 0, 20), 0.0001f));
}

TEST(MorphingLayout, APlacerDecidesWhereEachCharacterLandsBeforeAlignment)
{
    MorphingModel model = fixedWidthModel(Qt::AlignRight | Qt::AlignVCenter);
    // Right to left: the first character is shown rightmost.
    model.setPlacer([](const QString &, const QStringList &characters) {
        std::vector<QRectF> placed;
        for (int k = 0; k < int(characters.size()); ++k)
            placed.emplace_back(10.0 * double(characters.size() - 1 - k), 0.0, 10.0, 0.0);
        return placed;
    });
    model.setText(QStringLiteral("123"));
    ASSERT_EQ(model.newRects().size(), 3u);
    EXPECT_EQ(model.newRects()[0], QRectF(90, 10, 10, 20));
    EXPECT_EQ(model.newRects()[2], QRectF(70, 10, 10, 20));
    EXPECT_FLOAT_EQ(model.totalWidth(), 30.0f);
}
