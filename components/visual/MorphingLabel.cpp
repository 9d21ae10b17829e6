// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/MorphingLabel.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QMetaMethod>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <unicode/ubidi.h>

namespace components {

namespace {

// Places the characters side by side in the order the bidirectional algorithm
// shows them, with the label's direction as the paragraph's: an Arabic minus
// sign lands after its digits, as the plain label draws it. Text without
// right-to-left characters keeps its own order.
std::vector<QRectF> placeInVisualOrder(const QString &text, const QStringList &characters, bool rightToLeft,
                                       const QFontMetricsF &metrics)
{
    std::vector<QRectF> placed;
    const int32_t length = int32_t(text.size());
    std::vector<int32_t> visualIndex(std::size_t(std::max(length, 1)));
    UErrorCode status = U_ZERO_ERROR;
    UBiDi *bidi = ubidi_openSized(length, 0, &status);
    ubidi_setPara(bidi, reinterpret_cast<const UChar *>(text.utf16()), length, rightToLeft ? 1 : 0, nullptr,
                  &status);
    ubidi_getLogicalMap(bidi, visualIndex.data(), &status);
    ubidi_close(bidi);
    if (U_FAILURE(status))
        return placed; // the model falls back to logical order

    // Each character sorts by the leftmost place of its code units.
    std::vector<std::pair<int32_t, int>> order;
    int32_t position = 0;
    for (int k = 0; k < int(characters.size()); ++k) {
        int32_t key = INT32_MAX;
        for (int32_t unit = position; unit < position + int32_t(characters[k].size()) && unit < length;
             ++unit)
            key = std::min(key, visualIndex[std::size_t(unit)]);
        order.emplace_back(key, k);
        position += int32_t(characters[k].size());
    }
    std::stable_sort(order.begin(), order.end());
    placed.resize(std::size_t(characters.size()));
    qreal x = 0.0;
    for (const auto &[key, k] : order) {
        const qreal width = metrics.horizontalAdvance(characters[k]);
        placed[std::size_t(k)] = QRectF(x, 0.0, width, 0.0);
        x += width;
    }
    return placed;
}

} // namespace

MorphingLabel::MorphingLabel(QWidget *parent) : QLabel(parent)
{
    model_.setMeasure([this](const QString &string) {
        const QFontMetricsF metrics(font(), this);
        return QSizeF(metrics.horizontalAdvance(string), metrics.height());
    });
    model_.setPlacer([this](const QString &text, const QStringList &characters) {
        return placeInVisualOrder(text, characters, layoutDirection() == Qt::RightToLeft,
                                  QFontMetricsF(font(), this));
    });
    updateLayout();
}

MorphingLabel::MorphingLabel(const QString &text, QWidget *parent) : MorphingLabel(parent)
{
    setText(text);
}

MorphingLabel::~MorphingLabel() = default;

void MorphingLabel::setText(const QString &text)
{
    if (text == model_.text()) {
        // Someone may have set the text through a QLabel pointer meanwhile.
        if (QLabel::text() != text)
            QLabel::setText(text);
        return;
    }
    QLabel::setText(text);
    updateLayout();
    const bool started = model_.setText(text);
    if (started) {
        if (!displayLink_) {
            // Made on first use and kept for the life of the label.
            displayLink_ = new QTimer(this);
            displayLink_->setTimerType(Qt::PreciseTimer);
            connect(displayLink_, &QTimer::timeout, this, &MorphingLabel::displayFrameTick);
        }
        displayLink_->setInterval(std::max(1, int(std::lround(frameDuration() * 1000.0))));
        displayLink_->start();
        emit morphingDidStart();
    } else if (displayLink_) {
        displayLink_->stop();
    }
    update();
}

void MorphingLabel::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(foregroundRole(), color);
    setPalette(p);
}

QColor MorphingLabel::textColor() const
{
    return palette().color(foregroundRole());
}

void MorphingLabel::setMorphingEnabled(bool enabled)
{
    model_.setMorphingEnabled(enabled);
    update();
}

