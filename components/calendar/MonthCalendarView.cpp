// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/MonthCalendarView.h"

#include "platform/calendar/Clock.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace components {

void installMonthCalendarAccessibility();

namespace {

using platform::Instant;
namespace geometry = monthgeometry;

constexpr double pageTurnSeconds = 0.3;
constexpr double scopeChangeSeconds = 0.3;
// Laid-out height assumed before the view was ever given one.
constexpr double fallbackMonthHeight = 300.0;
// How far past the first and last page a drag may pull, in pages.
constexpr double dragOvershoot = 0.3;

double easeOut(double t)
{
    return 1.0 - (1.0 - t) * (1.0 - t);
}

// Appearance sizes are in device-independent points; Qt fonts count 72 to the inch.
QFont fontOfSize(const QWidget *widget, double points, bool bold = false)
{
    QFont font = widget->font();
    const double dpi = widget->logicalDpiY() > 0 ? widget->logicalDpiY() : 96.0;
    font.setPointSizeF(std::max(1.0, points * 72.0 / dpi));
    font.setBold(bold);
    return font;
}

// A neighbouring page's title in the header as a button that turns to it: a
// chevron at the outer edge pointing away, then the title, elided to fit.
class PageStepButton : public QAbstractButton
{
public:
    explicit PageStepButton(QWidget *parent) : QAbstractButton(parent)
    {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        setAttribute(Qt::WA_Hover);
    }

    bool pointsLeft = false;
    QColor color;
    // The keyboard's ring; none: the palette's highlight.
    QColor focusColor;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor ink = color;
        ink.setAlphaF(ink.alphaF() * (isDown() || underMouse() || hasFocus() ? 1.0f : 0.75f));
        // Like the page titles, in the lower nine tenths.
        const QRectF area(0, height() * 0.1, width(), height() * 0.9);
        const double size = std::clamp(area.height() * 0.18, 3.0, 7.0);
        constexpr double margin = 6.0;
        const double x = pointsLeft ? margin + size / 2.0 : width() - margin - size / 2.0;
        const double y = area.center().y();
        const double away = pointsLeft ? 1.0 : -1.0;
        QPen pen(ink, 2.0);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        const QPointF chevron[] = {
            {x + away * size / 2.0, y - size}, {x - away * size / 2.0, y}, {x + away * size / 2.0, y + size}};
        painter.drawPolyline(chevron, 3);
        const double textStart = margin + size + 6.0;
        const QRectF text =
            pointsLeft ? area.adjusted(textStart, 0, -2.0, 0) : area.adjusted(2.0, 0, -textStart, 0);
        // A long title takes a smaller type before it is cut short.
        QFont smaller = font();
        const double wide = QFontMetricsF(smaller).horizontalAdvance(this->text());
        if (wide > text.width() && wide > 0.0 && smaller.pointSizeF() > 0.0)
            smaller.setPointSizeF(smaller.pointSizeF() * std::max(0.65, text.width() / wide));
        painter.setFont(smaller);
        painter.drawText(
            text, (pointsLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(this->text(), Qt::ElideRight, static_cast<int>(text.width())));
        if (hasFocus()) {
            painter.setPen(
                QPen(focusColor.isValid() ? focusColor : palette().color(QPalette::Highlight), 3.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        }
    }
};

} // namespace

double MonthCalendarView::Animation::valueAt(double now) const
{
    if (!running || duration <= 0.0)
        return to;
    const double t = std::clamp((now - start) / duration, 0.0, 1.0);
    return from + (to - from) * easeOut(t);
}

MonthCalendarView::MonthCalendarView(QWidget *parent, std::shared_ptr<const MediaClock> clock)
    : QWidget(parent), clock_(clock ? std::move(clock) : std::make_shared<SteadyMediaClock>())
{
    installMonthCalendarAccessibility();
    model_.setView(this);
    model_.setHost(this);
    pagePosition_ = model_.currentPageIndex();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAccessibleName(QStringLiteral("calendar"));
    setLayoutDirection(model_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(16);
    connect(&timer_, &QTimer::timeout, this, &MonthCalendarView::step);
    midnightTimer_.setSingleShot(true);
    connect(&midnightTimer_, &QTimer::timeout, this, [this] {
        refreshToday();
        armMidnightTimer();
    });
    // Back in front after a night away: today may have moved.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) {
            refreshToday();
            armMidnightTimer();
        }
    });
    armMidnightTimer();

    auto *previous = new PageStepButton(this);
    previous->setObjectName(QStringLiteral("previousPageButton"));
    previous->hide();
    connect(previous, &QAbstractButton::clicked, this, [this] { turnPages(-1); });
    previousPageButton_ = previous;
    auto *next = new PageStepButton(this);
    next->setObjectName(QStringLiteral("nextPageButton"));
    next->hide();
    connect(next, &QAbstractButton::clicked, this, [this] { turnPages(1); });
    nextPageButton_ = next;
}

