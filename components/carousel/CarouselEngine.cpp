// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/carousel/CarouselEngine.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

namespace components {

using namespace carouselconst;

namespace {

bool isRing(CarouselType type)
{
    const int t = static_cast<int>(type);
    return t >= static_cast<int>(CarouselType::rotary) && t <= static_cast<int>(CarouselType::invertedWheel);
}

bool isTiltedFlow(CarouselType type)
{
    return type == CarouselType::tiltedFlow || type == CarouselType::tiltedFlow2;
}

// Option answers are real numbers; counts taken from them must stay sane even
// when a delegate answers infinity or NaN.
int toCount(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -1e6, 1e6));
}

double sign(double value)
{
    return value > 0.0 ? 1.0 : (value < 0.0 ? -1.0 : 0.0);
}

} // namespace

CarouselEngine::CarouselEngine(CarouselEngineHost &host, std::shared_ptr<const MediaClock> clock)
    : host_(host), clock_(clock ? std::move(clock) : std::make_shared<SteadyMediaClock>())
{
}

void CarouselEngine::setClock(std::shared_ptr<const MediaClock> clock)
{
    if (!clock)
        return;
    const double shift = clock->now() - clock_->now();
    clock_ = std::move(clock);
    startTime_ += shift;
    lastTime_ += shift;
    toggleTime_ += shift;
}

// ---- setters -------------------------------------------------------------

void CarouselEngine::setType(CarouselType type)
{
    if (type_ == type)
        return;
    type_ = type;
    layOutItemViews();
}

void CarouselEngine::setVertical(bool vertical)
{
    if (vertical_ == vertical)
        return;
    vertical_ = vertical;
    layOutItemViews();
}

void CarouselEngine::setPerspective(double perspective)
{
    perspective_ = perspective;
    transformItemViews();
}

void CarouselEngine::setViewpointOffset(QSizeF offset)
{
    if (viewpointOffset_ == offset)
        return;
    viewpointOffset_ = offset;
    transformItemViews();
}

void CarouselEngine::setContentOffset(QSizeF offset)
{
    if (contentOffset_ == offset)
        return;
    contentOffset_ = offset;
    layOutItemViews();
}

void CarouselEngine::setAutoscroll(double itemsPerSecond)
{
    autoscroll_ = std::isfinite(itemsPerSecond) ? itemsPerSecond : 0.0;
    if (autoscroll_ != 0.0)
        startAnimation();
}

// ---- arithmetic ----------------------------------------------------------

int CarouselEngine::clampedIndex(int index) const
{
    const int n = numberOfItems_;
    if (n == 0)
        return -1;
    if (wrapEnabled_)
        return index - static_cast<int>(std::floor(static_cast<double>(index) / n)) * n;
    return std::min(std::max(0, index), std::max(0, n - 1));
}

double CarouselEngine::clampedOffset(double offset) const
{
    const int n = numberOfItems_;
    if (n == 0)
        return -1.0;
    if (wrapEnabled_)
        return offset - std::floor(offset / n) * n;
    return std::min(std::max(0.0, offset), std::max(0.0, n - 1.0));
}

int CarouselEngine::currentItemIndex() const
{
    // lround rounds half away from zero: 2.5 is 3, -0.5 is -1 (then clamped).
    const double rounded = std::isfinite(scrollOffset_) ? std::round(scrollOffset_) : 0.0;
    return clampedIndex(static_cast<int>(std::clamp(rounded, -1e9, 1e9)));
}

double CarouselEngine::offsetForItemAtIndex(int index) const
{
    double offset = index - scrollOffset_;
    if (wrapEnabled_) {
        const double n = numberOfItems_;
        if (offset > n / 2.0)
            offset -= n;
        else if (offset < -n / 2.0)
            offset += n;
    }
    return offset;
}

int CarouselEngine::minScrollDistanceFromIndex(int from, int to) const
{
    const int direct = to - from;
    if (wrapEnabled_) {
        int wrapped = std::min(to, from) + numberOfItems_ - std::max(to, from);
        if (from < to)
            wrapped = -wrapped;
        return std::abs(direct) <= std::abs(wrapped) ? direct : wrapped;
    }
    return direct;
}

