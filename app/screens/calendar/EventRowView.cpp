// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/EventRowView.h"

#include "components/visual/ReadableColumn.h"
#include "core/RGDate.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace app::screens {

namespace {

// How far the finger travels before a drag is a swipe.
constexpr int swipeDistance = 30;
// Where a row starts its entrance, towards the leading side.
constexpr int entranceOffset = 40;

QPixmap drawPin()
{
    QPixmap pin(12, 16);
    pin.fill(Qt::transparent);
    QPainter painter(&pin);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 40, 40));
    QPainterPath path;
    path.moveTo(6, 16);
    path.cubicTo(0, 8, 0, 6, 0, 6);
    path.arcTo(0, 0, 12, 12, 180, -180);
    path.cubicTo(12, 6, 12, 8, 6, 16);
    painter.drawPath(path);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(6, 6), 2.2, 2.2);
    return pin;
}

// Drawn once: a day lists it on every row with a place.
const QPixmap &pinImage()
{
    static const QPixmap pin = drawPin();
    return pin;
}

QPushButton *actionButton(const QString &text, const QString &name, const QColor &background, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumWidth(64);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: white; border: none; "
                                         "padding: 0 10px; font-weight: bold; }")
                              .arg(background.name()));
    return button;
}

} // namespace

NeverClearView::NeverClearView(QWidget *parent) : QWidget(parent)
{
    setFixedWidth(6);
}

void NeverClearView::setBackgroundColor(const QColor &color)
{
    const QColor previous = color_;
    color_ = color;
    if (color_.alpha() == 0)
        color_ = previous;
    update();
}

// The colour marker meets the row's leading edge and the duration keeps its
// distance from the trailing one. A box layout mirrors its items under a
// right-to-left language but not its margins, which would put the duration
// against the left edge of an Arabic row.
void EventRowView::placeContent()
{
    if (QLayout *row = content_ ? content_->layout() : nullptr) {
        if (layoutDirection() == Qt::RightToLeft)
            row->setContentsMargins(trailingMargin, 6, 0, 6);
        else
            row->setContentsMargins(0, 6, trailingMargin, 6);
    }
}

void EventRowView::alignTexts()
{
    // A label left to itself aligns by its own text's direction: a Latin
    // title would cling to the left of an Arabic row.
    const Qt::Alignment leading = Qt::AlignAbsolute | Qt::AlignVCenter |
                                  (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
    for (QLabel *label : {title_, location_}) {
        if (label)
            label->setAlignment(leading);
    }
}

void EventRowView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange) {
        placeContent();
        alignTexts();
    }
    QWidget::changeEvent(event);
}

void NeverClearView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
}

