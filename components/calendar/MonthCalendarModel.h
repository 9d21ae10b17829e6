// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarDataSource.h"
#include "components/calendar/MonthCalendarDelegate.h"
#include "components/calendar/MonthCalendarGeometry.h"
#include "components/calendar/MonthCalendarTypes.h"
#include "platform/calendar/Calendar.h"

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace core {
class DateTexts;
}

namespace platform {
class DateFormatter;
}

namespace components {

// What the model asks of the view that shows it. Without a host (the command
// line, tests) the model works alone.
class MonthCalendarModelHost
{
public:
    virtual ~MonthCalendarModelHost() = default;
    // currentPage changed; show it.
    virtual void scrollToCurrentPage(bool animated) = 0;
    // The cell of `date` was just selected: play its bounce.
    virtual void selectionAnimationStarted(platform::Instant date) = 0;
    // The month's row count changed with placeholders hidden.
    virtual void rowCountWillChange(int fromRows, int toRows, bool animated) = 0;
    // Content, selection or layout changed: draw again.
    virtual void modelChanged() = 0;
};

// The month calendar without pixels: its calendar, range, pages, the cells of
// each page and their states, header titles, selection rules, paging and scope.
// All date arithmetic goes through one platform calendar in the model's zone.
class MonthCalendarModel
{
public:
    MonthCalendarModel();
    ~MonthCalendarModel();
    MonthCalendarModel(const MonthCalendarModel &) = delete;
    MonthCalendarModel &operator=(const MonthCalendarModel &) = delete;

    // None is owned. `view` is handed to the data source and delegate as the calendar.
    void setHost(MonthCalendarModelHost *host) { host_ = host; }
    void setView(MonthCalendarView *view) { view_ = view; }
    void setDataSource(MonthCalendarDataSource *dataSource);
    MonthCalendarDataSource *dataSource() const { return dataSource_; }
    void setDelegate(MonthCalendarDelegate *delegate) { delegate_ = delegate; }
    MonthCalendarDelegate *delegate() const { return delegate_; }

    // ---- calendar ----
    platform::CalendarIdentifier identifier() const { return calendar_.identifier(); }
    // A different identifier rebuilds the calendar, formatters and weekday
    // symbols and jumps to today's page without page events.
    void setIdentifier(platform::CalendarIdentifier identifier);
    QString localeName() const { return locale_; }
    void setLocaleName(const QString &locale);
    QString timeZoneId() const { return zone_; }
    void setTimeZoneId(const QString &zone);
    // The locale's first day of the week unless set.
    int firstWeekday() const { return firstWeekday_; }
    void setFirstWeekday(int weekday);
    // Back to the locale's first day, also after a later change of locale.
    void useLocaleFirstWeekday();
    const platform::Calendar &calendar() const { return calendar_; }
    bool isRightToLeft() const { return rightToLeft_; }
    // Days shown on the calendar as the days `days` later: a grid of the
    // Hijri calendar under the user's adjustment. Every cell is still its own
    // day (weekday, today, selection, the data source's date); only the
    // month it belongs to, its day number and the header follow the shift.
    std::int64_t dayShift() const { return dayShift_; }
    void setDayShift(std::int64_t days);
    // The day of `date` on the grid's calendar: `date` moved by the shift.
    platform::DateComponents shownComponents(platform::Instant date) const;

    // ---- range ----
    platform::Instant minimumDate() const { return minimumDate_; }
    platform::Instant maximumDate() const { return maximumDate_; }
    // Re-reads the range and lays the pages out again.
    void reloadData();
    bool isInRange(platform::Instant date) const;

    // ---- options ----
    MonthCalendarScope scope() const { return scope_; }
    MonthCalendarScrollDirection scrollDirection() const { return scrollDirection_; }
    void setScrollDirection(MonthCalendarScrollDirection direction);
    bool pagingEnabled = true;
    bool scrollEnabled = true;
    bool allowsSelection = true;
    bool allowsMultipleSelection = false;
    bool focusOnSingleSelectedDate = true;
    bool showsPlaceholders() const { return showsPlaceholders_; }
    void setShowsPlaceholders(bool shows);

    // ---- today ----
    platform::Instant today() const { return today_; }
    // Set by the caller: kept until refreshToday is told to follow the clock again.
    void setToday(platform::Instant today);
    // Moves today to the clock's day unless the caller set one; true when it moved.
    bool refreshToday(platform::Instant now);
    void followClockForToday() { todaySetByCaller_ = false; }
    bool todaySetByCaller() const { return todaySetByCaller_; }

    // ---- pages ----
    int numberOfPages() const;
    platform::Instant pageStart(int page) const;
    // The page holding `date`, clamped to the pages there are.
    int pageForDate(platform::Instant date) const;
    platform::Instant currentPage() const { return currentPage_; }
    int currentPageIndex() const { return pageForDate(currentPage_); }
    // Rows of a month page: 6 with placeholders, else as many as the month needs.
    int rowsInMonth(platform::Instant monthStart) const;
    int currentRows() const;
    // Days of the previous month before the first: 7 when the month starts on
    // the first weekday and placeholders are shown.
    int headPlaceholders(platform::Instant monthStart) const;
    int cellsOnPage() const;
    MonthCalendarCell cell(int page, int rowMajorIndex) const;
    std::vector<MonthCalendarCell> cells(int page) const;
    // Row-major index of `date` on `page`, or -1.
    int cellIndexOfDate(int page, platform::Instant date) const;

