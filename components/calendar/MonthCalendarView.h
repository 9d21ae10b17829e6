// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarAppearance.h"
#include "components/calendar/MonthCalendarDelegateAppearance.h"
#include "components/calendar/MonthCalendarModel.h"
#include "components/carousel/MediaClock.h"
#include "platform/ui/PointerSteps.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointer>
#include <QStaticText>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

class QAbstractButton;

namespace components {

// A paged grid of day cells, one page a month (or a week), under a month title
// header and a weekday header. MonthCalendarModel decides pages, cells, states
// and the selection rules; this view draws what it decided and turns taps,
// swipes, the wheel and keys into its calls.
class MonthCalendarView : public QWidget, private MonthCalendarModelHost, private platform::PointerSteps
{
    Q_OBJECT

public:
    explicit MonthCalendarView(QWidget *parent = nullptr, std::shared_ptr<const MediaClock> clock = nullptr);
    ~MonthCalendarView() override;

    // None is owned.
    void setDataSource(MonthCalendarDataSource *dataSource);
    MonthCalendarDataSource *dataSource() const { return model_.dataSource(); }
    void setDelegate(MonthCalendarDelegate *delegate);
    MonthCalendarDelegate *delegate() const { return model_.delegate(); }
    void setDelegateAppearance(MonthCalendarDelegateAppearance *appearance);

    MonthCalendarAppearance &appearance() { return appearance_; }
    // After changing appearance(): lays out and draws again.
    void appearanceChanged();

    platform::CalendarIdentifier identifier() const { return model_.identifier(); }
    void setIdentifier(platform::CalendarIdentifier identifier) { model_.setIdentifier(identifier); }
    QString localeName() const { return model_.localeName(); }
    void setLocaleName(const QString &locale);
    QString timeZoneId() const { return model_.timeZoneId(); }
    void setTimeZoneId(const QString &zone) { model_.setTimeZoneId(zone); }
    int firstWeekday() const { return model_.firstWeekday(); }
    void setFirstWeekday(int weekday) { model_.setFirstWeekday(weekday); }
    void useLocaleFirstWeekday() { model_.useLocaleFirstWeekday(); }
    // See MonthCalendarModel::setDayShift.
    std::int64_t dayShift() const { return model_.dayShift(); }
    void setDayShift(std::int64_t days) { model_.setDayShift(days); }
    platform::Instant minimumDate() const { return model_.minimumDate(); }
    platform::Instant maximumDate() const { return model_.maximumDate(); }

    MonthCalendarScope scope() const { return model_.scope(); }
    void setScope(MonthCalendarScope scope, bool animated = false);
    void setScrollDirection(MonthCalendarScrollDirection direction);
    MonthCalendarScrollDirection scrollDirection() const { return model_.scrollDirection(); }
    void setShowsPlaceholders(bool shows);
    bool showsPlaceholders() const { return model_.showsPlaceholders(); }
    void setShowsScopeHandle(bool shows);
    bool showsScopeHandle() const { return showsScopeHandle_; }
    // < 0: automatic.
    void setHeaderHeight(double height);
    void setWeekdayHeight(double height);
    double lineHeightMultiplier = 1.0;

    void setPagingEnabled(bool enabled) { model_.pagingEnabled = enabled; }
    void setScrollEnabled(bool enabled) { model_.scrollEnabled = enabled; }
    void setAllowsSelection(bool allows) { model_.allowsSelection = allows; }
    void setAllowsMultipleSelection(bool allows) { model_.allowsMultipleSelection = allows; }
    void setFocusOnSingleSelectedDate(bool focus) { model_.focusOnSingleSelectedDate = focus; }

    platform::Instant today() const { return model_.today(); }
    // A day set here stays today until followClockForToday().
    void setToday(platform::Instant today) { model_.setToday(today); }
    void followClockForToday();
    platform::Instant currentPage() const { return model_.currentPage(); }
    void setCurrentPage(platform::Instant date, bool animated) { model_.setCurrentPage(date, animated); }

    void selectDate(platform::Instant date) { model_.selectDate(date, true); }
    void selectDate(platform::Instant date, bool scrollToDate) { model_.selectDate(date, scrollToDate); }
    void deselectDate(platform::Instant date) { model_.deselectDate(date); }
    std::optional<platform::Instant> selectedDate() const { return model_.selectedDate(); }
    const std::vector<platform::Instant> &selectedDates() const { return model_.selectedDates(); }
    // Re-reads the range and every cell's content.
    void reloadData();
    // Re-reads every cell's content (event dots, for one) but not the range,
    // leaving the page on screen and any paging as they are.
    void reloadCells();
    // The neighbouring pages' titles in the header: buttons that turn to them
    // (the previous one on the leading side). Hidden where there is no page.
    QAbstractButton *previousPageButton() const { return previousPageButton_; }
    QAbstractButton *nextPageButton() const { return nextPageButton_; }

    platform::Instant dateByAddingDays(std::int64_t days, platform::Instant date) const
    {
        return model_.dateByAddingDays(days, date);
    }
    // "yyyy-MM-dd" in the view's calendar.
    QString stringFromDate(platform::Instant date) const { return model_.stringFromDate(date); }

