// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/visual/MorphingModel.h"

#include <QLabel>

class QTimer;

namespace components {

// A label that animates each change of its text character by character:
// shared characters slide to their new places, removed ones shrink and fade,
// new ones grow in from their baseline, each a little after its neighbour.
// When idle, or with morphing switched off, it draws exactly like a QLabel.
// Set the text through this class (not through a QLabel pointer) so the
// change animates.
class MorphingLabel : public QLabel
{
    Q_OBJECT
public:
    explicit MorphingLabel(QWidget *parent = nullptr);
    explicit MorphingLabel(const QString &text, QWidget *parent = nullptr);
    ~MorphingLabel() override;

    void setText(const QString &text);
    QString text() const { return QLabel::text(); }

    void setTextColor(const QColor &color);
    QColor textColor() const;
    // Same as QWidget::setFont; recomputes the character rectangles.
    void setLabelFont(const QFont &font) { setFont(font); }

    float morphingDuration() const { return model_.morphingDuration(); }
    void setMorphingDuration(float seconds) { model_.setMorphingDuration(seconds); }
    float morphingCharacterDelay() const { return model_.morphingCharacterDelay(); }
    void setMorphingCharacterDelay(float seconds) { model_.setMorphingCharacterDelay(seconds); }
    bool morphingEnabled() const { return model_.morphingEnabled(); }
    void setMorphingEnabled(bool enabled);
    MorphingEffect morphingEffect() const { return model_.morphingEffect(); }
    void setMorphingEffect(MorphingEffect effect) { model_.setMorphingEffect(effect); }
    float morphingProgress() const { return model_.morphingProgress(); }
    bool isMorphing() const { return model_.isAnimating(); }

    // The frame timer's frame duration in seconds: 1 / the screen's refresh
    // rate unless set (tests set it; 0 goes back to the screen's).
    void setFrameDuration(double seconds);
    double frameDuration() const;
    // True while the frame timer runs.
    bool isFrameTimerActive() const;

    // The state behind the drawing, and the effect hook maps.
    MorphingModel &model() { return model_; }
    const MorphingModel &model() const { return model_; }

public slots:
    // One frame: called by the frame timer; tests may call it directly.
    void displayFrameTick();

signals:
    void morphingDidStart();
    void morphingOnProgress(float progress);
    void morphingDidComplete();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateLayout();
    void loadEffects();

    MorphingModel model_;
    QTimer *displayLink_ = nullptr;
    double frameDurationOverride_ = 0.0;
    Qt::Alignment laidOutAlignment_;
    QRect laidOutBounds_;
};

} // namespace components