MonthCalendarView::~MonthCalendarView()
{
    timer_.stop();
    midnightTimer_.stop();
    model_.setHost(nullptr);
    model_.setDelegate(nullptr);
}

void MonthCalendarView::setMediaClock(std::shared_ptr<const MediaClock> clock)
{
    if (clock)
        clock_ = std::move(clock);
}

void MonthCalendarView::setDataSource(MonthCalendarDataSource *dataSource)
{
    cellCache_.clear();
    model_.setDataSource(dataSource);
    pagePosition_ = model_.currentPageIndex();
    announceBoundsIfNeeded(false);
}

void MonthCalendarView::setDelegate(MonthCalendarDelegate *delegate)
{
    model_.setDelegate(delegate);
}

void MonthCalendarView::setDelegateAppearance(MonthCalendarDelegateAppearance *appearance)
{
    delegateAppearance_ = appearance;
    update();
}

void MonthCalendarView::appearanceChanged()
{
    model_.setHeaderDateFormat(appearance_.headerDateFormat);
    invalidateHeights();
    update();
}

void MonthCalendarView::setLocaleName(const QString &locale)
{
    model_.setLocaleName(locale);
    setLayoutDirection(model_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
}

void MonthCalendarView::reloadData()
{
    cellCache_.clear();
    model_.reloadData();
    pagePosition_ = model_.currentPageIndex();
    announceBoundsIfNeeded(false);
    update();
}

void MonthCalendarView::reloadCells()
{
    cellCache_.clear();
    update();
}

void MonthCalendarView::followClockForToday()
{
    model_.followClockForToday();
    refreshToday();
}

void MonthCalendarView::refreshToday()
{
    model_.refreshToday(platform::Clock::current());
}

void MonthCalendarView::armMidnightTimer()
{
    const Instant now = platform::Clock::current();
    const Instant next = model_.dateByAddingDays(1, now);
    const auto msecs = platform::msecsOf(next) - platform::msecsOf(now);
    // A clock that stands still (tests) must not spin the timer.
    midnightTimer_.start(static_cast<int>(std::clamp<std::int64_t>(msecs + 50, 1000, 24LL * 3600 * 1000)));
}

// ---- heights ---------------------------------------------------------------

void MonthCalendarView::invalidateHeights()
{
    heights_.reset();
}

void MonthCalendarView::ensureHeights()
{
    if (heights_)
        return;
    const double laidOut =
        model_.scope() == MonthCalendarScope::month && height() > 0 ? height() : fallbackMonthHeight;
    const double handle = showsScopeHandle_ ? laidOut * geometry::scopeHandleShare : 0.0;
    heights_ = geometry::automaticHeights(laidOut, model_.showsPlaceholders(), handle, explicitHeaderHeight_,
                                          explicitWeekdayHeight_);
}

const geometry::MonthCalendarHeights &MonthCalendarView::heights()
{
    ensureHeights();
    return *heights_;
}

double MonthCalendarView::fittingHeight()
{
    return heights().fittingHeight(model_.currentRows());
}

QSize MonthCalendarView::sizeHint() const
{
    auto *self = const_cast<MonthCalendarView *>(this);
    return QSize(360, static_cast<int>(std::ceil(self->fittingHeight())));
}

double MonthCalendarView::displayedRows() const
{
    if (scopeAnimation_.running)
        return scopeAnimation_.valueAt(clock_->now());
    if (rowsAnimation_.running)
        return rowsAnimation_.valueAt(clock_->now());
    return model_.currentRows();
}

QRectF MonthCalendarView::headerRect()
{
    return QRectF(0, 0, width(), heights().header);
}

QRectF MonthCalendarView::weekdayRect()
{
    return QRectF(0, heights().header, width(), heights().weekday);
}

QRectF MonthCalendarView::gridRect()
{
    const auto &h = heights();
    return QRectF(0, h.header + h.weekday, width(), displayedRows() * h.row);
}

QRectF MonthCalendarView::scopeHandleRect()
{
    if (!showsScopeHandle_)
        return QRectF();
    const auto &h = heights();
    return QRectF(0, gridRect().bottom() + 0.2 * h.weekday, width(), h.handle);
}

void MonthCalendarView::setShowsPlaceholders(bool shows)
{
    // Rows are sized differently with and without placeholders.
    invalidateHeights();
    model_.setShowsPlaceholders(shows);
}

void MonthCalendarView::setShowsScopeHandle(bool shows)
{
    showsScopeHandle_ = shows;
    invalidateHeights();
    announceBoundsIfNeeded(false);
    update();
}

void MonthCalendarView::setHeaderHeight(double height)
{
    explicitHeaderHeight_ = height;
    invalidateHeights();
    update();
}

void MonthCalendarView::setWeekdayHeight(double height)
{
    explicitWeekdayHeight_ = height;
    invalidateHeights();
    update();
}

void MonthCalendarView::announceBoundsIfNeeded(bool animated)
{
    const double fitting = fittingHeight();
    if (std::fabs(fitting - height()) < 0.5 || !model_.delegate())
        return;
    announcedHeight_ = fitting;
    model_.delegate()->boundingRectWillChange(this, QRectF(0, 0, width(), fitting), animated);
}

void MonthCalendarView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Our own request keeps the heights; an owner that gives us another
    // height in month scope lays us out afresh.
    const bool requested = std::fabs(height() - announcedHeight_) < 1.0;
    if (!requested && model_.scope() == MonthCalendarScope::month && !rowsAnimation_.running &&
        !scopeAnimation_.running) {
        invalidateHeights();
        // Told after the layout pass that resized us, not from inside it.
        QMetaObject::invokeMethod(
            this, [this] { announceBoundsIfNeeded(false); }, Qt::QueuedConnection);
    }
    update();
}

