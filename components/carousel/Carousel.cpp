// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/carousel/Carousel.h"

#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace components {

// Fills the carousel, receives its pointer input and draws the containers.
// The containers themselves stay hidden: what the user sees is their image
// under each one's perspective transform.
class CarouselContentView final : public QWidget
{
public:
    explicit CarouselContentView(Carousel *carousel) : QWidget(carousel), carousel_(carousel)
    {
        setAttribute(Qt::WA_AcceptTouchEvents);
        // Moves without a button tell us of a release we never saw.
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        carousel_->paintItems(painter);
        if (carousel_->hasFocus())
            carousel_->paintFocusRing(painter);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->source() == Qt::MouseEventSynthesizedByQt || event->button() != Qt::LeftButton)
            return;
        carousel_->pointerPressed(event->position());
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->source() == Qt::MouseEventSynthesizedByQt)
            return;
        if (event->buttons() & Qt::LeftButton)
            carousel_->pointerMoved(event->position());
        else if (carousel_->pan_.active() && !carousel_->touchActive())
            // The release happened where we could not see it.
            carousel_->pointerReleased(event->position());
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->source() == Qt::MouseEventSynthesizedByQt || event->button() != Qt::LeftButton)
            return;
        carousel_->pointerReleased(event->position());
    }

    bool event(QEvent *event) override
    {
        return static_cast<platform::PointerSteps &>(*carousel_).followFirstTouch(event) ||
               QWidget::event(event);
    }

private:
    Carousel *carousel_;
};

void installCarouselAccessibility();

Carousel::Carousel(QWidget *parent, std::shared_ptr<const MediaClock> clock)
    : QWidget(parent), engine_(*this, clock),
      clock_(clock ? std::move(clock) : std::make_shared<SteadyMediaClock>())
{
    contentView_ = new CarouselContentView(this);
    contentView_->setGeometry(rect());
    poolHolder_ = new QWidget(this);
    poolHolder_->hide();
    setFocusPolicy(Qt::StrongFocus);
    installCarouselAccessibility();
    timer_.setTimerType(Qt::PreciseTimer);
    updateTimerInterval();
    connect(&timer_, &QTimer::timeout, this, &Carousel::step);
}

Carousel::~Carousel()
{
    timer_.stop();
    dataSource_ = nullptr;
    delegate_ = nullptr;
}

void Carousel::setMediaClock(std::shared_ptr<const MediaClock> clock)
{
    if (!clock)
        return;
    engine_.setClock(clock);
    clock_ = std::move(clock);
}

QWidget *Carousel::contentView() const
{
    return contentView_;
}

void Carousel::setDataSource(CarouselDataSource *dataSource)
{
    if (dataSource_ == dataSource)
        return;
    dataSource_ = dataSource;
    if (dataSource_)
        reloadData();
}

void Carousel::setDelegate(CarouselDelegate *delegate)
{
    if (delegate_ == delegate)
        return;
    delegate_ = delegate;
    if (delegate_ && dataSource_)
        setNeedsLayout();
}

void Carousel::setVertical(bool vertical)
{
    pan_.cancel();
    engine_.setVertical(vertical);
}

void Carousel::reloadData()
{
    engine_.reloadData();
}

// ---- host: data source and delegate ----------------------------------------

int Carousel::queryNumberOfItems()
{
    const int count = dataSource_ ? dataSource_->numberOfItemsInCarousel(this) : 0;
    if (count < 0)
        platform::consoleWarning(
            lcWindow(),
            QStringLiteral("Carousel: the data source reported %1 items; showing none").arg(count));
    return std::max(0, count);
}

int Carousel::queryNumberOfPlaceholders()
{
    return dataSource_ ? std::max(0, dataSource_->numberOfPlaceholdersInCarousel(this)) : 0;
}

double Carousel::valueForOption(CarouselOption option, double defaultValue)
{
    return delegate_ ? delegate_->valueForOption(this, option, defaultValue) : defaultValue;
}

double Carousel::delegateItemWidth()
{
    return delegate_ ? delegate_->carouselItemWidth(this) : 0.0;
}

Transform3D Carousel::customTransform(double offset, const Transform3D &base)
{
    return delegate_ ? delegate_->itemTransformForOffset(this, offset, base) : base;
}