double CarouselEngine::minScrollDistanceFromOffset(double from, double to) const
{
    const double direct = to - from;
    if (wrapEnabled_) {
        double wrapped = std::min(to, from) + numberOfItems_ - std::max(to, from);
        if (from < to)
            wrapped = -wrapped;
        return std::fabs(direct) <= std::fabs(wrapped) ? direct : wrapped;
    }
    return direct;
}

double CarouselEngine::option(CarouselOption which, double defaultValue)
{
    return host_.valueForOption(which, defaultValue);
}

double CarouselEngine::alphaForItemWithOffset(double offset)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double fadeMin =
        option(CarouselOption::fadeMin, type_ == CarouselType::invertedRecedingStack ? 0.0 : -inf);
    const double fadeMax = option(CarouselOption::fadeMax, type_ == CarouselType::recedingStack ? 0.0 : inf);
    const double range = option(CarouselOption::fadeRange, 1.0);
    const double minAlpha = option(CarouselOption::fadeMinAlpha, 0.0);
    double excess = 0.0;
    if (offset > fadeMax)
        excess = offset - fadeMax;
    else if (offset < fadeMin)
        excess = fadeMin - offset;
    if (!(range > 0.0))
        return excess > 0.0 ? minAlpha : 1.0;
    return 1.0 - std::min(excess, range) / range * (1.0 - minAlpha);
}

int CarouselEngine::circularItemCount()
{
    const int itemsShown = numberOfItems_ + numberOfPlaceholdersToShow_;
    if (!isRing(type_))
        return itemsShown;
    const double spacing = option(CarouselOption::spacing, 1.0);
    const QSizeF size = host_.viewSize();
    const double length = vertical_ ? size.height() : size.width();
    double count = std::min<double>(
        maxVisibleItems, std::max<double>(minRingSlots, std::ceil(length / (spacing * itemWidth_)) * M_PI));
    if (std::isnan(count))
        count = maxVisibleItems;
    count = std::min<double>(itemsShown, count);
    return toCount(option(CarouselOption::count, count));
}

Transform3D CarouselEngine::transformForItemWithOffset(double offset)
{
    Transform3D base;
    base.at(3, 4) = perspective_;
    base = base.translated(-viewpointOffset_.width(), -viewpointOffset_.height(), 0.0);

    switch (type_) {
    case CarouselType::rotary:
    case CarouselType::invertedRotary: {
        const double count = std::max(1, circularItemCount());
        const double spacing = option(CarouselOption::spacing, 1.0);
        const double arc = option(CarouselOption::arc, 2.0 * M_PI);
        const double half = spacing * itemWidth_ / 2.0;
        const double slope = std::tan(arc / 2.0 / count);
        double radius = option(CarouselOption::radius, slope > 0.0 ? std::max(half, half / slope) : half);
        double angle = option(CarouselOption::angle, offset / count * arc);
        if (type_ == CarouselType::invertedRotary) {
            radius = -radius;
            angle = -angle;
        }
        if (vertical_)
            return base.translated(0.0, radius * std::sin(angle), radius * std::cos(angle) - radius);
        return base.translated(radius * std::sin(angle), 0.0, radius * std::cos(angle) - radius);
    }
    case CarouselType::cylinder:
    case CarouselType::invertedCylinder: {
        const double count = std::max(1, circularItemCount());
        const double spacing = option(CarouselOption::spacing, 1.0);
        const double arc = option(CarouselOption::arc, 2.0 * M_PI);
        const double half = spacing * itemWidth_ / 2.0;
        const double slope = std::tan(arc / 2.0 / count);
        double radius = option(CarouselOption::radius, std::max(0.01, slope > 0.0 ? half / slope : half));
        double angle = option(CarouselOption::angle, offset / count * arc);
        if (type_ == CarouselType::invertedCylinder) {
            radius = -radius;
            angle = -angle;
        }
        Transform3D t = base.translated(0.0, 0.0, -radius);
        t = vertical_ ? t.rotated(angle, -1.0, 0.0, 0.0) : t.rotated(angle, 0.0, 1.0, 0.0);
        return t.translated(0.0, 0.0, radius + 0.01);
    }
    case CarouselType::custom:
        return host_.customTransform(offset, base);
    default: {
        const double spacing = option(CarouselOption::spacing, isTiltedFlow(type_) ? 0.25 : 1.0);
        const double distance = offset * itemWidth_ * spacing;
        return vertical_ ? base.translated(0.0, distance, 0.0) : base.translated(distance, 0.0, 0.0);
    }
    }
}