// ---- model host ------------------------------------------------------------

void MonthCalendarView::scrollToCurrentPage(bool animated)
{
    const double target = model_.currentPageIndex();
    if (animated && isVisible() && std::fabs(target - pagePosition_) > 1e-6) {
        startAnimation(pageAnimation_, pagePosition_, target, pageTurnSeconds);
    } else {
        pageAnimation_.running = false;
        pagePosition_ = target;
    }
    update();
}

void MonthCalendarView::selectionAnimationStarted(Instant date)
{
    bounceDate_ = date;
    bounceStart_ = clock_->now();
    updateTimer();
    update();
}

void MonthCalendarView::rowCountWillChange(int fromRows, int toRows, bool animated)
{
    const double from = rowsAnimation_.running ? rowsAnimation_.valueAt(clock_->now()) : fromRows;
    if (animated && isVisible())
        startAnimation(rowsAnimation_, from, toRows, geometry::heightAnimationSeconds);
    else
        rowsAnimation_.running = false;
    announceBoundsIfNeeded(animated);
    update();
}

void MonthCalendarView::modelChanged()
{
    if (cachedGeneration_ != model_.layoutGeneration()) {
        cellCache_.clear();
        cachedGeneration_ = model_.layoutGeneration();
    }
    update();
}

// ---- animations ------------------------------------------------------------

void MonthCalendarView::startAnimation(Animation &animation, double from, double to, double duration)
{
    animation.from = from;
    animation.to = to;
    animation.start = clock_->now();
    animation.duration = duration;
    animation.running = true;
    updateTimer();
}

bool MonthCalendarView::isAnimating() const
{
    const bool bouncing = bounceDate_ && clock_->now() - bounceStart_ < geometry::selectionBounceSeconds;
    return pageAnimation_.running || rowsAnimation_.running || scopeAnimation_.running || bouncing;
}

void MonthCalendarView::updateTimer()
{
    if (isAnimating() && isVisible())
        timer_.start();
    else if (!isAnimating())
        timer_.stop();
}

void MonthCalendarView::step()
{
    const double now = clock_->now();
    if (pageAnimation_.running) {
        pagePosition_ = pageAnimation_.valueAt(now);
        if (now - pageAnimation_.start >= pageAnimation_.duration) {
            pageAnimation_.running = false;
            pagePosition_ = pageAnimation_.to;
        }
    }
    for (Animation *animation : {&rowsAnimation_, &scopeAnimation_})
        if (animation->running && now - animation->start >= animation->duration)
            animation->running = false;
    if (bounceDate_ && now - bounceStart_ >= geometry::selectionBounceSeconds)
        bounceDate_.reset();
    updateTimer();
    update();
}

void MonthCalendarView::settle()
{
    if (pageAnimation_.running)
        pagePosition_ = pageAnimation_.to;
    pageAnimation_.running = rowsAnimation_.running = scopeAnimation_.running = false;
    bounceDate_.reset();
    timer_.stop();
    update();
}

double MonthCalendarView::shapeScale(Instant date) const
{
    if (!bounceDate_ || *bounceDate_ != date)
        return 1.0;
    return geometry::bounceScale(clock_->now() - bounceStart_);
}

// ---- scope -----------------------------------------------------------------

void MonthCalendarView::setScope(MonthCalendarScope scope, bool animated)
{
    if (scope == model_.scope())
        return;
    ensureHeights();
    const int fromRows = static_cast<int>(std::lround(displayedRows()));
    // The row of the kept week on the month page, for the slide.
    if (scope == MonthCalendarScope::week) {
        scopeMonthPage_ = model_.currentPageIndex();
        const int index = model_.cellIndexOfDate(scopeMonthPage_, model_.weekToKeep());
        scopeKeptRow_ = index >= 0 ? index / geometry::columns : 0;
    }
    scopeAnimationFrom_ = model_.scope();
    const Instant weekLeft = model_.currentPage();
    // The owner resizes first, then the grid changes.
    const double target = heights_->fittingHeight(
        scope == MonthCalendarScope::week
            ? 1
            : model_.rowsInMonth(model_.startOfMonth(model_.dateByAddingDays(3, model_.currentPage()))));
    if (model_.delegate() && std::fabs(target - height()) >= 0.5) {
        announcedHeight_ = target;
        model_.delegate()->boundingRectWillChange(this, QRectF(0, 0, width(), target), animated);
    }
    model_.setScope(scope);
    if (scope == MonthCalendarScope::month) {
        // The week we leave slides from the top into its row of the month.
        scopeMonthPage_ = model_.currentPageIndex();
        const int index = model_.cellIndexOfDate(scopeMonthPage_, weekLeft);
        scopeKeptRow_ = index >= 0 ? index / geometry::columns : 0;
    }
    if (animated && isVisible())
        startAnimation(scopeAnimation_, fromRows, model_.currentRows(), scopeChangeSeconds);
    else
        scopeAnimation_.running = false;
    pagePosition_ = model_.currentPageIndex();
    update();
}