void MorphingLabel::setFrameDuration(double seconds)
{
    frameDurationOverride_ = seconds > 0.0 ? seconds : 0.0;
    if (displayLink_)
        displayLink_->setInterval(std::max(1, int(std::lround(frameDuration() * 1000.0))));
}

double MorphingLabel::frameDuration() const
{
    if (frameDurationOverride_ > 0.0)
        return frameDurationOverride_;
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const double rate = display ? display->refreshRate() : 0.0;
    return rate > 1.0 ? 1.0 / rate : 1.0 / 60.0;
}

bool MorphingLabel::isFrameTimerActive() const
{
    return displayLink_ && displayLink_->isActive();
}

void MorphingLabel::displayFrameTick()
{
    switch (model_.displayFrameTick(float(frameDuration()), 1)) {
    case MorphingModel::Tick::redraw:
        update();
        emit morphingOnProgress(model_.morphingProgress());
        break;
    case MorphingModel::Tick::skipped:
        emit morphingOnProgress(model_.morphingProgress());
        break;
    case MorphingModel::Tick::finished:
        if (displayLink_)
            displayLink_->stop();
        update(); // back to the plain drawing
        emit morphingDidComplete();
        break;
    }
}

void MorphingLabel::updateLayout()
{
    // Sizes are in logical pixels so that "moved down by the lost size" lines
    // up with the glyphs drawn at that size.
    const QFont current = font();
    const float pixelSize = current.pixelSize() > 0 ? float(current.pixelSize())
                                                    : float(current.pointSizeF() * logicalDpiY() / 72.0);
    model_.setPointSize(pixelSize);
    laidOutAlignment_ = QStyle::visualAlignment(layoutDirection(), alignment());
    laidOutBounds_ = contentsRect();
    model_.setAlignment(laidOutAlignment_);
    model_.setBounds(laidOutBounds_);
}

void MorphingLabel::paintEvent(QPaintEvent *event)
{
    if (!model_.morphingEnabled() || !model_.isAnimating()) {
        QLabel::paintEvent(event);
        return;
    }
    // Alignment and margins have no change event of their own.
    if (QStyle::visualAlignment(layoutDirection(), alignment()) != laidOutAlignment_ ||
        contentsRect() != laidOutBounds_)
        updateLayout();

    const std::vector<CharacterLimbo> limbo = model_.limboList();
    if (limbo.empty())
        return;

    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(textColor());
    const auto drawHook = model_.drawingClosures.find(hookKey(model_.morphingEffect(), MorphingPhases::draw));
    const bool hasDrawHook = drawHook != model_.drawingClosures.end() && drawHook->second;
    const qreal pointsPerPixel = 72.0 / logicalDpiY();
    QFont face = font();
    for (const CharacterLimbo &character : limbo) {
        if (hasDrawHook && drawHook->second(&painter, character))
            continue;
        // Invisible characters cost a font lookup each; leave them out.
        if (character.alpha <= 0.0f || character.size < 0.5f)
            continue;
        face.setPointSizeF(qreal(character.size) * pointsPerPixel);
        painter.setFont(face);
        painter.setOpacity(qreal(character.alpha));
        painter.drawText(character.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         character.character);
    }
}

void MorphingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateLayout();
}

void MorphingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
    case QEvent::StyleChange:
        updateLayout();
        break;
    case QEvent::ParentChange:
        // Placed in a new hierarchy: set up rectangles for the text again and
        // let subclasses register their effects' hooks.
        updateLayout();
        loadEffects();
        break;
    default:
        break;
    }
}

void MorphingLabel::loadEffects()
{
    // An effect is added by a subclass that declares Q_INVOKABLE void <Name>Load().
    for (MorphingEffect effect : allMorphingEffects) {
        const QByteArray method = (effectName(effect) + QStringLiteral("Load")).toLatin1();
        const QByteArray signature = method + "()";
        if (metaObject()->indexOfMethod(signature.constData()) >= 0)
            QMetaObject::invokeMethod(this, method.constData(), Qt::DirectConnection);
    }
}

} // namespace components
