// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/MorphingModel.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace components {

namespace {

// Frame rate assumed when the frame timer cannot tell its own.
constexpr float fallbackFrameDuration = 1.0f / 60.0f;
// Frames added after the staggered end so every character settles at progress 1.
constexpr int settleFrames = 5;
// Shrunk characters keep a tiny positive size: fonts reject zero.
constexpr float minimumCharacterSize = 0.0001f;

float clamp01(float value)
{
    return std::clamp(value, 0.0f, 1.0f);
}

} // namespace

QString effectName(MorphingEffect effect)
{
    switch (effect) {
    case MorphingEffect::scale:
        return QStringLiteral("Scale");
    case MorphingEffect::evaporate:
        return QStringLiteral("Evaporate");
    case MorphingEffect::fall:
        return QStringLiteral("Fall");
    case MorphingEffect::pixelate:
        return QStringLiteral("Pixelate");
    case MorphingEffect::sparkle:
        return QStringLiteral("Sparkle");
    case MorphingEffect::burn:
        return QStringLiteral("Burn");
    case MorphingEffect::anvil:
        return QStringLiteral("Anvil");
    }
    return {};
}

QString phaseName(MorphingPhases phase)
{
    switch (phase) {
    case MorphingPhases::start:
        return QStringLiteral("Start");
    case MorphingPhases::appear:
        return QStringLiteral("Appear");
    case MorphingPhases::disappear:
        return QStringLiteral("Disappear");
    case MorphingPhases::draw:
        return QStringLiteral("Draw");
    case MorphingPhases::progress:
        return QStringLiteral("Progress");
    case MorphingPhases::skipFrames:
        return QStringLiteral("SkipFrames");
    }
    return {};
}

QString hookKey(MorphingEffect effect, MorphingPhases phase)
{
    return effectName(effect) + phaseName(phase);
}

QStringList userCharacters(const QString &text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        if (end > start)
            result.append(text.mid(start, end - start));
        start = end;
    }
    return result;
}

std::vector<CharacterDiffResult> diff(const QString &oldText, const QString &newText)
{
    const QStringList lhs = userCharacters(oldText);
    const QStringList rhs = userCharacters(newText);
    const int l = int(lhs.size());
    const int r = int(rhs.size());
    std::vector<CharacterDiffResult> results(std::size_t(std::max(l, r)));
    std::vector<bool> used(std::size_t(r), false);

    for (int i = 0; i < int(results.size()); ++i) {
        if (i >= l)
            continue; // stays `add`
        auto &result = results[std::size_t(i)];
        bool found = false;
        for (int j = 0; j < r; ++j) {
            if (used[std::size_t(j)] || rhs[j] != lhs[i])
                continue;
            used[std::size_t(j)] = true;
            if (j == i) {
                result.diffType = CharacterDiffType::same;
            } else {
                result.diffType = i <= r - 1 ? CharacterDiffType::moveAndAdd : CharacterDiffType::move;
                result.moveOffset = j - i;
            }
            found = true;
            break;
        }
        if (!found)
            result.diffType = i < r - 1 ? CharacterDiffType::replace : CharacterDiffType::deleted;
    }

    for (std::size_t i = 0; i < results.size(); ++i) {
        const auto &result = results[i];
        if (result.diffType == CharacterDiffType::move || result.diffType == CharacterDiffType::moveAndAdd)
            results[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(i) + result.moveOffset)].skip = true;
    }
    return results;
}

float easeOutQuint(float t, float b, float c)
{
    const float u = t - 1.0f;
    return c * (u * u * u * u * u + 1.0f) + b;
}

MorphingModel::MorphingModel() = default;