void MonthCalendarView::setScrollDirection(MonthCalendarScrollDirection direction)
{
    model_.setScrollDirection(direction);
    pagePosition_ = model_.currentPageIndex();
}

// ---- cells -----------------------------------------------------------------

const std::vector<MonthCalendarCell> &MonthCalendarView::pageCells(int page)
{
    if (cachedGeneration_ != model_.layoutGeneration()) {
        cellCache_.clear();
        cachedGeneration_ = model_.layoutGeneration();
    }
    auto found = cellCache_.find(page);
    if (found == cellCache_.end()) {
        // A few pages around the one on screen are enough to keep.
        if (cellCache_.size() > 8)
            cellCache_.clear();
        found = cellCache_.emplace(page, model_.cells(page)).first;
    }
    return found->second;
}

MonthCalendarCell MonthCalendarView::cellOnPage(int page, int index)
{
    const auto &cells = pageCells(page);
    if (index < 0 || index >= static_cast<int>(cells.size()))
        return MonthCalendarCell{};
    MonthCalendarCell cell = cells[index];
    // Selection and today change without new content.
    cell.selected = model_.isSelected(cell.date);
    cell.today = cell.date == model_.today();
    if (cell.placeholder && !model_.pagingEnabled)
        cell.selected = cell.today = false;
    return cell;
}

QRectF MonthCalendarView::rectForDate(Instant date)
{
    const int page = model_.currentPageIndex();
    const int index = model_.cellIndexOfDate(page, date);
    if (index < 0)
        return QRectF();
    const QRectF grid = gridRect();
    const double cellWidth = width() / double(geometry::columns);
    const double row = heights().row;
    const int column = model_.visualColumn(index % geometry::columns);
    return QRectF(column * cellWidth, grid.top() + (index / geometry::columns) * row, cellWidth, row);
}

double MonthCalendarView::headerOpacity(int page)
{
    const double cellWidth = width() / 2.0;
    return geometry::headerTitleOpacity((page - pagePosition_) * cellWidth, cellWidth,
                                        appearance_.headerMinimumDissolvedAlpha);
}

// ---- drawing ---------------------------------------------------------------

void MonthCalendarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ensureHeights();
    placePageButtons();
    const double scale = cellTextScale();
    const QFont titleFont = fontOfSize(this, appearance_.titleFontSize * scale);
    const QFont subtitleFont = fontOfSize(this, appearance_.subtitleFontSize * scale);
    if (!titleMetrics_ || titleFont != titleFont_ || subtitleFont != subtitleFont_) {
        titleFont_ = titleFont;
        subtitleFont_ = subtitleFont;
        titleMetrics_.emplace(titleFont_);
        subtitleMetrics_.emplace(subtitleFont_);
        textCache_.clear();
    }
    paintHeader(painter);
    paintWeekdays(painter);

    const QRectF grid = gridRect();
    painter.save();
    painter.setClipRect(grid);
    const double row = heights_->row;
    const int count = model_.numberOfPages();
    const bool horizontal = model_.scrollDirection() == MonthCalendarScrollDirection::horizontal;
    const double direction = model_.isRightToLeft() ? -1.0 : 1.0;
    const int first = static_cast<int>(std::floor(pagePosition_));
    for (int page = first; page <= first + 1; ++page) {
        if (page < 0 || page >= count)
            continue;
        const double shift = page - pagePosition_;
        if (std::fabs(shift) >= 1.0)
            continue;
        QPointF origin = grid.topLeft();
        if (horizontal)
            origin.rx() += shift * width() * direction;
        else
            origin.ry() += shift * grid.height();
        if (scopeAnimation_.running) {
            // The kept week slides between its month row and the top.
            const double progress =
                std::clamp((clock_->now() - scopeAnimation_.start) / scopeAnimation_.duration, 0.0, 1.0);
            const double eased = easeOut(progress);
            if (model_.scope() == MonthCalendarScope::week)
                origin.ry() += scopeKeptRow_ * row * (1.0 - eased);
            else
                origin.ry() -= scopeKeptRow_ * row * (1.0 - eased);
        }
        paintPage(painter, page, origin, row);
    }
    painter.restore();

    if (showsScopeHandle_)
        paintScopeHandle(painter);
    // Thin lines along the top and the bottom of the view.
    painter.setPen(QPen(appearance_.separatorColor, 1.0));
    painter.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
    painter.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));
}