bool Carousel::shouldSelectItem(int index)
{
    return delegate_ ? delegate_->shouldSelectItemAtIndex(this, index) : true;
}

void Carousel::notify(CarouselNotification notification, int index, bool flag)
{
    if (!delegate_)
        return;
    switch (notification) {
    case CarouselNotification::willBeginScrollingAnimation:
        delegate_->carouselWillBeginScrollingAnimation(this);
        break;
    case CarouselNotification::didEndScrollingAnimation:
        delegate_->carouselDidEndScrollingAnimation(this);
        break;
    case CarouselNotification::didScroll:
        delegate_->carouselDidScroll(this);
        break;
    case CarouselNotification::currentItemIndexDidChange:
        delegate_->carouselCurrentItemIndexDidChange(this);
        break;
    case CarouselNotification::willBeginDragging:
        delegate_->carouselWillBeginDragging(this);
        break;
    case CarouselNotification::didEndDragging:
        delegate_->carouselDidEndDragging(this, flag);
        break;
    case CarouselNotification::willBeginDecelerating:
        delegate_->carouselWillBeginDecelerating(this);
        break;
    case CarouselNotification::didEndDecelerating:
        delegate_->carouselDidEndDecelerating(this);
        break;
    case CarouselNotification::didSelectItem:
        delegate_->didSelectItemAtIndex(this, index);
        break;
    }
}

// ---- host: containers ------------------------------------------------------

QWidget *Carousel::takeFromPool(std::vector<QPointer<QWidget>> &pool)
{
    while (!pool.empty()) {
        QPointer<QWidget> view = pool.back();
        pool.pop_back();
        if (view)
            return view;
    }
    return nullptr;
}

void Carousel::recycle(QWidget *view, bool placeholder)
{
    if (!view)
        return;
    view->setParent(poolHolder_);
    (placeholder ? placeholderViewPool_ : itemViewPool_).push_back(view);
}

QSizeF Carousel::loadItem(int index)
{
    const int n = engine_.numberOfItems();
    const bool placeholder = index < 0 || index >= n;
    QWidget *offered = takeFromPool(placeholder ? placeholderViewPool_ : itemViewPool_);
    QWidget *view = nullptr;
    if (dataSource_) {
        if (!placeholder) {
            view = dataSource_->viewForItemAtIndex(this, index, offered);
        } else {
            const int shown = engine_.numberOfPlaceholdersToShow();
            const int placeholderIndex =
                index < 0 ? static_cast<int>(std::ceil(shown / 2.0)) + index : shown / 2 + index - n;
            view = dataSource_->placeholderViewAtIndex(this, placeholderIndex, offered);
        }
    }
    if (offered && offered != view)
        offered->deleteLater();
    if (view && indexOfItemView(view) != -1) {
        platform::consoleWarning(
            lcWindow(),
            QStringLiteral("Carousel: the data source gave one view for two items; item %1 is left empty")
                .arg(index));
        view = nullptr;
    }
    if (!view) {
        view = new QWidget;
        view->resize(0, 0);
    }

    if (view->layout())
        view->layout()->activate();
    const QSize viewSize = view->size();
    const bool vertical = engine_.isVertical();
    double slotLength = engine_.itemWidth();
    if (slotLength <= 0.0)
        slotLength = vertical ? viewSize.height() : viewSize.width();
    const QSize containerSize =
        vertical ? QSize(viewSize.width(), qRound(slotLength)) : QSize(qRound(slotLength), viewSize.height());

    auto *container = new QWidget(contentView_);
    // Grabbed as the root of a render, a container would otherwise fill itself
    // with the window colour: around a card's rounded corners, for instance.
    container->setAttribute(Qt::WA_NoSystemBackground);
    container->hide();
    container->resize(containerSize);
    view->setParent(container);
    view->move((containerSize.width() - viewSize.width()) / 2,
               (containerSize.height() - viewSize.height()) / 2);
    view->show();

    Slot slot;
    slot.container = container;
    slot.view = view;
    slots_[index] = slot;
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), index), stacking_.end());
    // A new container goes on top, as the last one added.
    stacking_.push_back(index);
    return QSizeF(viewSize);
}