// ---- layout --------------------------------------------------------------

void CarouselEngine::updateItemWidth()
{
    const double fromDelegate = host_.delegateItemWidth();
    if (fromDelegate > 0.0 && std::isfinite(fromDelegate)) {
        itemWidth_ = fromDelegate;
        return;
    }
    if (loaded_.empty()) {
        if (numberOfItems_ > 0)
            loadViewAtIndex(0);
        else if (numberOfPlaceholdersToShow_ > 0)
            loadViewAtIndex(-1);
    }
}

void CarouselEngine::updateNumberOfVisibleItems()
{
    const int itemsShown = numberOfItems_ + numberOfPlaceholdersToShow_;
    int count = itemsShown;
    switch (type_) {
    case CarouselType::rotary:
    case CarouselType::cylinder:
        count = circularItemCount();
        break;
    case CarouselType::invertedRotary:
    case CarouselType::invertedCylinder:
        count = (circularItemCount() + 1) / 2;
        break;
    case CarouselType::linear: {
        const double spacing = option(CarouselOption::spacing, 1.0);
        const QSizeF size = host_.viewSize();
        const double length = vertical_ ? size.height() : size.width();
        const double slotCount = std::ceil(length / (spacing * itemWidth_));
        count = std::isfinite(slotCount) ? toCount(slotCount) + 2 : maxVisibleItems;
        break;
    }
    default:
        break;
    }
    count = std::min(maxVisibleItems, count);
    count = toCount(option(CarouselOption::visibleItems, count));
    numberOfVisibleItems_ = std::clamp(count, 0, std::max(0, itemsShown));
}

void CarouselEngine::layOutItemViews()
{
    if (!host_.hasDataSource())
        return;
    const bool wrapDefault = isRing(type_);
    wrapEnabled_ = option(CarouselOption::wrap, wrapDefault ? 1.0 : 0.0) != 0.0;
    numberOfPlaceholdersToShow_ = wrapEnabled_ ? 0 : numberOfPlaceholders_;
    updateItemWidth();
    updateNumberOfVisibleItems();
    previousScrollOffset_ = scrollOffset_;
    offsetMultiplier_ = option(CarouselOption::offsetMultiplier, isTiltedFlow(type_) ? 2.0 : 1.0);
    if (!std::isfinite(offsetMultiplier_))
        offsetMultiplier_ = 1.0;
    if (!scrolling_ && !decelerating_ && autoscroll_ == 0.0) {
        if (scrollToItemBoundary && currentItemIndex() != -1)
            scrollToItemAtIndex(currentItemIndex(), true);
        else
            scrollOffset_ = clampedOffset(scrollOffset_);
    }
    didScroll();
}

void CarouselEngine::loadUnloadViews()
{
    updateItemWidth();
    updateNumberOfVisibleItems();

    const int n = numberOfItems_;
    const int visible = numberOfVisibleItems_;
    const int placeholders = numberOfPlaceholdersToShow_;
    int first = currentItemIndex() - visible / 2;
    if (!wrapEnabled_) {
        const int lowest = -static_cast<int>(std::ceil(placeholders / 2.0));
        const int highest = n + placeholders / 2 - visible;
        first = std::max(lowest, std::min(highest, first));
    }
    std::set<int> wanted;
    for (int i = 0; i < visible; ++i) {
        int index = first + i;
        if (wrapEnabled_)
            index = clampedIndex(index);
        if (alphaForItemWithOffset(offsetForItemAtIndex(index)) > 0.0)
            wanted.insert(index);
    }

    std::vector<int> leaving;
    for (const auto &entry : loaded_)
        if (!wanted.count(entry.first))
            leaving.push_back(entry.first);
    for (int index : leaving) {
        loaded_.erase(index);
        host_.unloadItem(index);
    }
    for (int index : wanted)
        if (!loaded_.count(index))
            loadViewAtIndex(index);
}

void CarouselEngine::loadViewAtIndex(int index)
{
    const QSizeF size = host_.loadItem(index);
    loaded_[index] = ItemPlacement();
    if (itemWidth_ <= 0.0) {
        const double length = vertical_ ? size.height() : size.width();
        if (length > 0.0 && std::isfinite(length))
            itemWidth_ = length;
    }
    transformItemView(index);
}

