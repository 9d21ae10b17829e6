#include "components/visual/CircledButton.h"

namespace visual {

CircledButton::CircledButton(QWidget *parent) : QPushButton(parent) {}
CircledButton::CircledButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}
void CircledButton::setFillColor(const QColor &color) { fill_ = color; update(); }
void CircledButton::setRingColor(const QColor &color) { ring_ = color; update(); }
void CircledButton::setTitleColor(const QColor &color) { title_ = color; update(); }
QSize CircledButton::sizeHint() const { return {44, 44}; }
QSize CircledButton::minimumSizeHint() const { return {24, 24}; }
void CircledButton::paintEvent(QPaintEvent *event) { QPushButton::paintEvent(event); }
bool CircledButton::hitButton(const QPoint &pos) const { return QPushButton::hitButton(pos); }

} // namespace visual