bool MorphingModel::setText(const QString &text)
{
    if (text == text_)
        return false;
    previousText_ = text_;
    diffResults_ = diff(previousText_, text);
    text_ = text;
    previousCharacters_ = userCharacters(previousText_);
    characters_ = userCharacters(text_);

    morphingProgress_ = 0.0f;
    currentFrame_ = 0;
    totalFrames_ = 0;
    skipFramesCount_ = 0;
    layout();

    animating_ = morphingEnabled_ && previousText_ != text_;
    if (animating_) {
        if (auto hook = startClosures.find(key(MorphingPhases::start));
            hook != startClosures.end() && hook->second)
            hook->second();
    }
    return animating_;
}

void MorphingModel::setMeasure(Measure measure)
{
    measure_ = std::move(measure);
    layout();
}

void MorphingModel::setPlacer(Placer placer)
{
    placer_ = std::move(placer);
    layout();
}

void MorphingModel::setBounds(const QRectF &bounds)
{
    bounds_ = bounds;
    layout();
}

void MorphingModel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    layout();
}

void MorphingModel::setPointSize(float size)
{
    pointSize_ = std::max(size, minimumCharacterSize);
}

void MorphingModel::layout()
{
    previousRects_ = rects(previousText_);
    newRects_ = rects(text_);
}

std::vector<QRectF> MorphingModel::rects(const QString &text)
{
    std::vector<QRectF> result;
    if (!measure_)
        return result;
    charHeight_ = float(measure_(QStringLiteral("Leg")).height());
    qreal top = bounds_.top();
    if (alignment_ & Qt::AlignBottom)
        top = bounds_.bottom() - charHeight_;
    else if (!(alignment_ & Qt::AlignTop))
        top = bounds_.top() + (bounds_.height() - charHeight_) / 2.0;

    const QStringList characters = userCharacters(text);
    qreal x = 0.0;
    std::vector<QRectF> placed = placer_ ? placer_(text, characters) : std::vector<QRectF>();
    if (placed.size() == std::size_t(characters.size())) {
        for (const QRectF &rect : placed) {
            result.emplace_back(QPointF(rect.x(), top), QSizeF(rect.width(), charHeight_));
            x = std::max(x, rect.right());
        }
    } else {
        for (const QString &character : characters) {
            const QSizeF size = measure_(character);
            result.emplace_back(QPointF(x, top), size);
            x += size.width();
        }
    }
    totalWidth_ = float(x);

    qreal shift = 0.0;
    if (alignment_ & Qt::AlignHCenter)
        shift = (bounds_.width() - x) / 2.0;
    else if (alignment_ & Qt::AlignRight)
        shift = bounds_.width() - x;
    for (QRectF &rect : result)
        rect.translate(bounds_.left() + shift, 0.0);
    return result;
}

MorphingModel::Tick MorphingModel::displayFrameTick(float frameDuration, int frameInterval)
{
    if (totalFrames_ == 0) {
        // Measured once per change from the timer's own frame duration, never
        // from wall-clock time. A timer that ticks every n-th screen frame
        // ticks every n x duration seconds (dividing would stretch the change
        // n squared times). A timer that cannot tell (0) counts as 60 Hz so the
        // progress step stays finite.
        const float frameRate =
            frameDuration > 0.0f ? frameDuration * float(std::max(frameInterval, 1)) : fallbackFrameDuration;
        const float characterCount = float(characters_.size());
        totalFrames_ = std::max(1, int(std::ceil(morphingDuration_ / frameRate)));
        totalDelayFrames_ = int(std::ceil(characterCount * morphingCharacterDelay_ / frameRate));
    }
    ++currentFrame_;

    if (previousText_ != text_ && currentFrame_ < totalFrames_ + totalDelayFrames_ + settleFrames) {
        morphingProgress_ += 1.0f / float(totalFrames_);
        if (auto hook = skipFramesClosures.find(key(MorphingPhases::skipFrames));
            hook != skipFramesClosures.end() && hook->second) {
            ++skipFramesCount_;
            if (hook->second() < skipFramesCount_) {
                skipFramesCount_ = 0;
                return Tick::redraw;
            }
            return Tick::skipped;
        }
        return Tick::redraw;
    }
    animating_ = false;
    return Tick::finished;
}