void CarouselEngine::transformItemView(int index)
{
    auto found = loaded_.find(index);
    if (found == loaded_.end())
        return;
    const double offset = offsetForItemAtIndex(index);
    ItemPlacement placement;
    placement.opacity = alphaForItemWithOffset(offset);
    placement.takesTouches = !centerItemWhenSelected || index == currentItemIndex();

    // Only the tilted-flow layouts read the toggle; it keeps their tilt in step with the motion.
    const int n = numberOfItems_;
    if (decelerating_ || (scrolling_ && !dragging_ && !didDrag_) || (autoscroll_ != 0.0 && !dragging_) ||
        (!wrapEnabled_ && (scrollOffset_ < 0.0 || scrollOffset_ >= n - 1))) {
        const double clamped = std::clamp(offset, -1.0, 1.0);
        if ((offset > 0.0 && offset <= 0.5) || (offset > -0.5 && offset <= 0.0))
            toggle_ = -clamped;
        else
            toggle_ = offset > 0.0 ? 1.0 - clamped : -1.0 - clamped;
    }

    placement.transform = transformForItemWithOffset(offset);
    const double backfaceDefault = type_ == CarouselType::invertedCylinder ? 0.0 : 1.0;
    const bool showBackfaces = option(CarouselOption::showBackfaces, backfaceDefault) != 0.0;
    placement.hidden = !(showBackfaces || placement.transform.at(3, 3) > 0.0);
    found->second = placement;
    host_.placeItem(index, placement);
}

void CarouselEngine::transformItemViews()
{
    // A copy of the indexes: placing a view calls out to the host.
    for (int index : indexesForVisibleItems())
        transformItemView(index);
}

std::vector<int> CarouselEngine::indexesForVisibleItems() const
{
    std::vector<int> indexes;
    indexes.reserve(loaded_.size());
    for (const auto &entry : loaded_)
        indexes.push_back(entry.first);
    return indexes;
}

const ItemPlacement *CarouselEngine::placementOf(int index) const
{
    auto found = loaded_.find(index);
    return found == loaded_.end() ? nullptr : &found->second;
}

void CarouselEngine::depthSortViews()
{
    const ItemPlacement *current = placementOf(currentItemIndex());
    const Transform3D reference = current ? current->transform : Transform3D();
    const auto depth = [](const Transform3D &t) { return t.at(1, 3) + t.at(2, 3) + t.at(3, 3) + t.at(4, 3); };
    const auto along = [this](const Transform3D &t) {
        const int column = vertical_ ? 2 : 1;
        return t.at(1, column) + t.at(2, column) + t.at(3, column) + t.at(4, column);
    };
    std::vector<int> order = indexesForVisibleItems();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Transform3D &ta = loaded_.at(a).transform;
        const Transform3D &tb = loaded_.at(b).transform;
        const double da = depth(ta);
        const double db = depth(tb);
        if (da != db)
            return da < db;
        // Equal depth: the one farther from the current item goes behind.
        return std::fabs(along(ta) - along(reference)) > std::fabs(along(tb) - along(reference));
    });
    depthOrder_ = order;
    host_.orderItems(depthOrder_);
}

// ---- scrolling -----------------------------------------------------------

void CarouselEngine::didScroll()
{
    const int n = numberOfItems_;
    if (!std::isfinite(scrollOffset_))
        scrollOffset_ = std::isfinite(previousScrollOffset_) ? previousScrollOffset_ : 0.0;
    if (wrapEnabled_ || !bounces) {
        scrollOffset_ = clampedOffset(scrollOffset_);
    } else {
        const double lowest = -bounceDistance;
        const double highest = std::max(n - 1, 0) + bounceDistance;
        if (scrollOffset_ < lowest) {
            scrollOffset_ = lowest;
            startVelocity_ = 0.0;
        } else if (scrollOffset_ > highest) {
            scrollOffset_ = highest;
            startVelocity_ = 0.0;
        }
    }

    const int current = currentItemIndex();
    const int difference = minScrollDistanceFromIndex(current, previousItemIndex_);
    if (difference != 0) {
        toggleTime_ = now();
        toggle_ = std::clamp<double>(difference, -1.0, 1.0);
        startAnimation();
    }

    loadUnloadViews();
    transformItemViews();

    if (std::fabs(scrollOffset_ - previousScrollOffset_) > floatTolerance)
        notify(CarouselNotification::didScroll);
    if (previousItemIndex_ != current)
        notify(CarouselNotification::currentItemIndexDidChange);

    previousScrollOffset_ = scrollOffset_;
    previousItemIndex_ = current;
}

