// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/carousel/CarouselTypes.h"
#include "components/carousel/MediaClock.h"
#include "components/carousel/Transform3D.h"

#include <QSizeF>
#include <map>
#include <memory>
#include <vector>

namespace components {

// How one loaded item is shown: what the view applies to the item's container.
struct ItemPlacement
{
    double opacity = 0.0;
    Transform3D transform;
    bool hidden = false;
    bool takesTouches = false;
};

enum class CarouselNotification
{
    willBeginScrollingAnimation,
    didEndScrollingAnimation,
    didScroll,
    currentItemIndexDidChange,
    willBeginDragging,
    didEndDragging, // flag: will decelerate
    willBeginDecelerating,
    didEndDecelerating,
    didSelectItem, // index: the selected item
};

// What the engine needs from the view that shows it: the data source and
// delegate behind it, the item containers, and the animation timer.
class CarouselEngineHost
{
public:
    virtual ~CarouselEngineHost() = default;

    virtual bool hasDataSource() const = 0;
    virtual int queryNumberOfItems() = 0;
    virtual int queryNumberOfPlaceholders() = 0;
    // Loads the view of item `index` (placeholders below 0 and from n up) into a
    // new container and returns the view's size.
    virtual QSizeF loadItem(int index) = 0;
    // Moves the view of `index` to its pool and drops its container.
    virtual void unloadItem(int index) = 0;
    // Drops every container and empties both pools.
    virtual void unloadAll() = 0;
    virtual void placeItem(int index, const ItemPlacement &placement) = 0;
    virtual void orderItems(const std::vector<int> &backToFront) = 0;

    virtual double valueForOption(CarouselOption option, double defaultValue) = 0;
    virtual double delegateItemWidth() = 0;
    virtual Transform3D customTransform(double offset, const Transform3D &base) = 0;
    virtual bool shouldSelectItem(int index) = 0;
    virtual void notify(CarouselNotification notification, int index, bool flag) = 0;

    virtual QSizeF viewSize() const = 0;
    virtual void setTimerRunning(bool running) = 0;
    virtual void setNeedsLayout() = 0;
};

// The carousel without pixels: positions in items, the index arithmetic, the
// options, which items are loaded and where they sit, and the motion states
// (idle, dragging, decelerating, scrolling, autoscrolling) driven by ticks of
// an injected clock.
class CarouselEngine
{
public:
    CarouselEngine(CarouselEngineHost &host, std::shared_ptr<const MediaClock> clock);
    // Swaps the time source; a running motion continues on the new clock's times.
    void setClock(std::shared_ptr<const MediaClock> clock);

    // Tunables, as the view sets them.
    double decelerationRate = 0.95;
    bool scrollEnabled = true;
    bool bounces = true;
    double scrollSpeed = 1.0;
    double bounceDistance = 1.0;
    bool stopAtItemBoundary = true;
    bool scrollToItemBoundary = true;
    bool ignorePerpendicularSwipes = true;
    bool centerItemWhenSelected = true;
    bool pagingEnabled = false;

    // Setters that re-lay out or re-place the items.
    void setType(CarouselType type);
    CarouselType type() const { return type_; }
    void setVertical(bool vertical);
    bool isVertical() const { return vertical_; }
    void setPerspective(double perspective);
    double perspective() const { return perspective_; }
    void setViewpointOffset(QSizeF offset);
    QSizeF viewpointOffset() const { return viewpointOffset_; }
    void setContentOffset(QSizeF offset);
    QSizeF contentOffset() const { return contentOffset_; }
    void setAutoscroll(double itemsPerSecond);
    double autoscroll() const { return autoscroll_; }

    // Arithmetic.
    int clampedIndex(int index) const;
    double clampedOffset(double offset) const;
    int currentItemIndex() const;
    double offsetForItemAtIndex(int index) const;
    int minScrollDistanceFromIndex(int from, int to) const;
    double minScrollDistanceFromOffset(double from, double to) const;
    double alphaForItemWithOffset(double offset);
    Transform3D transformForItemWithOffset(double offset);
    int circularItemCount();