    // ---- headers ----
    QString headerTitle(int page) const;
    QString headerDateFormat() const { return headerDateFormat_; }
    void setHeaderDateFormat(const QString &format);
    // Short standalone symbols starting at firstWeekday.
    QStringList weekdaySymbols() const;
    // The grid's visual column of a row-major column (right to left under RTL locales).
    int visualColumn(int column) const { return rightToLeft_ ? monthgeometry::columns - 1 - column : column; }

    // ---- selection ----
    const std::vector<platform::Instant> &selectedDates() const { return selectedDates_; }
    std::optional<platform::Instant> selectedDate() const;
    bool isSelected(platform::Instant date) const;
    // A tap on a cell of the page on screen.
    void tapCell(const MonthCalendarCell &cell);
    void selectDate(platform::Instant date, bool scrollToDate = true);
    void deselectDate(platform::Instant date);
    // A selection the user made with the keyboard: asked and told like a tap,
    // after paging to the day.
    void selectDateByUser(platform::Instant date);

    // ---- paging ----
    void setCurrentPage(platform::Instant date, bool animated);
    // Pages to `date` when it lies on another page inside the range.
    void scrollToPageForDate(platform::Instant date, bool animated);
    bool dragging() const { return dragging_; }
    void dragBegan() { dragging_ = true; }
    void dragCancelled() { dragging_ = false; }
    // A swipe ended on `page`.
    void dragEnded(int page);
    // Scope change: the week kept is that of the selected date, of today, or
    // of the page's first day.
    platform::Instant weekToKeep() const;
    void setScope(MonthCalendarScope scope);

    // Changes whenever the cells of a page may be laid out differently.
    int layoutGeneration() const { return generation_; }

    // ---- date operations, in the model's calendar ----
    platform::Instant startOfDay(platform::Instant date) const { return calendar_.startOfDay(date); }
    platform::Instant startOfMonth(platform::Instant date) const;
    platform::Instant startOfWeek(platform::Instant date) const;
    platform::Instant endOfMonth(platform::Instant date) const;
    // The first day of the grid's month `month` of `year` (after the day
    // shift); none when the calendar has no such month.
    std::optional<platform::Instant> firstDayOfMonth(std::int64_t year, std::int64_t month) const;
    // The start of the day `days` days after the day of `date` (safe across skipped midnights).
    platform::Instant dateByAddingDays(std::int64_t days, platform::Instant date) const;
    platform::Instant dateByAddingMonths(std::int64_t months, platform::Instant date) const;
    std::int64_t daysBetween(platform::Instant from, platform::Instant to) const;
    std::int64_t weeksBetween(platform::Instant from, platform::Instant to) const;
    std::int64_t monthsBetween(platform::Instant from, platform::Instant to) const;
    bool isSameMonth(platform::Instant a, platform::Instant b) const;
    // "yyyy-MM-dd" in the model's calendar.
    QString stringFromDate(platform::Instant date) const;
    // The full date a screen reader reads out.
    QString accessibleText(platform::Instant date) const;

    // The defaults of the range, on the Gregorian calendar in the model's zone.
    platform::Instant defaultMinimumDate() const;
    platform::Instant defaultMaximumDate() const;

private:
    void rebuildCalendar();
    void readRange();
    std::int64_t monthNumber(platform::Instant date) const;
    platform::Instant firstOfMonthNumber(std::int64_t number) const;
    platform::Instant firstPageStart() const;
    QString dayTitle(platform::Instant shownDate, std::int64_t day) const;
    // `date` moved by the day shift, at the same wall-clock time.
    platform::Instant shifted(platform::Instant date) const;
    platform::Instant unshifted(platform::Instant date) const;
    // The date core's names and digits of the locale and calendar, which
    // write what the formatters would without making one; null when the
    // formatters must.
    const core::DateTexts *texts() const;
    void changeCurrentPage(platform::Instant pageStart, bool animated, bool notify);
    void notifyPageChanged();
    void select(platform::Instant date, bool animate);
    // tapCell's steps for a placeholder of a neighbouring month and for a
    // day already selected.
    void tapPlaceholder(platform::Instant date);
    void tapSelected(platform::Instant date);
    void changed();

    MonthCalendarModelHost *host_ = nullptr;
    MonthCalendarView *view_ = nullptr;
    MonthCalendarDataSource *dataSource_ = nullptr;
    MonthCalendarDelegate *delegate_ = nullptr;

    QString locale_;
    QString zone_;
    int firstWeekday_ = 1;
    bool firstWeekdaySet_ = false;
    std::int64_t dayShift_ = 0;
    platform::Calendar calendar_;
    bool rightToLeft_ = false;
    std::unique_ptr<platform::DateFormatter> dayFormatter_;
    std::unique_ptr<platform::DateFormatter> headerFormatter_;
    std::unique_ptr<platform::DateFormatter> isoFormatter_;
    std::unique_ptr<platform::DateFormatter> fullFormatter_;
    std::unique_ptr<platform::DateFormatter> weekdayFormatter_;
    std::unique_ptr<platform::DateFormatter> dayMonthYearFormatter_;
    QString headerDateFormat_ = QStringLiteral("MMMM yyyy");
    QStringList weekdaySymbols_; // index 0 = Sunday
    mutable std::map<std::int64_t, QString> dayTitles_;

    platform::Instant minimumDate_{};
    platform::Instant maximumDate_{};
    MonthCalendarScope scope_ = MonthCalendarScope::month;
    MonthCalendarScrollDirection scrollDirection_ = MonthCalendarScrollDirection::horizontal;
    bool showsPlaceholders_ = true;
    platform::Instant today_{};
    bool todaySetByCaller_ = false;
    platform::Instant currentPage_{};
    std::vector<platform::Instant> selectedDates_;
    bool dragging_ = false;
    bool notifyingPage_ = false;
    int generation_ = 0;
};

} // namespace components