double MonthCalendarView::cellTextScale()
{
    ensureHeights();
    const double lines = appearance_.titleFontSize + appearance_.subtitleFontSize;
    return geometry::cellTextScale(heights_->row, width() / double(geometry::columns), lines);
}

void MonthCalendarView::placePageButtons()
{
    const bool horizontal = model_.scrollDirection() == MonthCalendarScrollDirection::horizontal;
    const int count = model_.numberOfPages();
    const int page = model_.currentPageIndex();
    const QRectF header = headerRect();
    const int buttonWidth = width() / 4;
    const QFont font = fontOfSize(this, appearance_.headerTitleFontSize * 0.8);
    for (const int step : {-1, 1}) {
        auto *button = static_cast<PageStepButton *>(step < 0 ? previousPageButton_ : nextPageButton_);
        const int target = page + step;
        const bool shown = horizontal && model_.scrollEnabled && target >= 0 && target < count;
        if (!shown) {
            button->hide();
            continue;
        }
        // The previous page lies on the leading side: the right in right-to-left.
        const bool left = (step < 0) != model_.isRightToLeft();
        if (button->pointsLeft != left || button->color != appearance_.headerTitleColor ||
            button->font() != font || button->focusColor != appearance_.focusColor) {
            button->pointsLeft = left;
            button->color = appearance_.headerTitleColor;
            button->setFont(font);
            button->focusColor = appearance_.focusColor;
            button->update();
        }
        button->setText(model_.headerTitle(target));
        button->setGeometry(left ? 0 : width() - buttonWidth, static_cast<int>(header.top()), buttonWidth,
                            static_cast<int>(std::ceil(header.height())));
        button->show();
    }
}

void MonthCalendarView::paintHeader(QPainter &painter)
{
    const QRectF header = headerRect();
    painter.save();
    painter.setClipRect(header);
    painter.setFont(
        fontOfSize(this, appearance_.headerTitleFontSize *
                             geometry::bandTextScale(header.height() * 0.9, appearance_.headerTitleFontSize,
                                                     cellTextScale())));
    painter.setPen(appearance_.headerTitleColor);
    // Titles sit in the lower nine tenths of the header.
    const double top = header.top() + header.height() * 0.1;
    const double textHeight = header.height() * 0.9;
    const int count = model_.numberOfPages();
    if (model_.scrollDirection() == MonthCalendarScrollDirection::horizontal) {
        // The neighbours' titles are the buttons at the edges; the titles
        // drawn here slide between them.
        if (previousPageButton_->isVisible() || nextPageButton_->isVisible())
            painter.setClipRect(header.adjusted(width() / 4, 0, -(width() / 4), 0));
        // Title cells half the header wide, so the neighbours show at the edges.
        const double cellWidth = width() / 2.0;
        const double direction = model_.isRightToLeft() ? -1.0 : 1.0;
        const int centre = static_cast<int>(std::lround(pagePosition_));
        for (int page = centre - 2; page <= centre + 2; ++page) {
            if (page < 0 || page >= count)
                continue;
            const double opacity = headerOpacity(page);
            if (opacity <= 0.0)
                continue;
            const double x = width() / 2.0 + (page - pagePosition_) * cellWidth * direction;
            painter.setOpacity(opacity);
            painter.drawText(QRectF(x - cellWidth / 2.0, top, cellWidth, textHeight), Qt::AlignCenter,
                             model_.headerTitle(page));
        }
    } else {
        const int page = std::clamp(static_cast<int>(std::lround(pagePosition_)), 0, std::max(0, count - 1));
        painter.drawText(QRectF(0, top, width(), textHeight), Qt::AlignCenter, model_.headerTitle(page));
    }
    painter.restore();
}

void MonthCalendarView::paintWeekdays(QPainter &painter)
{
    const QRectF area = weekdayRect();
    painter.save();
    const double cellWidth = width() / double(geometry::columns);
    const QStringList symbols = model_.weekdaySymbols();
    double points = appearance_.weekdayFontSize *
                    geometry::bandTextScale(area.height(), appearance_.weekdayFontSize, cellTextScale());
    // No wider than a column takes its longest name whole (small type before
    // cut names, down to a floor).
    double widest = 0.0;
    const QFontMetricsF metrics(fontOfSize(this, points));
    for (const QString &symbol : symbols)
        widest = std::max(widest, metrics.horizontalAdvance(symbol));
    if (widest > cellWidth - 4.0)
        points = std::max(appearance_.weekdayFontSize * 0.6, points * (cellWidth - 4.0) / widest);
    painter.setFont(fontOfSize(this, points));
    painter.setPen(appearance_.weekdayTextColor);
    for (int column = 0; column < geometry::columns; ++column) {
        const QRectF box(model_.visualColumn(column) * cellWidth, area.top(), cellWidth, area.height());
        painter.drawText(box, Qt::AlignCenter,
                         painter.fontMetrics().elidedText(symbols.value(column), Qt::ElideRight,
                                                          static_cast<int>(cellWidth)));
    }
    painter.restore();
}