void Carousel::unloadItem(int index)
{
    auto found = slots_.find(index);
    if (found == slots_.end())
        return;
    Slot slot = found->second;
    slots_.erase(found);
    stacking_.erase(std::remove(stacking_.begin(), stacking_.end(), index), stacking_.end());
    recycle(slot.view, index < 0 || index >= engine_.numberOfItems());
    if (slot.container)
        slot.container->deleteLater();
    contentView_->update();
}

void Carousel::unloadAll()
{
    for (auto &entry : slots_)
        if (entry.second.container)
            entry.second.container->deleteLater();
    slots_.clear();
    stacking_.clear();
    for (auto *pool : {&itemViewPool_, &placeholderViewPool_}) {
        for (auto &view : *pool)
            if (view)
                view->deleteLater();
        pool->clear();
    }
    contentView_->update();
}

void Carousel::updatePlacementGeometry(Slot &slot)
{
    slot.drawable = false;
    if (!slot.container)
        return;
    const QSizeF box = slot.container->size();
    const QSizeF shift = engine_.contentOffset();
    const bool flip = mirrored();
    const QPointF centre(width() / 2.0 + (flip ? -shift.width() : shift.width()),
                         height() / 2.0 + shift.height());
    const Transform3D &t = slot.placement.transform;
    // A corner at or behind the viewer has no image on the screen.
    const double halfW = box.width() / 2.0;
    const double halfH = box.height() / 2.0;
    for (const QPointF &corner :
         {QPointF(-halfW, -halfH), QPointF(halfW, -halfH), QPointF(-halfW, halfH), QPointF(halfW, halfH)}) {
        if (corner.x() * t.at(1, 4) + corner.y() * t.at(2, 4) + t.at(4, 4) <= 1e-9)
            return;
    }
    QTransform placed = t.toQTransform();
    if (flip) {
        // Mirror where the item goes and how it turns, not what it shows.
        const QTransform mirror = QTransform::fromScale(-1, 1);
        placed = mirror * placed * mirror;
    }
    slot.toCarousel = QTransform::fromTranslate(-halfW, -halfH) * placed *
                      QTransform::fromTranslate(centre.x(), centre.y());
    slot.drawable = true;
}

void Carousel::placeItem(int index, const ItemPlacement &placement)
{
    auto found = slots_.find(index);
    if (found == slots_.end())
        return;
    found->second.placement = placement;
    updatePlacementGeometry(found->second);
    contentView_->update();
}

void Carousel::orderItems(const std::vector<int> &backToFront)
{
    std::vector<int> order;
    for (int index : stacking_)
        if (std::find(backToFront.begin(), backToFront.end(), index) == backToFront.end())
            order.push_back(index);
    for (int index : backToFront)
        if (slots_.count(index))
            order.push_back(index);
    stacking_ = order;
    contentView_->update();
}

void Carousel::setNeedsLayout()
{
    if (layoutPending_)
        return;
    layoutPending_ = true;
    QMetaObject::invokeMethod(this, &Carousel::layoutIfNeeded, Qt::QueuedConnection);
}

void Carousel::layoutIfNeeded()
{
    if (!layoutPending_)
        return;
    layoutPending_ = false;
    engine_.layOutItemViews();
}

void Carousel::setTimerRunning(bool running)
{
    if (running && isVisible())
        timer_.start();
    else if (!running)
        timer_.stop();
}

void Carousel::updateTimerInterval()
{
    double rate = 60.0;
    if (const QScreen *display = screen(); display && display->refreshRate() >= 20.0)
        rate = display->refreshRate();
    timer_.setInterval(std::clamp(static_cast<int>(std::lround(1000.0 / rate)), 4, 50));
}

void Carousel::step()
{
    engine_.step();
    if (!engine_.timerRunning())
        timer_.stop();
}

// ---- drawing ---------------------------------------------------------------

void Carousel::ensureImage(Slot &slot)
{
    if (slot.imageValid || !slot.container)
        return;
    if (slot.view && slot.view->layout())
        slot.view->layout()->activate();
    slot.image = slot.container->grab();
    slot.imageValid = true;
}