EventRowView::EventRowView(const platform::CalendarEvent &event, const QString &from, const QString &to,
                           const QString &duration, QWidget *parent)
    : QWidget(parent), event_(event)
{
    setObjectName(QStringLiteral("eventRow"));
    setAttribute(Qt::WA_StyledBackground, false);
    setFocusPolicy(Qt::StrongFocus);
    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("eventRowContent"));
    auto *row = new QHBoxLayout(content_);
    row->setSpacing(10);
    placeContent();

    marker_ = new NeverClearView(content_);
    marker_->setObjectName(QStringLiteral("eventColorMarker"));
    marker_->setBackgroundColor(event.calendar && QColor(event.calendar->color).isValid()
                                    ? QColor(event.calendar->color)
                                    : QColor(0, 0, 255));
    row->addWidget(marker_);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    title_ = new QLabel(event.title, content_);
    title_->setObjectName(QStringLiteral("eventTitleLabel"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    title_->setFont(titleFont);
    texts->addWidget(title_);

    auto *times = new QHBoxLayout;
    times->setSpacing(0);
    from_ = new QLabel(from, content_);
    from_->setObjectName(QStringLiteral("eventFromLabel"));
    from_->setVisible(!from.isEmpty());
    to_ = new QLabel(to, content_);
    to_->setObjectName(QStringLiteral("eventToLabel"));
    to_->setVisible(!to.isEmpty());
    times->addWidget(from_);
    times->addWidget(to_);
    times->addStretch();
    texts->addLayout(times);

    auto *place = new QHBoxLayout;
    place->setSpacing(4);
    pin_ = new QLabel(content_);
    pin_->setObjectName(QStringLiteral("eventPinImage"));
    pin_->setPixmap(pinImage());
    pin_->setVisible(!event.location.isEmpty());
    location_ = new QLabel(event.location, content_);
    location_->setObjectName(QStringLiteral("eventLocationLabel"));
    place->addWidget(pin_);
    place->addWidget(location_, 1);
    texts->addLayout(place);
    alignTexts();
    row->addLayout(texts, 1);

    duration_ = new QLabel(duration, content_);
    duration_->setObjectName(QStringLiteral("eventDurationLabel"));
    duration_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    row->addWidget(duration_);
    // The texts' colour through the palette they inherit: a style sheet of
    // their own would cost every row a polish of each label.
    QPalette ink = content_->palette();
    ink.setColor(QPalette::WindowText, QColor(0x20, 0x20, 0x20));
    content_->setPalette(ink);
    outer->addWidget(content_, 1);

    opacity_ = new QGraphicsOpacityEffect(content_);
    opacity_->setOpacity(1.0);
    opacity_->setEnabled(false);
    content_->setGraphicsEffect(opacity_);
}

bool EventRowView::canChange() const
{
    return event_.calendar && event_.calendar->allowsContentModifications;
}

const EventRowView &EventRowView::actions() const
{
    if (actions_)
        return *this;
    auto *self = const_cast<EventRowView *>(this);
    self->actions_ = new QWidget(self);
    QWidget *box = self->actions_;
    box->setObjectName(QStringLiteral("eventRowActions"));
    auto *buttons = new QHBoxLayout(box);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    if (canChange()) {
        self->delete_ = actionButton(platform::localized("calendarscreen.rowDelete"),
                                     QStringLiteral("deleteAction"), QColor(255, 0, 0), box);
        buttons->addWidget(delete_);
        connect(delete_, &QPushButton::clicked, self, &EventRowView::deleteTapped);
    }
    self->share_ = actionButton(platform::localized("calendarscreen.rowShare"), QStringLiteral("shareAction"),
                                QColor(0, 0, 255), box);
    buttons->addWidget(share_);
    connect(share_, &QPushButton::clicked, self, &EventRowView::shareTapped);
    if (canChange()) {
        self->more_ =
            actionButton(platform::localized("calendarscreen.rowMore"), QStringLiteral("moreAction"),
                         QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3), box);
        buttons->addWidget(more_);
        connect(more_, &QPushButton::clicked, self, &EventRowView::moreTapped);
    }
    for (QPushButton *button : {delete_, share_, more_}) {
        if (button)
            connect(button, &QPushButton::clicked, self, [self] { self->showActions(false); });
    }
    box->hide();
    static_cast<QHBoxLayout *>(self->layout())->addWidget(box);
    return *this;
}

QWidget *EventRowView::viewWithTag(int tag) const
{
    switch (tag) {
    case markerTag:
        return marker_;
    case titleTag:
        return title_;
    case fromTag:
        return from_;
    case toTag:
        return to_;
    case locationTag:
        return location_;
    case pinTag:
        return pin_;
    case durationTag:
        return duration_;
    default:
        return nullptr;
    }
}

bool EventRowView::actionsShown() const
{
    return actions_ && !actions_->isHidden();
}

void EventRowView::showActions(bool shown)
{
    if (shown || actions_)
        actionsView()->setVisible(shown);
}