void MonthCalendarView::paintPage(QPainter &painter, int page, QPointF origin, double rowHeight)
{
    const auto &cells = pageCells(page);
    const double cellWidth = width() / double(geometry::columns);
    for (int index = 0; index < static_cast<int>(cells.size()); ++index) {
        const MonthCalendarCell cell = cellOnPage(page, index);
        if (cell.hidden)
            continue;
        const int column = model_.visualColumn(index % geometry::columns);
        const QRectF box(origin.x() + column * cellWidth,
                         origin.y() + (index / geometry::columns) * rowHeight, cellWidth, rowHeight);
        paintCell(painter, cell, box);
    }
}

MonthCalendarView::CellColors MonthCalendarView::cellColors(const MonthCalendarCell &cell)
{
    const int state = cell.state();
    using Hook = std::optional<QColor> (MonthCalendarDelegateAppearance::*)(MonthCalendarView *, Instant);
    const auto pick = [&](Hook defaultColor, Hook selectionColor, const std::map<int, QColor> &table) {
        if (delegateAppearance_) {
            const auto answer =
                (delegateAppearance_->*(cell.selected ? selectionColor : defaultColor))(this, cell.date);
            if (answer)
                return *answer;
        }
        return MonthCalendarAppearance::colorFor(table, state);
    };
    using D = MonthCalendarDelegateAppearance;
    return CellColors{
        pick(&D::fillDefaultColorForDate, &D::fillSelectionColorForDate, appearance_.fillColors),
        pick(&D::titleDefaultColorForDate, &D::titleSelectionColorForDate, appearance_.titleColors),
        pick(&D::subtitleDefaultColorForDate, &D::subtitleSelectionColorForDate, appearance_.subtitleColors),
        pick(&D::borderDefaultColorForDate, &D::borderSelectionColorForDate, appearance_.borderColors)};
}

void MonthCalendarView::paintCellShape(QPainter &painter, const MonthCalendarCell &cell,
                                       const CellColors &colors, const QRectF &content)
{
    const bool drawShape = cell.selected || cell.today || colors.fill.alpha() > 0;
    if (!drawShape && colors.border.alpha() == 0)
        return;
    MonthCalendarCellShape shape = appearance_.cellShape;
    if (delegateAppearance_)
        shape = delegateAppearance_->cellShapeForDate(this, cell.date).value_or(shape);
    const double diameter = std::max(0.0, std::min(content.width(), content.height()) - 2.0);
    const double size = diameter * shapeScale(cell.date);
    const QRectF shapeRect(content.center().x() - size / 2.0, content.center().y() - size / 2.0, size, size);
    painter.setPen(colors.border.alpha() > 0 ? QPen(colors.border, 1.0) : Qt::NoPen);
    painter.setBrush(drawShape ? QBrush(colors.fill) : Qt::NoBrush);
    if (shape == MonthCalendarCellShape::circle)
        painter.drawEllipse(shapeRect);
    else
        painter.drawRect(shapeRect);
}

void MonthCalendarView::paintCellTexts(QPainter &painter, const MonthCalendarCell &cell,
                                       const CellColors &colors, const QRectF &content)
{
    const QFontMetricsF &titleMetrics = *titleMetrics_;
    const QFontMetricsF &subtitleMetrics = *subtitleMetrics_;
    const int textWidth = static_cast<int>(std::max(0.0, content.width() - 2.0));
    const auto draw = [&](bool title, const QString &text, double top) {
        const QStaticText &laidOut = cellText(title, text, textWidth);
        painter.setFont(title ? titleFont_ : subtitleFont_);
        painter.setPen(title ? colors.title : colors.subtitle);
        painter.drawStaticText(QPointF(content.center().x() - laidOut.size().width() / 2.0, top), laidOut);
    };
    if (cell.subtitle.isEmpty()) {
        draw(true, cell.title, content.center().y() - titleMetrics.height() / 2.0);
        return;
    }
    // Title and subtitle stacked and centred together.
    const double top = content.center().y() - (titleMetrics.height() + subtitleMetrics.height()) / 2.0;
    draw(true, cell.title, top);
    draw(false, cell.subtitle, top + titleMetrics.height());
}

void MonthCalendarView::paintEventDots(QPainter &painter, const MonthCalendarCell &cell, const QRectF &box)
{
    QColor dot = appearance_.eventColor;
    std::vector<QColor> colors;
    if (delegateAppearance_) {
        dot = delegateAppearance_->eventColorForDate(this, cell.date).value_or(dot);
        colors = delegateAppearance_->eventColorsForDate(this, cell.date);
    }
    // At most three dots, however many events there are.
    const int dots = std::min(cell.numberOfEvents, 3);
    const double radius = std::max(2.0, box.height() / 20.0);
    const double gap = radius * 3.0;
    const double y = box.top() + box.height() * 11.0 / 12.0;
    const double left = box.center().x() - gap * (dots - 1) / 2.0;
    painter.setPen(appearance_.eventOutlineColor.isValid() ? QPen(appearance_.eventOutlineColor, 1.0)
                                                           : QPen(Qt::NoPen));
    for (int i = 0; i < dots; ++i) {
        const auto index = static_cast<std::size_t>(i);
        painter.setBrush(index < colors.size() ? colors[index] : dot);
        painter.drawEllipse(QPointF(left + i * gap, y), radius, radius);
    }
}