void CarouselEngine::setScrollOffset(double offset)
{
    if (!std::isfinite(offset))
        return;
    scrolling_ = false;
    decelerating_ = false;
    startOffset_ = offset;
    endOffset_ = offset;
    if (scrollOffset_ != offset) {
        scrollOffset_ = offset;
        depthSortViews();
        didScroll();
    }
}

void CarouselEngine::scrollByOffset(double offset, double duration)
{
    if (!std::isfinite(offset))
        return;
    if (duration > 0.0) {
        decelerating_ = false;
        scrolling_ = true;
        startTime_ = now();
        startOffset_ = scrollOffset_;
        scrollDuration_ = duration;
        endOffset_ = startOffset_ + offset;
        if (!wrapEnabled_)
            endOffset_ = clampedOffset(endOffset_);
        notify(CarouselNotification::willBeginScrollingAnimation);
        startAnimation();
    } else {
        setScrollOffset(scrollOffset_ + offset);
    }
}

void CarouselEngine::scrollToOffset(double offset, double duration)
{
    scrollByOffset(minScrollDistanceFromOffset(scrollOffset_, offset), duration);
}

void CarouselEngine::scrollToItemAtIndex(int index, double duration)
{
    scrollToOffset(index, duration);
}

void CarouselEngine::scrollToItemAtIndex(int index, bool animated)
{
    scrollToItemAtIndex(index, animated ? carouselconst::scrollDuration : 0.0);
}

void CarouselEngine::scrollByNumberOfItems(int count, double duration)
{
    if (duration > 0.0) {
        double offset = 0.0;
        if (count > 0)
            offset = std::floor(scrollOffset_) + count - scrollOffset_;
        else if (count < 0)
            offset = std::ceil(scrollOffset_) + count - scrollOffset_;
        else
            offset = std::round(scrollOffset_) - scrollOffset_;
        scrollByOffset(offset, duration);
    } else {
        setScrollOffset(clampedIndex(previousItemIndex_ + count));
    }
}

void CarouselEngine::reloadData()
{
    host_.unloadAll();
    loaded_.clear();
    depthOrder_.clear();
    if (!host_.hasDataSource())
        return;
    numberOfVisibleItems_ = 0;
    numberOfItems_ = std::max(0, host_.queryNumberOfItems());
    numberOfPlaceholders_ = std::max(0, host_.queryNumberOfPlaceholders());
    host_.setNeedsLayout();
    if (numberOfItems_ > 0 && scrollOffset_ < 0.0)
        scrollToItemAtIndex(0, numberOfPlaceholders_ > 0);
}

// ---- the tick ------------------------------------------------------------

double CarouselEngine::ease(double t)
{
    return t < 0.5 ? 0.5 * std::pow(t * 2.0, 3.0) : 0.5 * std::pow(t * 2.0 - 2.0, 3.0) + 1.0;
}

void CarouselEngine::startAnimation()
{
    if (timerRunning_)
        return;
    timerRunning_ = true;
    lastTime_ = now();
    host_.setTimerRunning(true);
}

void CarouselEngine::stopAnimation()
{
    if (!timerRunning_)
        return;
    timerRunning_ = false;
    host_.setTimerRunning(false);
}

void CarouselEngine::step()
{
    const double time = now();
    const double previousTime = lastTime_;
    lastTime_ = time;

    if (scrolling_ && !dragging_) {
        stepScroll(time);
    } else if (decelerating_) {
        stepDeceleration(time);
    } else if (autoscroll_ != 0.0 && !dragging_) {
        setScrollOffset(clampedOffset(scrollOffset_ - (time - previousTime) * autoscroll_));
    } else if (std::fabs(toggle_) > floatTolerance) {
        double duration = toggleMaxDuration;
        if (startVelocity_ != 0.0)
            duration = toggleMinDuration + (toggleMaxDuration - toggleMinDuration) *
                                               std::clamp(1.0 / std::fabs(startVelocity_), 0.0, 1.0);
        const double t = std::clamp((time - toggleTime_) / duration, 0.0, 1.0);
        const double eased = ease(t);
        toggle_ = toggle_ < 0.0 ? eased - 1.0 : 1.0 - eased;
        didScroll();
    } else if (autoscroll_ == 0.0) {
        stopAnimation();
    }
}

