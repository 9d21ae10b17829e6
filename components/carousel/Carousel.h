// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/carousel/CarouselDataSource.h"
#include "components/carousel/CarouselDelegate.h"
#include "components/carousel/CarouselEngine.h"
#include "components/carousel/PanTracker.h"
#include "platform/ui/PointerSteps.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

namespace components {

class CarouselContentView;

// A row of item views arranged in space around a current item; drag, fling,
// wheel, arrow keys and taps move through it. A horizontal carousel follows
// the reading direction: under right-to-left the next item lies to the left,
// and dragging and the arrow keys go the same way. The arithmetic and motion live in
// CarouselEngine; this view holds the item views, each in a container of its
// own, and draws every container's image with its perspective transform.
class Carousel : public QWidget, private CarouselEngineHost, private platform::PointerSteps
{
    Q_OBJECT

public:
    explicit Carousel(QWidget *parent = nullptr, std::shared_ptr<const MediaClock> clock = nullptr);
    ~Carousel() override;

    // Neither is owned.
    void setDataSource(CarouselDataSource *dataSource);
    CarouselDataSource *dataSource() const { return dataSource_; }
    void setDelegate(CarouselDelegate *delegate);
    CarouselDelegate *delegate() const { return delegate_; }

    void setType(CarouselType type) { engine_.setType(type); }
    CarouselType type() const { return engine_.type(); }
    void setVertical(bool vertical);
    bool isVertical() const { return engine_.isVertical(); }
    void setPerspective(double perspective) { engine_.setPerspective(perspective); }
    double perspective() const { return engine_.perspective(); }
    void setViewpointOffset(QSizeF offset) { engine_.setViewpointOffset(offset); }
    QSizeF viewpointOffset() const { return engine_.viewpointOffset(); }
    void setContentOffset(QSizeF offset) { engine_.setContentOffset(offset); }
    QSizeF contentOffset() const { return engine_.contentOffset(); }
    void setAutoscroll(double itemsPerSecond) { engine_.setAutoscroll(itemsPerSecond); }
    double autoscroll() const { return engine_.autoscroll(); }

    void setDecelerationRate(double rate) { engine_.decelerationRate = rate; }
    double decelerationRate() const { return engine_.decelerationRate; }
    void setScrollEnabled(bool enabled) { engine_.scrollEnabled = enabled; }
    bool isScrollEnabled() const { return engine_.scrollEnabled; }
    void setBounces(bool bounces) { engine_.bounces = bounces; }
    bool bounces() const { return engine_.bounces; }
    void setScrollSpeed(double speed) { engine_.scrollSpeed = speed; }
    double scrollSpeed() const { return engine_.scrollSpeed; }
    void setBounceDistance(double distance) { engine_.bounceDistance = distance; }
    double bounceDistance() const { return engine_.bounceDistance; }
    void setStopAtItemBoundary(bool stop) { engine_.stopAtItemBoundary = stop; }
    void setScrollToItemBoundary(bool scroll) { engine_.scrollToItemBoundary = scroll; }
    void setIgnorePerpendicularSwipes(bool ignore) { engine_.ignorePerpendicularSwipes = ignore; }
    void setCenterItemWhenSelected(bool center) { engine_.centerItemWhenSelected = center; }
    void setPagingEnabled(bool paging) { engine_.pagingEnabled = paging; }

    double scrollOffset() const { return engine_.scrollOffset(); }
    void setScrollOffset(double offset) { engine_.setScrollOffset(offset); }
    int currentItemIndex() const { return engine_.currentItemIndex(); }
    void setCurrentItemIndex(int index) { engine_.setCurrentItemIndex(index); }
    int numberOfItems() const { return engine_.numberOfItems(); }
    int numberOfPlaceholders() const { return engine_.numberOfPlaceholders(); }
    int numberOfVisibleItems() const { return engine_.numberOfVisibleItems(); }
    double itemWidth() const { return engine_.itemWidth(); }
    double offsetMultiplier() const { return engine_.offsetMultiplier(); }
    bool wrapEnabled() const { return engine_.wrapEnabled(); }
    double toggle() const { return engine_.toggle(); }
    bool isScrolling() const { return engine_.isScrolling(); }
    bool isDecelerating() const { return engine_.isDecelerating(); }
    bool isDragging() const { return engine_.isDragging(); }