std::vector<CharacterLimbo> MorphingModel::limboList() const
{
    std::vector<CharacterLimbo> limbo;
    const auto progressHook = progressClosures.find(key(MorphingPhases::progress));
    const bool hasProgressHook = progressHook != progressClosures.end() && progressHook->second;

    const QStringList &previous = previousCharacters_;
    for (int i = 0; i < int(previous.size()); ++i) {
        const float p = hasProgressHook ? progressHook->second(i, morphingProgress_, false)
                                        : clamp01(morphingProgress_ + morphingCharacterDelay_ * float(i));
        if (std::size_t(i) < previousRects_.size() && std::size_t(i) < diffResults_.size())
            limbo.push_back(limboOfOriginal(previous[i], i, p));
    }

    const QStringList &current = characters_;
    for (int i = 0; i < int(current.size()) && std::size_t(i) < diffResults_.size(); ++i) {
        const float p = hasProgressHook ? progressHook->second(i, morphingProgress_, true)
                                        : clamp01(morphingProgress_ - morphingCharacterDelay_ * float(i));
        const CharacterDiffResult &result = diffResults_[std::size_t(i)];
        if (result.skip)
            continue;
        switch (result.diffType) {
        case CharacterDiffType::add:
        case CharacterDiffType::deleted:
        case CharacterDiffType::moveAndAdd:
        case CharacterDiffType::replace:
            if (std::size_t(i) < newRects_.size())
                limbo.push_back(limboOfNew(current[i], i, p));
            break;
        case CharacterDiffType::same:
        case CharacterDiffType::move:
            break; // the old character moving here covers it
        }
    }
    return limbo;
}

CharacterLimbo MorphingModel::limboOfOriginal(const QString &character, int index, float progress) const
{
    const CharacterDiffResult &result = diffResults_[std::size_t(index)];
    QRectF rect = previousRects_[std::size_t(index)];
    CharacterLimbo limbo{character, rect, 1.0f, pointSize_, 0.0f};

    switch (result.diffType) {
    case CharacterDiffType::same:
    case CharacterDiffType::move:
    case CharacterDiffType::moveAndAdd: {
        const auto target = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(index) + result.moveOffset);
        if (target < newRects_.size()) {
            const float oldX = float(rect.x());
            const float newX = float(newRects_[target].x());
            rect.moveLeft(easeOutQuint(progress, oldX, newX - oldX));
        }
        limbo.rect = rect;
        return limbo;
    }
    case CharacterDiffType::add:
    case CharacterDiffType::deleted:
    case CharacterDiffType::replace:
        break;
    }

    if (auto hook = effectClosures.find(key(MorphingPhases::disappear));
        hook != effectClosures.end() && hook->second)
        return hook->second(character, index, progress);
    const float size = std::max(pointSize_ - easeOutQuint(progress, 0.0f, pointSize_), minimumCharacterSize);
    limbo.size = size;
    limbo.alpha = 1.0f - progress;
    limbo.rect = rect.translated(0.0, qreal(pointSize_ - size));
    return limbo;
}

CharacterLimbo MorphingModel::limboOfNew(const QString &character, int index, float progress) const
{
    if (auto hook = effectClosures.find(key(MorphingPhases::appear));
        hook != effectClosures.end() && hook->second)
        return hook->second(character, index, progress);
    const float size = std::max(easeOutQuint(progress, 0.0f, pointSize_), minimumCharacterSize);
    const QRectF rect = newRects_[std::size_t(index)].translated(0.0, qreal(pointSize_ - size));
    // The whole label's progress, not this character's; it runs past 1 while
    // the staggered characters settle, and opacity stops at 1.
    return CharacterLimbo{character, rect, clamp01(morphingProgress_), size, 0.0f};
}

} // namespace components