void MonthCalendarView::paintCell(QPainter &painter, const MonthCalendarCell &cell, const QRectF &box)
{
    const CellColors colors = cellColors(cell);
    // Everything sits in the upper five sixths; the dots below.
    const QRectF content(box.left(), box.top(), box.width(), box.height() * 5.0 / 6.0);
    paintCellShape(painter, cell, colors, content);
    if (cell.image) {
        const QSizeF imageSize = QSizeF(cell.image->size()).scaled(content.size() * 0.5, Qt::KeepAspectRatio);
        painter.drawImage(
            QRectF(QPointF(content.center().x() - imageSize.width() / 2.0, content.top()), imageSize),
            *cell.image);
    }
    paintCellTexts(painter, cell, colors, content);
    if (cell.numberOfEvents > 0)
        paintEventDots(painter, cell, box);
    if (hasFocus() && cell.selected && !cell.placeholder) {
        painter.setBrush(Qt::NoBrush);
        if (appearance_.focusColor.isValid())
            painter.setPen(QPen(appearance_.focusColor, 3.0));
        else
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DotLine));
        painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
}

const QStaticText &MonthCalendarView::cellText(bool title, const QString &text, int width)
{
    const QString key = (title ? QStringLiteral("t") : QStringLiteral("s")) + QString::number(width) +
                        QLatin1Char('|') + text;
    auto found = textCache_.find(key);
    if (found != textCache_.end())
        return found->second;
    if (textCache_.size() > 1024)
        textCache_.clear();
    const QFontMetricsF &metrics = title ? *titleMetrics_ : *subtitleMetrics_;
    QStaticText laidOut(metrics.elidedText(text, Qt::ElideRight, width));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
    laidOut.prepare(QTransform(), title ? titleFont_ : subtitleFont_);
    return textCache_.emplace(key, std::move(laidOut)).first->second;
}

void MonthCalendarView::paintScopeHandle(QPainter &painter)
{
    const QRectF handle = scopeHandleRect();
    const double barWidth = std::min(40.0, handle.width() / 4.0);
    const double barHeight = std::max(3.0, handle.height() / 6.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MonthCalendarAppearance::lightGray());
    painter.drawRoundedRect(QRectF(handle.center().x() - barWidth / 2.0,
                                   handle.center().y() - barHeight / 2.0, barWidth, barHeight),
                            barHeight / 2.0, barHeight / 2.0);
}

// ---- input -----------------------------------------------------------------

std::optional<MonthCalendarCell> MonthCalendarView::cellAt(QPointF position)
{
    const QRectF grid = gridRect();
    if (!grid.contains(position) || width() <= 0)
        return std::nullopt;
    const double cellWidth = width() / double(geometry::columns);
    const int visual = std::clamp(static_cast<int>(position.x() / cellWidth), 0, geometry::columns - 1);
    const int column = model_.visualColumn(visual);
    const int row = static_cast<int>((position.y() - grid.top()) / heights().row);
    const int page = model_.currentPageIndex();
    const int index = row * geometry::columns + column;
    if (index < 0 || index >= static_cast<int>(pageCells(page).size()))
        return std::nullopt;
    return cellOnPage(page, index);
}

void MonthCalendarView::pointerPressed(QPointF position)
{
    setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    pagingDrag_ = false;
    handleDrag_ = showsScopeHandle_ && scopeHandleRect().contains(position);
    pressPosition_ = lastPosition_ = position;
    lastMoveTime_ = clock_->now();
    dragVelocity_ = 0.0;
    if (pageAnimation_.running) {
        // Catch the page where it is.
        pagePosition_ = pageAnimation_.valueAt(clock_->now());
        pageAnimation_.running = false;
    }
    dragStartPage_ = model_.currentPageIndex();
}

void MonthCalendarView::pointerMoved(QPointF position)
{
    if (!pressed_ || handleDrag_)
        return;
    const bool horizontal = model_.scrollDirection() == MonthCalendarScrollDirection::horizontal;
    const QPointF delta = position - pressPosition_;
    const double along = horizontal ? delta.x() : delta.y();
    const double across = horizontal ? delta.y() : delta.x();
    if (!pagingDrag_) {
        const int threshold = QGuiApplication::styleHints()->startDragDistance();
        if (!model_.scrollEnabled || std::fabs(along) < threshold || std::fabs(along) < std::fabs(across))
            return;
        pagingDrag_ = true;
        model_.dragBegan();
    }
    const double length = horizontal ? width() : gridRect().height();
    if (length <= 0.0)
        return;
    // Moving the finger towards the start of the reading direction brings the next page.
    const double sign = horizontal && model_.isRightToLeft() ? 1.0 : -1.0;
    const double travelled = sign * along / length;
    const int last = std::max(0, model_.numberOfPages() - 1);
    const double previous = pagePosition_;
    pagePosition_ = std::clamp(dragStartPage_ + travelled, -dragOvershoot, last + dragOvershoot);
    const double now = clock_->now();
    const double elapsed = now - lastMoveTime_;
    if (elapsed > 1e-4)
        dragVelocity_ = (pagePosition_ - previous) / elapsed;
    lastMoveTime_ = now;
    lastPosition_ = position;
    update();
}