    QWidget *contentView() const;
    void reloadData();
    void scrollToItemAtIndex(int index, bool animated) { engine_.scrollToItemAtIndex(index, animated); }
    void scrollToItemAtIndex(int index, double duration) { engine_.scrollToItemAtIndex(index, duration); }
    void scrollToOffset(double offset, double duration) { engine_.scrollToOffset(offset, duration); }
    void scrollByOffset(double offset, double duration) { engine_.scrollByOffset(offset, duration); }
    void scrollByNumberOfItems(int count, double duration) { engine_.scrollByNumberOfItems(count, duration); }

    QWidget *currentItemView() const { return itemViewAtIndex(currentItemIndex()); }
    QWidget *itemViewAtIndex(int index) const;
    // -1 when the view is not a loaded item view.
    int indexOfItemView(const QWidget *view) const;
    int indexOfItemViewOrSubview(const QWidget *view) const;
    // The frontmost item view drawn under a point of the carousel.
    QWidget *itemViewAtPoint(QPointF point) const;
    QList<QWidget *> visibleItemViews() const;
    std::vector<int> indexesForVisibleItems() const { return engine_.indexesForVisibleItems(); }
    double offsetForItemAtIndex(int index) const { return engine_.offsetForItemAtIndex(index); }

    // Runs a requested layout pass now instead of on the next turn of the event loop.
    void layoutIfNeeded();
    // One animation tick, as the frame timer gives it.
    void step();
    bool isAnimating() const { return engine_.timerRunning(); }
    // Back to front, as drawn.
    const std::vector<int> &stackingOrder() const { return stacking_; }
    // Maps a point of item `index`'s container into the carousel's coordinates.
    QTransform containerTransform(int index) const;
    // Paints the items into `painter` as they appear on screen (the benchmark's frame).
    void paintItems(QPainter &painter);
    // The keyboard focus's mark, drawn over the items while the carousel has focus.
    void paintFocusRing(QPainter &painter);
    // A warm yellow that shows on light cards and dark wallpapers alike.
    static inline const QColor focusRingColor{0xff, 0xc8, 0x3d};

    // Tests and previews drive the animations with a clock of their own.
    void setMediaClock(std::shared_ptr<const MediaClock> clock);

    CarouselEngine &engine() { return engine_; }
    const CarouselEngine &engine() const { return engine_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class CarouselContentView;

    struct Slot
    {
        QPointer<QWidget> container;
        QPointer<QWidget> view;
        QPixmap image;
        bool imageValid = false;
        ItemPlacement placement;
        QTransform toCarousel;
        bool drawable = false;
    };

    // CarouselEngineHost
    bool hasDataSource() const override { return dataSource_ != nullptr; }
    int queryNumberOfItems() override;
    int queryNumberOfPlaceholders() override;
    QSizeF loadItem(int index) override;
    void unloadItem(int index) override;
    void unloadAll() override;
    void placeItem(int index, const ItemPlacement &placement) override;
    void orderItems(const std::vector<int> &backToFront) override;
    double valueForOption(CarouselOption option, double defaultValue) override;
    double delegateItemWidth() override;
    Transform3D customTransform(double offset, const Transform3D &base) override;
    bool shouldSelectItem(int index) override;
    void notify(CarouselNotification notification, int index, bool flag) override;
    QSizeF viewSize() const override { return QSizeF(size()); }
    void setTimerRunning(bool running) override;
    void setNeedsLayout() override;

    void updatePlacementGeometry(Slot &slot);
    // Right-to-left and horizontal: the row runs from right to left.
    bool mirrored() const;
    // A pointer position as the pan tracker reads it: mirrored with the row.
    QPointF alongRow(QPointF position) const;
    void ensureImage(Slot &slot);
    int indexAtPoint(QPointF point) const;
    QWidget *takeFromPool(std::vector<QPointer<QWidget>> &pool);
    void recycle(QWidget *view, bool placeholder);
    void updateTimerInterval();

    // Pointer input, from the content view.
    void pointerPressed(QPointF position) override;
    void pointerMoved(QPointF position) override;
    void pointerReleased(QPointF position) override;
    void pointerCancelled() override;
    void stepByKey(int direction);

    CarouselEngine engine_;
    std::shared_ptr<const MediaClock> clock_;
    CarouselDataSource *dataSource_ = nullptr;
    CarouselDelegate *delegate_ = nullptr;
    CarouselContentView *contentView_ = nullptr;
    QWidget *poolHolder_ = nullptr;
    std::map<int, Slot> slots_;
    std::vector<int> stacking_;
    std::vector<QPointer<QWidget>> itemViewPool_;
    std::vector<QPointer<QWidget>> placeholderViewPool_;
    QTimer timer_;
    bool layoutPending_ = false;
    PanTracker pan_;
    int wheelRemainder_ = 0;
};

} // namespace components