void EventRowView::setEntranceProgress(double progress)
{
    progress_ = progress;
    const int offset = static_cast<int>(std::lround(entranceOffset * (1.0 - progress)));
    // Leading side: left in a left-to-right layout, right in Arabic.
    const int dx = layoutDirection() == Qt::RightToLeft ? offset : -offset;
    auto *outer = static_cast<QHBoxLayout *>(layout());
    outer->setContentsMargins(std::max(0, dx), 0, std::max(0, -dx), 0);
    opacity_->setEnabled(progress < 1.0);
    opacity_->setOpacity(progress);
}

void EventRowView::startEntrance(int delayMs, int durationMs)
{
    setEntranceProgress(0.0);
    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(0.0);
    animation->setEndValue(1.0);
    animation->setDuration(durationMs);
    animation->setEasingCurve(QEasingCurve::InQuad);
    connect(animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setEntranceProgress(value.toDouble()); });
    connect(animation, &QVariantAnimation::finished, this, [this] {
        setEntranceProgress(1.0);
        emit entranceFinished();
    });
    entrance_ = animation;
    QTimer::singleShot(delayMs, animation,
                       [animation] { animation->start(QAbstractAnimation::DeleteWhenStopped); });
}

void EventRowView::finishEntrance()
{
    if (!entrance_)
        return;
    QVariantAnimation *animation = entrance_;
    entrance_ = nullptr;
    const bool running = animation->state() == QAbstractAnimation::Running;
    animation->disconnect(this);
    if (running)
        animation->stop();
    animation->deleteLater();
    setEntranceProgress(1.0);
    emit entranceFinished();
}

bool EventRowView::entering() const
{
    return entrance_ != nullptr;
}

void EventRowView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        showActions(!actionsShown());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    swiped_ = false;
    pressAt_ = event->position().toPoint();
}

void EventRowView::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed_)
        return;
    const int dx = event->position().toPoint().x() - pressAt_.x();
    // Towards the leading side shows the actions, back hides them.
    const int towardsLeading = layoutDirection() == Qt::RightToLeft ? dx : -dx;
    if (towardsLeading > swipeDistance) {
        swiped_ = true;
        showActions(true);
    } else if (towardsLeading < -swipeDistance) {
        swiped_ = true;
        showActions(false);
    }
}

void EventRowView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pressed_ || event->button() != Qt::LeftButton)
        return;
    pressed_ = false;
    if (swiped_)
        return;
    if (actionsShown()) {
        showActions(false);
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit selected();
}

QString EventRowView::spokenText() const
{
    QStringList parts;
    for (const QLabel *label : {title_, from_, to_, duration_, location_}) {
        const QString text = label->text().simplified();
        if (!text.isEmpty())
            parts << text;
    }
    if (event_.calendar && !event_.calendar->title.isEmpty())
        parts << platform::localized("calendarscreen.a11y.calendar").arg(event_.calendar->title);
    return parts.join(core::RGDate::listSeparator(platform::Device::localeName()));
}

void EventRowView::openActions()
{
    showActions(true);
    for (QPushButton *button : {delete_, share_, more_}) {
        if (button) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void EventRowView::keyPressEvent(QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        showActions(false);
        emit selected();
        break;
    case Qt::Key_Delete:
        // Only where the row offers deleting.
        if (!canChange())
            return QWidget::keyPressEvent(event);
        emit deleteTapped();
        break;
    case Qt::Key_Menu:
        openActions();
        break;
    case Qt::Key_Escape:
        if (!actionsShown())
            return QWidget::keyPressEvent(event);
        showActions(false);
        setFocus(Qt::OtherFocusReason);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up:
        focusNextPrevChild(event->key() == Qt::Key_Down);
        break;
    default:
        if (!shiftF10)
            return QWidget::keyPressEvent(event);
        openActions();
        break;
    }
    event->accept();
}

void EventRowView::contextMenuEvent(QContextMenuEvent *event)
{
    // The mouse's right button toggles the actions on its own press.
    if (event->reason() == QContextMenuEvent::Keyboard)
        openActions();
    event->accept();
}

void EventRowView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    emit focused();
}

void EventRowView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void EventRowView::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(QString::fromLatin1(components::focusRingColor)), 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

} // namespace app::screens