void CarouselEngine::stepScroll(double time)
{
    const double t = scrollDuration_ > 0.0 ? std::min((time - startTime_) / scrollDuration_, 1.0) : 1.0;
    const double eased = ease(std::max(t, 0.0));
    scrollOffset_ = t >= 1.0 ? endOffset_ : startOffset_ + (endOffset_ - startOffset_) * eased;
    didScroll();
    if (t >= 1.0) {
        scrolling_ = false;
        depthSortViews();
        notify(CarouselNotification::didEndScrollingAnimation);
    }
}

void CarouselEngine::stepDeceleration(double time)
{
    const double duration = scrollDuration_;
    const double t = std::clamp(time - startTime_, 0.0, duration);
    const double velocity = startVelocity_;
    const bool finished = std::fabs(t - duration) < floatTolerance;
    // The path ends exactly on its end offset and never leaves [start, end],
    // so rounding can never push it past the bounce limit.
    double offset = startOffset_ + velocity * t - (velocity / duration) * t * t / 2.0;
    offset = std::clamp(offset, std::min(startOffset_, endOffset_), std::max(startOffset_, endOffset_));
    scrollOffset_ = finished ? endOffset_ : offset;
    didScroll();
    if (finished)
        endDeceleration(time);
}

void CarouselEngine::endDeceleration(double time)
{
    decelerating_ = false;
    notify(CarouselNotification::didEndDecelerating);
    if ((scrollToItemBoundary || std::fabs(scrollOffset_ - clampedOffset(scrollOffset_)) > floatTolerance) &&
        autoscroll_ == 0.0) {
        if (std::fabs(scrollOffset_ - currentItemIndex()) < floatTolerance)
            scrollToItemAtIndex(currentItemIndex(), settleDuration);
        else
            scrollToItemAtIndex(currentItemIndex(), carouselconst::scrollDuration);
    } else {
        double difference = std::round(scrollOffset_) - scrollOffset_;
        if (difference > 0.5)
            difference -= 1.0;
        else if (difference < -0.5)
            difference += 1.0;
        toggleTime_ = time - toggleMaxDuration * std::fabs(difference);
        toggle_ = std::clamp(-difference, -1.0, 1.0);
    }
}

// ---- touches -------------------------------------------------------------

void CarouselEngine::touchOffered()
{
    if (!scrollEnabled)
        return;
    dragging_ = false;
    scrolling_ = false;
    decelerating_ = false;
}

void CarouselEngine::panBegan(double translation)
{
    if (!scrollEnabled || numberOfItems_ <= 0)
        return;
    dragging_ = true;
    scrolling_ = false;
    decelerating_ = false;
    previousTranslation_ = translation;
    notify(CarouselNotification::willBeginDragging);
}

double CarouselEngine::dragItemWidth() const
{
    if (itemWidth_ > 0.0)
        return itemWidth_;
    // No item has a size yet: move by the carousel's own length per item rather than divide by zero.
    const QSizeF size = host_.viewSize();
    const double length = vertical_ ? size.height() : size.width();
    return length > 0.0 ? length : 1.0;
}

void CarouselEngine::panChanged(double translation, double velocity)
{
    if (!dragging_)
        return;
    double factor = 1.0;
    if (!wrapEnabled_ && bounces) {
        const double beyond = std::fabs(scrollOffset_ - clampedOffset(scrollOffset_));
        if (bounceDistance > 0.0)
            factor = 1.0 - std::min(beyond, bounceDistance) / bounceDistance;
        else
            factor = beyond > 0.0 ? 0.0 : 1.0;
    }
    const double width = dragItemWidth();
    startVelocity_ = -velocity * factor * scrollSpeed / width;
    if (!std::isfinite(startVelocity_))
        startVelocity_ = 0.0;
    scrollOffset_ -= (translation - previousTranslation_) * factor * offsetMultiplier_ / width;
    previousTranslation_ = translation;
    didScroll();
}