void MonthCalendarView::pointerReleased(QPointF position)
{
    if (!pressed_)
        return;
    pressed_ = false;
    if (handleDrag_) {
        handleDrag_ = false;
        const double dy = position.y() - pressPosition_.y();
        const int threshold = QGuiApplication::styleHints()->startDragDistance();
        if (dy < -threshold)
            setScope(MonthCalendarScope::week, true);
        else if (dy > threshold)
            setScope(MonthCalendarScope::month, true);
        return;
    }
    if (pagingDrag_) {
        pagingDrag_ = false;
        pointerMoved(position);
        // A pause before letting go is no flick.
        if (clock_->now() - lastMoveTime_ > 0.1)
            dragVelocity_ = 0.0;
        const int count = model_.numberOfPages();
        const int target = model_.pagingEnabled
                               ? geometry::pageAfterDrag(dragStartPage_, pagePosition_ - dragStartPage_,
                                                         dragVelocity_, count)
                               : std::clamp(static_cast<int>(std::lround(pagePosition_)), 0, count - 1);
        model_.dragEnded(target);
        return;
    }
    if (const auto cell = cellAt(position))
        model_.tapCell(*cell);
}

void MonthCalendarView::pointerCancelled()
{
    if (!pressed_)
        return;
    pressed_ = false;
    handleDrag_ = false;
    if (pagingDrag_) {
        pagingDrag_ = false;
        model_.dragEnded(model_.currentPageIndex());
    }
}

void MonthCalendarView::mousePressEvent(QMouseEvent *event)
{
    if (event->source() == Qt::MouseEventSynthesizedByQt || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pointerPressed(event->position());
}

void MonthCalendarView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->source() == Qt::MouseEventSynthesizedByQt)
        return;
    if (event->buttons() & Qt::LeftButton)
        pointerMoved(event->position());
}

void MonthCalendarView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->source() == Qt::MouseEventSynthesizedByQt || event->button() != Qt::LeftButton)
        return;
    pointerReleased(event->position());
}

bool MonthCalendarView::event(QEvent *event)
{
    return followFirstTouch(event) || QWidget::event(event);
}

void MonthCalendarView::turnPages(int pages)
{
    if (pages == 0 || !model_.scrollEnabled)
        return;
    const int count = model_.numberOfPages();
    const int target = std::clamp(model_.currentPageIndex() + pages, 0, std::max(0, count - 1));
    if (target != model_.currentPageIndex())
        model_.setCurrentPage(model_.pageStart(target), true);
}

void MonthCalendarView::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    const bool sideways = std::abs(delta.x()) > std::abs(delta.y());
    int amount = sideways ? delta.x() : delta.y();
    if (sideways && model_.isRightToLeft())
        amount = -amount;
    // One notch (120) turns one page; finer wheels add up to a notch first.
    wheelRemainder_ += amount;
    constexpr int notch = 120;
    const int steps = wheelRemainder_ / notch;
    wheelRemainder_ -= steps * notch;
    turnPages(-steps);
    event->accept();
}

void MonthCalendarView::moveSelection(int days)
{
    const auto selected = model_.selectedDate();
    const Instant target = selected ? model_.dateByAddingDays(days, *selected) : model_.today();
    model_.selectDateByUser(target);
}

void MonthCalendarView::keyPressEvent(QKeyEvent *event)
{
    // Under a right-to-left locale the next day lies to the left.
    const int forward = model_.isRightToLeft() ? -1 : 1;
    constexpr int rowStep = 7;
    switch (event->key()) {
    case Qt::Key_Left:
        moveSelection(-forward);
        break;
    case Qt::Key_Right:
        moveSelection(forward);
        break;
    case Qt::Key_Up:
        moveSelection(-rowStep);
        break;
    case Qt::Key_Down:
        moveSelection(rowStep);
        break;
    case Qt::Key_PageUp:
        turnPages(-1);
        break;
    case Qt::Key_PageDown:
        turnPages(1);
        break;
    case Qt::Key_Home:
        model_.selectDateByUser(model_.today());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MonthCalendarView::hideEvent(QHideEvent *event)
{
    pointerCancelled();
    settle();
    QWidget::hideEvent(event);
}

void MonthCalendarView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        pointerCancelled();
    QWidget::changeEvent(event);
}

} // namespace components
