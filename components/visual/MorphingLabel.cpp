#include "components/visual/MorphingLabel.h"

#include <QTimer>

namespace visual {

MorphingLabel::MorphingLabel(QWidget *parent) : QLabel(parent) {}
MorphingLabel::MorphingLabel(const QString &text, QWidget *parent) : QLabel(parent) { setText(text); }
MorphingLabel::~MorphingLabel() = default;
void MorphingLabel::setText(const QString &text) { QLabel::setText(text); }
void MorphingLabel::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}
QColor MorphingLabel::textColor() const { return palette().color(QPalette::WindowText); }
void MorphingLabel::setMorphingEnabled(bool enabled) { model_.setMorphingEnabled(enabled); }
void MorphingLabel::setFrameDuration(double seconds) { frameDurationOverride_ = seconds; }
double MorphingLabel::frameDuration() const { return frameDurationOverride_ > 0 ? frameDurationOverride_ : 1.0 / 60; }
bool MorphingLabel::isFrameTimerActive() const { return displayLink_ && displayLink_->isActive(); }
void MorphingLabel::displayFrameTick() {}
void MorphingLabel::paintEvent(QPaintEvent *event) { QLabel::paintEvent(event); }
void MorphingLabel::resizeEvent(QResizeEvent *event) { QLabel::resizeEvent(event); }
void MorphingLabel::changeEvent(QEvent *event) { QLabel::changeEvent(event); }
void MorphingLabel::updateLayout() {}
void MorphingLabel::loadEffects() {}

} // namespace visual
