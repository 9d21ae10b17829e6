// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>
#include <map>
#include <vector>

class QPainter;

namespace components {

// How one character index fares between the old and the new text.
enum class CharacterDiffType
{
    same = 0,
    add = 1,
    deleted = 2, // "delete" is a C++ keyword
    move = 3,
    moveAndAdd = 4,
    replace = 5,
};

struct CharacterDiffResult
{
    CharacterDiffType diffType = CharacterDiffType::add;
    // New index minus old index of a moved character.
    int moveOffset = 0;
    // This index of the new text is already covered by a character moving there.
    bool skip = false;
    bool operator==(const CharacterDiffResult &) const = default;
};

// One character as the current frame draws it.
struct CharacterLimbo
{
    QString character;
    QRectF rect;
    float alpha = 1.0f;
    // Font size in the label's size unit (logical pixels).
    float size = 0.0f;
    float drawingProgress = 0.0f;
};

// The effects a label may be set to. Only scale has a drawing of its own;
// the others keep their names and hook keys so that a subclass can register
// hooks for them, and until one does they fall back to the scale effect.
enum class MorphingEffect
{
    scale = 0,
    evaporate = 1,
    fall = 2,
    pixelate = 3,
    sparkle = 4,
    burn = 5,
    anvil = 6
};
inline constexpr MorphingEffect allMorphingEffects[] = {
    MorphingEffect::scale,   MorphingEffect::evaporate, MorphingEffect::fall, MorphingEffect::pixelate,
    MorphingEffect::sparkle, MorphingEffect::burn,      MorphingEffect::anvil};
enum class MorphingPhases
{
    start,
    appear,
    disappear,
    draw,
    progress,
    skipFrames
};

// "Scale", "Evaporate", ...
QString effectName(MorphingEffect effect);
// "Start", "Appear", "Disappear", "Draw", "Progress", "SkipFrames".
QString phaseName(MorphingPhases phase);
// The key a hook is registered under: effect name followed by phase name.
QString hookKey(MorphingEffect effect, MorphingPhases phase);

// User-perceived characters (grapheme clusters) of a string.
QStringList userCharacters(const QString &text);

// Index-by-index comparison of two strings; one result per index of the
// longer one. The first unused match in the new text wins, scanning from its start.
std::vector<CharacterDiffResult> diff(const QString &oldText, const QString &newText);

// c * ((t - 1)^5 + 1) + b: b at t = 0, b + c at t = 1, fast first and slow at the end.
float easeOutQuint(float t, float b, float c);

// Everything a morphing label decides, without painting: the diff of a text
// change, frame counting from the frame timer's own frame duration, the
// character rectangles and the list of characters to draw in a frame.
class MorphingModel
{
public:
    // Size of a string drawn in the label's font.
    using Measure = std::function<QSizeF(const QString &)>;
    // Optional: where each character of a text lands when the whole text is
    // laid out (x from 0; one rectangle per character, in logical order), so
    // right-to-left runs such as an Arabic minus sign sit where the plain
    // label draws them. Without it characters follow each other left to right.
    using Placer = std::function<std::vector<QRectF>(const QString &text, const QStringList &characters)>;

    // Hooks of an effect, looked up under hookKey(effect, phase).
    using StartHook = std::function<void()>;
    // Appear and disappear: the limbo of a character at an index and progress.
    using EffectHook = std::function<CharacterLimbo(const QString &character, int index, float progress)>;
    // Returns true when it drew the character itself.
    using DrawHook = std::function<bool(QPainter *painter, const CharacterLimbo &limbo)>;
    using ProgressHook = std::function<float(int index, float progress, bool isNewCharacter)>;
    using SkipFramesHook = std::function<int()>;

    enum class Tick
    {
        redraw,
        skipped,
        finished
    };

    MorphingModel();

    float morphingProgress() const { return morphingProgress_; }
    float morphingDuration() const { return morphingDuration_; }
    void setMorphingDuration(float seconds) { morphingDuration_ = seconds; }
    float morphingCharacterDelay() const { return morphingCharacterDelay_; }
    void setMorphingCharacterDelay(float seconds) { morphingCharacterDelay_ = seconds; }
    bool morphingEnabled() const { return morphingEnabled_; }
    void setMorphingEnabled(bool enabled) { morphingEnabled_ = enabled; }
    MorphingEffect morphingEffect() const { return morphingEffect_; }
    void setMorphingEffect(MorphingEffect effect) { morphingEffect_ = effect; }

    QString text() const { return text_; }
    QString previousText() const { return previousText_; }
    const std::vector<CharacterDiffResult> &diffResults() const { return diffResults_; }
    int currentFrame() const { return currentFrame_; }
    int totalFrames() const { return totalFrames_; }
    int totalDelayFrames() const { return totalDelayFrames_; }
    float totalWidth() const { return totalWidth_; }
    float charHeight() const { return charHeight_; }
    const std::vector<QRectF> &previousRects() const { return previousRects_; }
    const std::vector<QRectF> &newRects() const { return newRects_; }

    // Starts a change. Returns true when the frame timer should run (a real
    // change with morphing enabled); the start hook has run by then.
    bool setText(const QString &text);

    // Layout inputs; the rectangles are recomputed right away.
    void setMeasure(Measure measure);
    void setPlacer(Placer placer);
    void setBounds(const QRectF &bounds);
    void setAlignment(Qt::Alignment alignment);
    // The font size that characters shrink from and grow to.
    void setPointSize(float size);
    float pointSize() const { return pointSize_; }
    void layout();
    // One rectangle per character of `text`, placed in the bounds by the alignment.
    std::vector<QRectF> rects(const QString &text);

    // One frame of the timer. frameDuration: seconds between screen frames;
    // frameInterval: screen frames per tick.
    Tick displayFrameTick(float frameDuration, int frameInterval = 1);
    // True from a change until the frame limit is reached.
    bool isAnimating() const { return animating_; }

    std::vector<CharacterLimbo> limboList() const;

    std::map<QString, StartHook> startClosures;
    std::map<QString, EffectHook> effectClosures;
    std::map<QString, DrawHook> drawingClosures;
    std::map<QString, ProgressHook> progressClosures;
    std::map<QString, SkipFramesHook> skipFramesClosures;

private:
    CharacterLimbo limboOfOriginal(const QString &character, int index, float progress) const;
    CharacterLimbo limboOfNew(const QString &character, int index, float progress) const;
    QString key(MorphingPhases phase) const { return hookKey(morphingEffect_, phase); }

    float morphingProgress_ = 0.0f;
    float morphingDuration_ = 0.6f;
    float morphingCharacterDelay_ = 0.026f;
    bool morphingEnabled_ = true;
    MorphingEffect morphingEffect_ = MorphingEffect::scale;
    std::vector<CharacterDiffResult> diffResults_;
    QString previousText_;
    QString text_;
    // The two texts split into user-perceived characters once per change.
    QStringList previousCharacters_;
    QStringList characters_;
    int currentFrame_ = 0;
    int totalFrames_ = 0;
    int totalDelayFrames_ = 0;
    float totalWidth_ = 0.0f;
    std::vector<QRectF> previousRects_;
    std::vector<QRectF> newRects_;
    float charHeight_ = 0.0f;
    int skipFramesCount_ = 0;
    bool animating_ = false;

    Measure measure_;
    Placer placer_;
    QRectF bounds_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
    float pointSize_ = 17.0f;
};

} // namespace components