    // State.
    double scrollOffset() const { return scrollOffset_; }
    int numberOfItems() const { return numberOfItems_; }
    int numberOfPlaceholders() const { return numberOfPlaceholders_; }
    int numberOfPlaceholdersToShow() const { return numberOfPlaceholdersToShow_; }
    int numberOfVisibleItems() const { return numberOfVisibleItems_; }
    double itemWidth() const { return itemWidth_; }
    double offsetMultiplier() const { return offsetMultiplier_; }
    bool wrapEnabled() const { return wrapEnabled_; }
    double toggle() const { return toggle_; }
    bool isScrolling() const { return scrolling_; }
    bool isDecelerating() const { return decelerating_; }
    bool isDragging() const { return dragging_; }
    double startOffset() const { return startOffset_; }
    double endOffset() const { return endOffset_; }
    double scrollDuration() const { return scrollDuration_; }
    double startVelocity() const { return startVelocity_; }
    bool timerRunning() const { return timerRunning_; }
    // Loaded indexes in ascending order.
    std::vector<int> indexesForVisibleItems() const;
    bool isLoaded(int index) const { return loaded_.count(index) != 0; }
    const ItemPlacement *placementOf(int index) const;
    // Back to front, as last sorted.
    const std::vector<int> &depthOrder() const { return depthOrder_; }

    // Operations.
    void reloadData();
    void layOutItemViews();
    void setScrollOffset(double offset);
    void setCurrentItemIndex(int index) { setScrollOffset(index); }
    void scrollByOffset(double offset, double duration);
    void scrollToOffset(double offset, double duration);
    void scrollToItemAtIndex(int index, double duration);
    void scrollToItemAtIndex(int index, bool animated);
    void scrollByNumberOfItems(int count, double duration);

    // One animation tick at the clock's current time.
    void step();

    // Touches: every touch first stops the motion; then a pan or a tap may follow.
    void touchOffered();
    void panBegan(double translation);
    void panChanged(double translation, double velocity);
    void panEnded();
    // `index`: the frontmost item under the tap, or -1 for none.
    void tapped(int index);
    // After a touch that became neither a pan nor a tap: do not stay between items.
    void settleIfNeeded();

    void depthSortViews();

private:
    double now() const { return clock_->now(); }
    double option(CarouselOption option, double defaultValue);
    void startAnimation();
    void stopAnimation();
    // step's motions: an animated scroll, the glide after a flick, and what
    // follows when the glide ends (a settle on an item or a toggle).
    void stepScroll(double time);
    void stepDeceleration(double time);
    void endDeceleration(double time);
    void didScroll();
    void loadUnloadViews();
    void loadViewAtIndex(int index);
    void transformItemView(int index);
    void transformItemViews();
    void updateItemWidth();
    void updateNumberOfVisibleItems();
    double dragItemWidth() const;
    double decelerationDistance() const;
    bool shouldDecelerate() const;
    bool shouldScroll() const;
    void startDecelerating();
    void notify(CarouselNotification notification, int index = -1, bool flag = false);
    static double ease(double t);

    CarouselEngineHost &host_;
    std::shared_ptr<const MediaClock> clock_;

    CarouselType type_ = CarouselType::linear;
    bool vertical_ = false;
    double perspective_ = -1.0 / 500.0;
    QSizeF viewpointOffset_{0.0, 0.0};
    QSizeF contentOffset_{0.0, 0.0};
    double offsetMultiplier_ = 1.0;

    bool scrolling_ = false;
    bool decelerating_ = false;
    bool dragging_ = false;
    bool didDrag_ = false;
    double startOffset_ = 0.0;
    double endOffset_ = 0.0;
    double scrollOffset_ = 0.0;
    double autoscroll_ = 0.0;
    double itemWidth_ = 0.0;
    double toggle_ = 0.0;
    bool wrapEnabled_ = false;
    int numberOfItems_ = 0;
    int numberOfPlaceholders_ = 0;
    int numberOfVisibleItems_ = 0;
    int numberOfPlaceholdersToShow_ = 0;
    double previousScrollOffset_ = 0.0;
    double startTime_ = 0.0;
    double scrollDuration_ = 0.0;
    int previousItemIndex_ = 0;
    double startVelocity_ = 0.0;
    double lastTime_ = 0.0;
    double toggleTime_ = 0.0;
    double previousTranslation_ = 0.0;
    bool timerRunning_ = false;

    std::map<int, ItemPlacement> loaded_;
    std::vector<int> depthOrder_;
};

} // namespace components