void Carousel::paintItems(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform base = painter.worldTransform();
    const qreal baseOpacity = painter.opacity();
    const QRectF bounds(rect());
    for (int index : stacking_) {
        auto found = slots_.find(index);
        if (found == slots_.end())
            continue;
        Slot &slot = found->second;
        if (!slot.container || !slot.drawable || slot.placement.hidden || slot.placement.opacity <= 0.0)
            continue;
        const QRectF box(QPointF(0, 0), QSizeF(slot.container->size()));
        // Cards wholly outside the carousel cost a transformed draw and show nothing.
        if (!slot.toCarousel.mapRect(box).intersects(bounds))
            continue;
        ensureImage(slot);
        if (slot.image.isNull())
            continue;
        // Edges only need smoothing when the card is turned; a scaled card keeps straight edges.
        painter.setRenderHint(QPainter::Antialiasing, slot.toCarousel.type() > QTransform::TxScale);
        painter.setWorldTransform(slot.toCarousel * base);
        painter.setOpacity(baseOpacity * slot.placement.opacity);
        painter.drawPixmap(box, slot.image, QRectF(slot.image.rect()));
    }
    painter.restore();
}

void Carousel::paintFocusRing(QPainter &painter)
{
    // Round the current item, where the arrow keys act; round the whole row when it has none.
    QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
    auto found = slots_.find(currentItemIndex());
    if (found != slots_.end() && found->second.container && found->second.drawable)
        ring =
            found->second.toCarousel.mapRect(QRectF(QPointF(0, 0), QSizeF(found->second.container->size())))
                .adjusted(-5, -5, 5, 5)
                .intersected(QRectF(rect()).adjusted(2, 2, -2, -2));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(focusRingColor, 3));
    painter.drawRoundedRect(ring, 12, 12);
    painter.restore();
}

void Carousel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    contentView_->update();
}

void Carousel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    contentView_->update();
}

QTransform Carousel::containerTransform(int index) const
{
    auto found = slots_.find(index);
    return found == slots_.end() ? QTransform() : found->second.toCarousel;
}

// ---- looking items up ------------------------------------------------------

QWidget *Carousel::itemViewAtIndex(int index) const
{
    auto found = slots_.find(index);
    return found == slots_.end() ? nullptr : found->second.view.data();
}

int Carousel::indexOfItemView(const QWidget *view) const
{
    if (!view)
        return -1;
    for (const auto &entry : slots_)
        if (entry.second.view == view)
            return entry.first;
    return -1;
}

int Carousel::indexOfItemViewOrSubview(const QWidget *view) const
{
    for (const QWidget *w = view; w && w != this; w = w->parentWidget()) {
        const int index = indexOfItemView(w);
        if (index != -1)
            return index;
    }
    return -1;
}

int Carousel::indexAtPoint(QPointF point) const
{
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        auto found = slots_.find(*it);
        if (found == slots_.end())
            continue;
        const Slot &slot = found->second;
        if (!slot.container || !slot.drawable || slot.placement.hidden || slot.placement.opacity <= 0.0)
            continue;
        bool invertible = false;
        const QTransform back = slot.toCarousel.inverted(&invertible);
        if (invertible && QRectF(QPointF(0, 0), QSizeF(slot.container->size())).contains(back.map(point)))
            return *it;
    }
    return -1;
}

QWidget *Carousel::itemViewAtPoint(QPointF point) const
{
    return itemViewAtIndex(indexAtPoint(point));
}

QList<QWidget *> Carousel::visibleItemViews() const
{
    QList<QWidget *> views;
    for (const auto &entry : slots_)
        if (entry.second.view)
            views.append(entry.second.view);
    return views;
}

// ---- input -----------------------------------------------------------------

bool Carousel::mirrored() const
{
    return layoutDirection() == Qt::RightToLeft && !engine_.isVertical();
}

QPointF Carousel::alongRow(QPointF position) const
{
    return mirrored() ? QPointF(width() - position.x(), position.y()) : position;
}

void Carousel::pointerPressed(QPointF position)
{
    setFocus(Qt::MouseFocusReason);
    engine_.touchOffered();
    pan_.vertical = engine_.isVertical();
    pan_.ignorePerpendicularSwipes = engine_.ignorePerpendicularSwipes;
    pan_.threshold = QGuiApplication::styleHints()->startDragDistance();
    pan_.press(alongRow(position), clock_->now());
}