    // ---- geometry, for the owner and for tests ----
    const monthgeometry::MonthCalendarHeights &heights();
    // Header, weekday header, rows and handle as they stand now.
    double fittingHeight();
    QSize sizeHint() const override;
    QRectF headerRect();
    QRectF weekdayRect();
    QRectF gridRect();
    QRectF scopeHandleRect();
    // The factor the cell, weekday and header fonts are scaled by for the
    // present cell size.
    double cellTextScale();
    // Where the cell of `date` is drawn on the page on screen; empty when it is not there.
    QRectF rectForDate(platform::Instant date);
    // The page position on screen, in pages (fractional while it moves).
    double pagePosition() const { return pagePosition_; }
    // Opacity of the title of `page` in the month header now.
    double headerOpacity(int page);
    // The current scale of a cell's shape (1 unless it is bouncing).
    double shapeScale(platform::Instant date) const;

    bool isAnimating() const;
    // One animation tick.
    void step();
    // Runs every animation to its end (tests, screenshots).
    void settle();
    void setMediaClock(std::shared_ptr<const MediaClock> clock);

    MonthCalendarModel &model() { return model_; }
    const MonthCalendarModel &model() const { return model_; }
    // The cell on `page` as it is drawn (content cached per page).
    MonthCalendarCell cellOnPage(int page, int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class MonthCalendarAccessible;

    struct Animation
    {
        double from = 0.0;
        double to = 0.0;
        double start = 0.0;
        double duration = 0.0;
        bool running = false;
        double valueAt(double now) const;
    };

    // MonthCalendarModelHost
    void scrollToCurrentPage(bool animated) override;
    void selectionAnimationStarted(platform::Instant date) override;
    void rowCountWillChange(int fromRows, int toRows, bool animated) override;
    void modelChanged() override;

    void ensureHeights();
    void invalidateHeights();
    void announceBoundsIfNeeded(bool animated);
    double displayedRows() const;
    const std::vector<MonthCalendarCell> &pageCells(int page);
    void startAnimation(Animation &animation, double from, double to, double duration);
    void updateTimer();

    void placePageButtons();
    void paintHeader(QPainter &painter);
    void paintWeekdays(QPainter &painter);
    void paintPage(QPainter &painter, int page, QPointF origin, double rowHeight);
    void paintCell(QPainter &painter, const MonthCalendarCell &cell, const QRectF &rect);
    // The cell's colours: the delegate's answer for its date, else the appearance's for its state.
    struct CellColors
    {
        QColor fill;
        QColor title;
        QColor subtitle;
        QColor border;
    };
    CellColors cellColors(const MonthCalendarCell &cell);
    void paintCellShape(QPainter &painter, const MonthCalendarCell &cell, const CellColors &colors,
                        const QRectF &content);
    void paintCellTexts(QPainter &painter, const MonthCalendarCell &cell, const CellColors &colors,
                        const QRectF &content);
    void paintEventDots(QPainter &painter, const MonthCalendarCell &cell, const QRectF &box);
    void paintScopeHandle(QPainter &painter);
    // `text` elided to `width`, laid out in the title or the subtitle font.
    const QStaticText &cellText(bool title, const QString &text, int width);

    // Pointer input in the view's coordinates.
    void pointerPressed(QPointF position) override;
    void pointerMoved(QPointF position) override;
    void pointerReleased(QPointF position) override;
    void pointerCancelled() override;
    std::optional<MonthCalendarCell> cellAt(QPointF position);
    // +1 when moving the finger towards the right shows the next page.
    double swipeSign() const;
    void turnPages(int pages);
    void moveSelection(int days);
    void armMidnightTimer();
    void refreshToday();

    MonthCalendarModel model_;
    MonthCalendarAppearance appearance_;
    MonthCalendarDelegateAppearance *delegateAppearance_ = nullptr;
    std::shared_ptr<const MediaClock> clock_;
    QTimer timer_;
    QTimer midnightTimer_;
    QAbstractButton *previousPageButton_ = nullptr;
    QAbstractButton *nextPageButton_ = nullptr;

    bool showsScopeHandle_ = false;
    double explicitHeaderHeight_ = -1.0;
    double explicitWeekdayHeight_ = -1.0;
    std::optional<monthgeometry::MonthCalendarHeights> heights_;
    // The height we last asked our owner for; a resize to it keeps the heights.
    double announcedHeight_ = -1.0;

    double pagePosition_ = 0.0;
    Animation pageAnimation_;
    Animation rowsAnimation_;
    // 0: month layout, 1: a single row.
    Animation scopeAnimation_;
    int scopeKeptRow_ = 0;
    int scopeMonthPage_ = 0;
    MonthCalendarScope scopeAnimationFrom_ = MonthCalendarScope::month;
    std::optional<platform::Instant> bounceDate_;
    double bounceStart_ = 0.0;

    // Fonts of the cells, made once per paint rather than once per cell.
    QFont titleFont_;
    QFont subtitleFont_;
    std::optional<QFontMetricsF> titleMetrics_;
    std::optional<QFontMetricsF> subtitleMetrics_;
    // Day numbers and subtitles repeat from page to page: their laid-out text is kept.
    std::map<QString, QStaticText> textCache_;

    std::map<int, std::vector<MonthCalendarCell>> cellCache_;
    int cachedGeneration_ = -1;

    // Pointer tracking.
    bool pressed_ = false;
    bool pagingDrag_ = false;
    bool handleDrag_ = false;
    QPointF pressPosition_;
    QPointF lastPosition_;
    double lastMoveTime_ = 0.0;
    double dragVelocity_ = 0.0;
    int dragStartPage_ = 0;
    int wheelRemainder_ = 0;
};

} // namespace components