double CarouselEngine::decelerationDistance() const
{
    const double rate = std::clamp(decelerationRate, 0.0, 0.999);
    return startVelocity_ / (2.0 * decelerationMultiplier * (1.0 - rate));
}

bool CarouselEngine::shouldDecelerate() const
{
    return std::fabs(startVelocity_) > flingSpeedThreshold &&
           std::fabs(decelerationDistance()) > decelerationDistanceThreshold;
}

bool CarouselEngine::shouldScroll() const
{
    return std::fabs(startVelocity_) > flingSpeedThreshold &&
           std::fabs(scrollOffset_ - currentItemIndex()) > scrollDistanceThreshold;
}

void CarouselEngine::startDecelerating()
{
    const double distance = decelerationDistance();
    startOffset_ = scrollOffset_;
    endOffset_ = startOffset_ + distance;
    if (pagingEnabled)
        endOffset_ = distance > 0.0 ? std::ceil(startOffset_) : std::floor(startOffset_);
    else if (stopAtItemBoundary)
        endOffset_ = distance > 0.0 ? std::ceil(endOffset_) : std::floor(endOffset_);
    if (!wrapEnabled_) {
        if (bounces)
            endOffset_ =
                std::clamp(endOffset_, -bounceDistance, std::max(numberOfItems_ - 1.0, 0.0) + bounceDistance);
        else
            endOffset_ = clampedOffset(endOffset_);
    }
    const double travel = endOffset_ - startOffset_;
    startTime_ = now();
    scrollDuration_ = std::fabs(travel) / std::fabs(0.5 * startVelocity_);
    if (travel != 0.0 && std::isfinite(scrollDuration_) && scrollDuration_ > 0.0) {
        // The path's speed must point towards the end, even where an end limit turned it round.
        if (sign(startVelocity_) != sign(travel))
            startVelocity_ = -startVelocity_;
        decelerating_ = true;
        startAnimation();
    }
}

void CarouselEngine::panEnded()
{
    if (!dragging_)
        return;
    dragging_ = false;
    didDrag_ = true;
    if (shouldDecelerate()) {
        didDrag_ = false;
        startDecelerating();
    }
    notify(CarouselNotification::didEndDragging, -1, decelerating_);
    if (decelerating_) {
        notify(CarouselNotification::willBeginDecelerating);
        return;
    }
    if ((scrollToItemBoundary || std::fabs(scrollOffset_ - clampedOffset(scrollOffset_)) > floatTolerance) &&
        autoscroll_ == 0.0) {
        const int current = currentItemIndex();
        if (std::fabs(scrollOffset_ - current) < floatTolerance)
            scrollToItemAtIndex(current, settleDuration);
        else if (shouldScroll())
            scrollToItemAtIndex(current + static_cast<int>(sign(startVelocity_)),
                                carouselconst::scrollDuration);
        else
            scrollToItemAtIndex(current, carouselconst::scrollDuration);
    } else {
        depthSortViews();
    }
}

void CarouselEngine::tapped(int index)
{
    const int current = currentItemIndex();
    if (index < 0 || index >= numberOfItems_) {
        // A tap beside the items (or on a placeholder) settles on the current item.
        if (current != -1)
            scrollToItemAtIndex(current, true);
        return;
    }
    if (host_.shouldSelectItem(index)) {
        if ((index != current && centerItemWhenSelected) || (index == current && scrollToItemBoundary))
            scrollToItemAtIndex(index, true);
        notify(CarouselNotification::didSelectItem, index);
    } else if (scrollEnabled && scrollToItemBoundary && autoscroll_ != 0.0) {
        scrollToItemAtIndex(current, true);
    }
}

void CarouselEngine::settleIfNeeded()
{
    if (scrolling_ || decelerating_ || dragging_ || autoscroll_ != 0.0)
        return;
    const int current = currentItemIndex();
    if (current == -1)
        return;
    const bool offBoundary = scrollToItemBoundary && std::fabs(scrollOffset_ - current) > floatTolerance;
    if (offBoundary || std::fabs(scrollOffset_ - clampedOffset(scrollOffset_)) > floatTolerance)
        scrollToItemAtIndex(current, true);
}

void CarouselEngine::notify(CarouselNotification notification, int index, bool flag)
{
    host_.notify(notification, index, flag);
}

} // namespace components