void Carousel::pointerMoved(QPointF position)
{
    switch (pan_.move(alongRow(position), clock_->now())) {
    case PanTracker::Action::panBegan:
        engine_.panBegan(pan_.translation());
        break;
    case PanTracker::Action::panChanged:
        engine_.panChanged(pan_.translation(), pan_.velocity());
        break;
    default:
        break;
    }
}

void Carousel::pointerReleased(QPointF position)
{
    switch (pan_.release(alongRow(position), clock_->now())) {
    case PanTracker::Action::panEnded:
        // The speed at the moment of release decides the fling, not that of the last move.
        engine_.panChanged(pan_.translation(), pan_.velocity());
        engine_.panEnded();
        break;
    case PanTracker::Action::tap:
        engine_.tapped(indexAtPoint(position));
        break;
    case PanTracker::Action::settle:
        engine_.settleIfNeeded();
        break;
    default:
        break;
    }
}

void Carousel::pointerCancelled()
{
    const double translation = pan_.translation();
    switch (pan_.cancel()) {
    case PanTracker::Action::panEnded:
        engine_.panChanged(translation, 0.0);
        engine_.panEnded();
        break;
    case PanTracker::Action::settle:
        engine_.settleIfNeeded();
        break;
    default:
        break;
    }
}

void Carousel::stepByKey(int direction)
{
    if (!engine_.scrollEnabled || engine_.numberOfItems() == 0 || engine_.isDragging())
        return;
    // Presses during a scroll add up from where that scroll is going.
    const double from = engine_.isScrolling() ? engine_.endOffset() : engine_.scrollOffset();
    const int base = engine_.clampedIndex(static_cast<int>(std::lround(from)));
    const int target = engine_.clampedIndex(base + direction);
    if (target == base && !engine_.isScrolling() &&
        std::fabs(engine_.scrollOffset() - target) < carouselconst::floatTolerance)
        return;
    engine_.scrollToItemAtIndex(target, true);
}

void Carousel::keyPressEvent(QKeyEvent *event)
{
    const bool vertical = engine_.isVertical();
    const bool flip = mirrored();
    const int back = vertical ? Qt::Key_Up : (flip ? Qt::Key_Right : Qt::Key_Left);
    const int forward = vertical ? Qt::Key_Down : (flip ? Qt::Key_Left : Qt::Key_Right);
    if (event->key() == back) {
        stepByKey(-1);
        event->accept();
    } else if (event->key() == forward) {
        stepByKey(1);
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Carousel::wheelEvent(QWheelEvent *event)
{
    if (!engine_.scrollEnabled || engine_.numberOfItems() == 0) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    // A sideways swipe goes with the row, which runs the other way under right-to-left.
    const int amount =
        std::abs(delta.x()) > std::abs(delta.y()) ? (mirrored() ? -delta.x() : delta.x()) : delta.y();
    // One notch (120) is one item; finer wheels add up to a notch first. Rolling
    // the wheel towards the user or swiping leftwards moves forward.
    wheelRemainder_ += amount;
    const int notch = 120;
    const int steps = wheelRemainder_ / notch;
    wheelRemainder_ -= steps * notch;
    for (int i = 0; i < std::abs(steps); ++i)
        stepByKey(steps > 0 ? -1 : 1);
    event->accept();
}

// ---- life of the view ------------------------------------------------------

void Carousel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    contentView_->setGeometry(rect());
    layoutPending_ = false;
    engine_.layOutItemViews();
}

void Carousel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateTimerInterval();
    if (engine_.timerRunning())
        timer_.start();
}

void Carousel::hideEvent(QHideEvent *event)
{
    pointerCancelled();
    timer_.stop();
    QWidget::hideEvent(event);
}

void Carousel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        pointerCancelled();
    if (event->type() == QEvent::LayoutDirectionChange) {
        pointerCancelled();
        for (auto &entry : slots_)
            updatePlacementGeometry(entry.second);
        contentView_->update();
    }
    QWidget::changeEvent(event);
}

} // namespace components
