// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/MonthCalendarModel.h"

#include "core/DateTexts.h"
#include "platform/calendar/CivilDays.h"
#include "platform/calendar/Clock.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"

#include <QLocale>
#include <algorithm>
#include <chrono>

namespace components {

namespace {

using platform::Instant;
using namespace std::chrono_literals;

using platform::civil::floorDiv;

std::unique_ptr<platform::DateFormatter> makeFormatter(const platform::Calendar &calendar,
                                                       const QString &locale, const QString &zone,
                                                       const QString &pattern)
{
    auto formatter = std::make_unique<platform::DateFormatter>();
    formatter->setCalendar(calendar);
    formatter->setLocaleName(locale);
    formatter->setTimeZoneId(zone);
    formatter->setDateFormat(pattern);
    return formatter;
}

} // namespace

MonthCalendarModel::MonthCalendarModel()
    : locale_(platform::Device::localeName()), zone_(platform::Device::timeZoneId()),
      calendar_(platform::CalendarIdentifier::gregorian, zone_, locale_)
{
    // Weeks start where the locale starts them until told otherwise.
    firstWeekday_ = calendar_.firstWeekday();
    rebuildCalendar();
    today_ = calendar_.startOfDay(platform::Clock::current());
    readRange();
    currentPage_ = pageStart(pageForDate(today_));
}

MonthCalendarModel::~MonthCalendarModel() = default;

void MonthCalendarModel::changed()
{
    if (host_)
        host_->modelChanged();
}

// ---- calendar --------------------------------------------------------------

void MonthCalendarModel::rebuildCalendar()
{
    const platform::CalendarIdentifier id = calendar_.identifier();
    calendar_ = platform::Calendar(id, zone_, locale_);
    calendar_.setFirstWeekday(firstWeekday_);
    // On the device's own formats the grid runs as the interface does (a French
    // window with Arabic dates stays left to right); a locale set apart brings its own.
    rightToLeft_ = locale_ == platform::Device::localeName()
                       ? platform::Device::isRightToLeft()
                       : QLocale(locale_).textDirection() == Qt::RightToLeft;
    dayFormatter_ = makeFormatter(calendar_, locale_, zone_, QStringLiteral("d"));
    headerFormatter_ = makeFormatter(calendar_, locale_, zone_, headerDateFormat_);
    isoFormatter_ = makeFormatter(calendar_, locale_, zone_, QStringLiteral("yyyy-MM-dd"));
    fullFormatter_ = makeFormatter(calendar_, locale_, zone_, QStringLiteral("EEEE d MMMM y"));
    weekdayFormatter_ = makeFormatter(calendar_, locale_, zone_, QStringLiteral("EEEE"));
    dayMonthYearFormatter_ = makeFormatter(calendar_, locale_, zone_, QStringLiteral("d MMMM y"));
    dayTitles_.clear();
    ++generation_;

    weekdaySymbols_.clear();
    if (const core::DateTexts *names = texts()) {
        for (int weekday = 1; weekday <= 7; ++weekday)
            weekdaySymbols_ << names->shortWeekDayName(weekday);
        return;
    }
    // Seven days from a Sunday give the symbols in the calendar's weekday order.
    auto weekdays = makeFormatter(calendar_, locale_, zone_, QStringLiteral("ccc"));
    const Instant base = calendar_.startOfDay(platform::Clock::current());
    const Instant sunday = dateByAddingDays(1 - calendar_.components(base).weekday, base);
    for (int i = 0; i < 7; ++i)
        weekdaySymbols_ << weekdays->string(dateByAddingDays(i, sunday));
}

const core::DateTexts *MonthCalendarModel::texts() const
{
    return core::DateTexts::forLocale(locale_, calendar_.identifier());
}

void MonthCalendarModel::setIdentifier(platform::CalendarIdentifier identifier)
{
    if (identifier == calendar_.identifier())
        return;
    const int rowsBefore = currentRows();
    calendar_ = platform::Calendar(identifier, zone_, locale_);
    rebuildCalendar();
    minimumDate_ = calendar_.startOfDay(minimumDate_);
    maximumDate_ = calendar_.startOfDay(maximumDate_);
    // Straight to today's page: no page events, no animation.
    currentPage_ = pageStart(pageForDate(today_));
    if (host_) {
        if (!showsPlaceholders_ && currentRows() != rowsBefore)
            host_->rowCountWillChange(rowsBefore, currentRows(), false);
        host_->scrollToCurrentPage(false);
    }
    changed();
}

void MonthCalendarModel::setLocaleName(const QString &locale)
{
    if (locale == locale_ || locale.isEmpty())
        return;
    locale_ = locale;
    if (!firstWeekdaySet_)
        firstWeekday_ = platform::Calendar(calendar_.identifier(), zone_, locale_).firstWeekday();
    rebuildCalendar();
    if (!firstWeekdaySet_)
        currentPage_ = pageStart(pageForDate(currentPage_));
    changed();
}

void MonthCalendarModel::setTimeZoneId(const QString &zone)
{
    if (zone == zone_ || zone.isEmpty())
        return;
    // Keep the same calendar days: noon of each is the same day in any zone.
    const auto day = [this](Instant date) { return calendar_.components(date + 12h); };
    const platform::DateComponents todayDay = day(today_);
    const platform::DateComponents pageDay = day(currentPage_);
    std::vector<platform::DateComponents> selectedDays;
    selectedDays.reserve(selectedDates_.size());
    for (Instant date : selectedDates_)
        selectedDays.push_back(day(date));
    zone_ = zone;
    rebuildCalendar();
    const auto back = [this](const platform::DateComponents &c, Instant fallback) {
        const auto date = calendar_.date(c.year, c.month, c.day, 12);
        return date ? calendar_.startOfDay(*date) : fallback;
    };
    today_ = back(todayDay, today_);
    selectedDates_.clear();
    for (const auto &c : selectedDays)
        selectedDates_.push_back(back(c, today_));
    readRange();
    currentPage_ = pageStart(pageForDate(back(pageDay, today_)));
    changed();
}

void MonthCalendarModel::useLocaleFirstWeekday()
{
    setFirstWeekday(platform::Calendar(calendar_.identifier(), zone_, locale_).firstWeekday());
    firstWeekdaySet_ = false;
}

void MonthCalendarModel::setFirstWeekday(int weekday)
{
    firstWeekdaySet_ = true;
    weekday = std::clamp(weekday, 1, 7);
    if (weekday == firstWeekday_)
        return;
    firstWeekday_ = weekday;
    calendar_.setFirstWeekday(weekday);
    ++generation_;
    currentPage_ = pageStart(pageForDate(currentPage_));
    changed();
}

void MonthCalendarModel::setDayShift(std::int64_t days)
{
    if (days == dayShift_)
        return;
    const int rowsBefore = currentRows();
    // The page on screen shows the same days as far as it can: the month now
    // holding the middle of what was shown.
    const Instant middle = dateByAddingDays(14, currentPage_);
    dayShift_ = days;
    dayTitles_.clear();
    ++generation_;
    currentPage_ = pageStart(pageForDate(scope_ == MonthCalendarScope::month ? middle : currentPage_));
    if (host_ && !showsPlaceholders_ && currentRows() != rowsBefore)
        host_->rowCountWillChange(rowsBefore, currentRows(), false);
    changed();
}

Instant MonthCalendarModel::shifted(Instant date) const
{
    if (dayShift_ == 0)
        return date;
    return calendar_.dateByAddingDays(dayShift_, date).value_or(date);
}

Instant MonthCalendarModel::unshifted(Instant date) const
{
    if (dayShift_ == 0)
        return date;
    return dateByAddingDays(-dayShift_, date);
}

platform::DateComponents MonthCalendarModel::shownComponents(Instant date) const
{
    return calendar_.components(shifted(date));
}

void MonthCalendarModel::setHeaderDateFormat(const QString &format)
{
    headerDateFormat_ = format;
    headerFormatter_->setDateFormat(format);
    ++generation_;
    changed();
}

QStringList MonthCalendarModel::weekdaySymbols() const
{
    QStringList ordered;
    for (int i = 0; i < 7; ++i)
        ordered << weekdaySymbols_.value((firstWeekday_ - 1 + i) % 7);
    return ordered;
}

// ---- range -----------------------------------------------------------------

Instant MonthCalendarModel::defaultMinimumDate() const
{
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian, zone_, locale_);
    return gregorian.startOfDay(gregorian.date(1970, 1, 1, 12).value_or(Instant{}));
}

Instant MonthCalendarModel::defaultMaximumDate() const
{
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian, zone_, locale_);
    return gregorian.startOfDay(gregorian.date(2099, 12, 31, 12).value_or(Instant{}));
}

void MonthCalendarModel::readRange()
{
    std::optional<Instant> minimum;
    std::optional<Instant> maximum;
    if (dataSource_) {
        minimum = dataSource_->minimumDateForCalendar(view_);
        maximum = dataSource_->maximumDateForCalendar(view_);
    }
    minimumDate_ = calendar_.startOfDay(minimum.value_or(defaultMinimumDate()));
    maximumDate_ = calendar_.startOfDay(maximum.value_or(defaultMaximumDate()));
    ++generation_;
    if (maximumDate_ <= minimumDate_) {
        // An empty or inverted range would leave nothing to show: the month of
        // the minimum stands in for it.
        platform::consoleWarning(lcWindow(),
                                 QStringLiteral("MonthCalendarView: the date range %1 to %2 holds no days; "
                                                "showing the month of %1")
                                     .arg(stringFromDate(minimumDate_), stringFromDate(maximumDate_)));
        const Instant first = startOfMonth(minimumDate_);
        minimumDate_ = first;
        maximumDate_ = endOfMonth(first);
    }
}

void MonthCalendarModel::setDataSource(MonthCalendarDataSource *dataSource)
{
    dataSource_ = dataSource;
    reloadData();
}

void MonthCalendarModel::reloadData()
{
    const int rowsBefore = currentRows();
    readRange();
    currentPage_ = pageStart(pageForDate(currentPage_));
    if (host_ && !showsPlaceholders_ && currentRows() != rowsBefore)
        host_->rowCountWillChange(rowsBefore, currentRows(), false);
    changed();
}

bool MonthCalendarModel::isInRange(Instant date) const
{
    const Instant day = calendar_.startOfDay(date);
    return day >= minimumDate_ && day <= maximumDate_;
}

// ---- options and today -----------------------------------------------------

void MonthCalendarModel::setScrollDirection(MonthCalendarScrollDirection direction)
{
    scrollDirection_ = direction;
    changed();
}

void MonthCalendarModel::setShowsPlaceholders(bool shows)
{
    if (shows == showsPlaceholders_)
        return;
    const int rowsBefore = currentRows();
    showsPlaceholders_ = shows;
    ++generation_;
    if (host_)
        host_->rowCountWillChange(rowsBefore, currentRows(), false);
    changed();
}

void MonthCalendarModel::setToday(Instant today)
{
    today_ = calendar_.startOfDay(today);
    todaySetByCaller_ = true;
    changed();
}

bool MonthCalendarModel::refreshToday(Instant now)
{
    if (todaySetByCaller_)
        return false;
    const Instant day = calendar_.startOfDay(now);
    if (day == today_)
        return false;
    today_ = day;
    changed();
    return true;
}

// ---- date operations -------------------------------------------------------

std::int64_t MonthCalendarModel::monthNumber(Instant date) const
{
    // Both calendars have twelve months a year.
    const platform::DateComponents c = shownComponents(date);
    return c.year * 12 + c.month - 1;
}

Instant MonthCalendarModel::firstOfMonthNumber(std::int64_t number) const
{
    const std::int64_t year = floorDiv(number, 12);
    const std::int64_t month = number - year * 12 + 1;
    // Noon exists on every day; its start of day is the month's first moment.
    if (const auto noon = calendar_.date(year, month, 1, 12))
        return unshifted(calendar_.startOfDay(*noon));
    return minimumDate_;
}

std::optional<Instant> MonthCalendarModel::firstDayOfMonth(std::int64_t year, std::int64_t month) const
{
    const auto noon = calendar_.date(year, month, 1, 12);
    if (!noon)
        return std::nullopt;
    return unshifted(calendar_.startOfDay(*noon));
}

Instant MonthCalendarModel::startOfMonth(Instant date) const
{
    return firstOfMonthNumber(monthNumber(date));
}

Instant MonthCalendarModel::endOfMonth(Instant date) const
{
    const Instant first = startOfMonth(date);
    return dateByAddingDays(calendar_.daysInMonth(shifted(first + 12h)) - 1, first);
}

Instant MonthCalendarModel::startOfWeek(Instant date) const
{
    const Instant day = calendar_.startOfDay(date);
    const int weekday = static_cast<int>(calendar_.components(day + 12h).weekday);
    return dateByAddingDays(-((weekday - firstWeekday_ + 7) % 7), day);
}

Instant MonthCalendarModel::dateByAddingDays(std::int64_t days, Instant date) const
{
    // From noon, so that a day whose midnight the zone skips still counts once.
    const Instant noon = calendar_.startOfDay(date) + 12h;
    if (const auto moved = calendar_.dateByAddingDays(days, noon))
        return calendar_.startOfDay(*moved);
    return calendar_.startOfDay(noon + std::chrono::hours(24 * days));
}

Instant MonthCalendarModel::dateByAddingMonths(std::int64_t months, Instant date) const
{
    const Instant noon = shifted(calendar_.startOfDay(date) + 12h);
    if (const auto moved = calendar_.dateByAddingMonths(months, noon))
        return unshifted(calendar_.startOfDay(*moved));
    return calendar_.startOfDay(date);
}

std::int64_t MonthCalendarModel::daysBetween(Instant from, Instant to) const
{
    return calendar_.daysBetween(from, to);
}

std::int64_t MonthCalendarModel::weeksBetween(Instant from, Instant to) const
{
    return floorDiv(daysBetween(startOfWeek(from), startOfWeek(to)), 7);
}

std::int64_t MonthCalendarModel::monthsBetween(Instant from, Instant to) const
{
    return monthNumber(to) - monthNumber(from);
}

bool MonthCalendarModel::isSameMonth(Instant a, Instant b) const
{
    return monthNumber(a) == monthNumber(b);
}

QString MonthCalendarModel::stringFromDate(Instant date) const
{
    return isoFormatter_->string(shifted(date));
}

QString MonthCalendarModel::accessibleText(Instant date) const
{
    if (dayShift_ == 0)
        return fullFormatter_->string(date + 12h);
    // The weekday is the day's own; the date is the one the grid names it by.
    return weekdayFormatter_->string(date + 12h) + QLatin1Char(' ') +
           dayMonthYearFormatter_->string(shifted(date + 12h));
}

// ---- pages -----------------------------------------------------------------

Instant MonthCalendarModel::firstPageStart() const
{
    return scope_ == MonthCalendarScope::month ? startOfMonth(minimumDate_) : startOfWeek(minimumDate_);
}

int MonthCalendarModel::numberOfPages() const
{
    if (scope_ == MonthCalendarScope::month)
        return static_cast<int>(monthNumber(maximumDate_) - monthNumber(minimumDate_) + 1);
    return static_cast<int>(weeksBetween(minimumDate_, maximumDate_) + 1);
}

Instant MonthCalendarModel::pageStart(int page) const
{
    if (scope_ == MonthCalendarScope::month)
        return firstOfMonthNumber(monthNumber(minimumDate_) + page);
    return dateByAddingDays(7LL * page, startOfWeek(minimumDate_));
}

int MonthCalendarModel::pageForDate(Instant date) const
{
    const std::int64_t page = scope_ == MonthCalendarScope::month
                                  ? monthNumber(date) - monthNumber(minimumDate_)
                                  : weeksBetween(minimumDate_, date);
    return static_cast<int>(std::clamp<std::int64_t>(page, 0, numberOfPages() - 1));
}

int MonthCalendarModel::headPlaceholders(Instant monthStart) const
{
    const int weekday = static_cast<int>(calendar_.components(monthStart + 12h).weekday);
    const int head = (weekday - firstWeekday_ + 7) % 7;
    return head == 0 && showsPlaceholders_ ? 7 : head;
}

int MonthCalendarModel::rowsInMonth(Instant monthStart) const
{
    if (showsPlaceholders_)
        return monthgeometry::maximumRows;
    const int offset = headPlaceholders(monthStart) % 7;
    const int days = calendar_.daysInMonth(shifted(monthStart + 12h));
    return (offset + days + 6) / 7;
}

int MonthCalendarModel::currentRows() const
{
    return scope_ == MonthCalendarScope::week ? 1 : rowsInMonth(currentPage_);
}

int MonthCalendarModel::cellsOnPage() const
{
    return currentRows() * monthgeometry::columns;
}

QString MonthCalendarModel::dayTitle(Instant shownDate, std::int64_t day) const
{
    auto found = dayTitles_.find(day);
    if (found != dayTitles_.end())
        return found->second;
    const core::DateTexts *names = texts();
    QString title = names ? names->number(day, 1) : dayFormatter_->string(shownDate);
    dayTitles_.emplace(day, title);
    return title;
}

MonthCalendarCell MonthCalendarModel::cell(int page, int rowMajorIndex) const
{
    MonthCalendarCell cell;
    const Instant start = pageStart(page);
    if (scope_ == MonthCalendarScope::month) {
        cell.date = dateByAddingDays(rowMajorIndex - headPlaceholders(start), start);
        const bool inMonth = isSameMonth(cell.date, start);
        cell.outOfRange = !isInRange(cell.date);
        cell.placeholder = !inMonth || cell.outOfRange;
        cell.hidden = !inMonth && !showsPlaceholders_;
    } else {
        cell.date = dateByAddingDays(rowMajorIndex, start);
        cell.outOfRange = !isInRange(cell.date);
        cell.placeholder = cell.outOfRange;
    }
    const Instant noon = cell.date + 12h;
    const platform::DateComponents c = calendar_.components(noon);
    const platform::DateComponents shown = dayShift_ == 0 ? c : shownComponents(noon);
    cell.day = shown.day;
    cell.weekday = static_cast<int>(c.weekday);
    cell.weekend = cell.weekday == 1 || cell.weekday == 7;
    if (dataSource_) {
        cell.image = dataSource_->imageForDate(view_, cell.date);
        cell.numberOfEvents = std::max(0, dataSource_->numberOfEventsForDate(view_, cell.date));
        const std::optional<QString> title = dataSource_->titleForDate(view_, cell.date);
        cell.title = title ? *title : dayTitle(shifted(noon), shown.day);
        cell.subtitle = dataSource_->subtitleForDate(view_, cell.date);
    } else {
        cell.title = dayTitle(shifted(noon), shown.day);
    }
    cell.selected = isSelected(cell.date);
    cell.today = cell.date == today_;
    // A placeholder keeps its marks only while the grid pages.
    if (cell.placeholder && !pagingEnabled)
        cell.selected = cell.today = false;
    return cell;
}

std::vector<MonthCalendarCell> MonthCalendarModel::cells(int page) const
{
    const int count = scope_ == MonthCalendarScope::week
                          ? monthgeometry::columns
                          : rowsInMonth(pageStart(page)) * monthgeometry::columns;
    std::vector<MonthCalendarCell> result;
    result.reserve(count);
    for (int k = 0; k < count; ++k)
        result.push_back(cell(page, k));
    return result;
}

int MonthCalendarModel::cellIndexOfDate(int page, Instant date) const
{
    const Instant start = pageStart(page);
    const Instant day = calendar_.startOfDay(date);
    if (scope_ == MonthCalendarScope::week) {
        const std::int64_t k = daysBetween(start, day);
        return k >= 0 && k < monthgeometry::columns ? static_cast<int>(k) : -1;
    }
    const std::int64_t k = daysBetween(start, day) + headPlaceholders(start);
    if (k < 0 || k >= rowsInMonth(start) * monthgeometry::columns)
        return -1;
    if (!showsPlaceholders_ && !isSameMonth(day, start))
        return -1;
    return static_cast<int>(k);
}

QString MonthCalendarModel::headerTitle(int page) const
{
    const Instant start = pageStart(page);
    // A week belongs to the month of its middle day.
    const Instant shown = scope_ == MonthCalendarScope::month ? start : dateByAddingDays(3, start);
    if (const core::DateTexts *names = texts(); names && headerDateFormat_ == QLatin1String("MMMM yyyy")) {
        const platform::DateComponents c = shownComponents(shown + 12h);
        if (c.year >= 1 && c.year <= 9999 && c.month >= 1 && c.month <= 12)
            return names->wideMonthName(static_cast<int>(c.month)) + QLatin1Char(' ') +
                   names->number(c.year, 4);
    }
    return headerFormatter_->string(shifted(shown + 12h));
}

// ---- selection -------------------------------------------------------------

std::optional<Instant> MonthCalendarModel::selectedDate() const
{
    if (selectedDates_.empty())
        return std::nullopt;
    return selectedDates_.back();
}

bool MonthCalendarModel::isSelected(Instant date) const
{
    return std::find(selectedDates_.begin(), selectedDates_.end(), date) != selectedDates_.end();
}

void MonthCalendarModel::select(Instant date, bool animate)
{
    if (!allowsMultipleSelection)
        selectedDates_.clear();
    selectedDates_.push_back(date);
    if (animate && host_)
        host_->selectionAnimationStarted(date);
    changed();
}

void MonthCalendarModel::tapCell(const MonthCalendarCell &cell)
{
    if (!allowsSelection || cell.hidden)
        return;
    const Instant date = cell.date;
    if (cell.placeholder) {
        tapPlaceholder(date);
        return;
    }
    if (!isInRange(date))
        return;
    if (isSelected(date)) {
        tapSelected(date);
        return;
    }
    if (delegate_ && !delegate_->shouldSelectDate(view_, date))
        return;
    select(date, true);
    if (delegate_)
        delegate_->didSelectDate(view_, date);
}

void MonthCalendarModel::tapPlaceholder(Instant date)
{
    if (!showsPlaceholders_)
        return;
    if (!isInRange(date)) {
        if (!isSameMonth(date, currentPage_))
            scrollToPageForDate(date, true);
        return;
    }
    // Selected as the programmatic selection of a placeholder: the grid
    // pages to its month, and the delegate hears of it as of a tap.
    if (isSelected(date) && !allowsMultipleSelection) {
        scrollToPageForDate(date, true);
        if (delegate_)
            delegate_->didSelectDate(view_, date);
        return;
    }
    if (delegate_ && !delegate_->shouldSelectDate(view_, date))
        return;
    scrollToPageForDate(date, true);
    select(date, true);
    if (delegate_)
        delegate_->didSelectDate(view_, date);
}

void MonthCalendarModel::tapSelected(Instant date)
{
    if (!allowsMultipleSelection) {
        if (delegate_)
            delegate_->didSelectDate(view_, date);
        return;
    }
    if (delegate_ && !delegate_->shouldDeselectDate(view_, date))
        return;
    selectedDates_.erase(std::remove(selectedDates_.begin(), selectedDates_.end(), date),
                         selectedDates_.end());
    changed();
    if (delegate_)
        delegate_->didDeselectDate(view_, date);
}

void MonthCalendarModel::selectDate(Instant date, bool scrollToDate)
{
    if (!allowsSelection)
        return;
    Instant day = calendar_.startOfDay(date);
    day = std::clamp(day, minimumDate_, maximumDate_);
    if (isSelected(day))
        changed();
    else
        select(day, true);
    if (scrollToDate)
        scrollToPageForDate(day, true);
}

void MonthCalendarModel::deselectDate(Instant date)
{
    const Instant day = calendar_.startOfDay(date);
    const auto end = std::remove(selectedDates_.begin(), selectedDates_.end(), day);
    if (end == selectedDates_.end())
        return;
    selectedDates_.erase(end, selectedDates_.end());
    changed();
}

void MonthCalendarModel::selectDateByUser(Instant date)
{
    if (!allowsSelection)
        return;
    const Instant day = calendar_.startOfDay(date);
    if (!isInRange(day))
        return;
    if (!isSelected(day) && delegate_ && !delegate_->shouldSelectDate(view_, day))
        return;
    scrollToPageForDate(day, true);
    if (!isSelected(day))
        select(day, true);
    if (delegate_)
        delegate_->didSelectDate(view_, day);
}

// ---- paging ----------------------------------------------------------------

void MonthCalendarModel::notifyPageChanged()
{
    // A delegate that pages the calendar from inside the call hears nothing more.
    if (notifyingPage_ || !delegate_)
        return;
    notifyingPage_ = true;
    delegate_->calendarCurrentPageDidChange(view_);
    notifyingPage_ = false;
}

void MonthCalendarModel::changeCurrentPage(Instant start, bool animated, bool notify)
{
    if (start == currentPage_)
        return;
    const int rowsBefore = currentRows();
    currentPage_ = start;
    if (notify)
        notifyPageChanged();
    if (host_ && !showsPlaceholders_ && currentRows() != rowsBefore)
        host_->rowCountWillChange(rowsBefore, currentRows(), animated);
    changed();
}

void MonthCalendarModel::scrollToPageForDate(Instant date, bool animated)
{
    if (dragging_)
        return;
    if (isInRange(date)) {
        const Instant start = pageStart(pageForDate(date));
        changeCurrentPage(start, animated, true);
    }
    if (host_)
        host_->scrollToCurrentPage(animated);
}

void MonthCalendarModel::setCurrentPage(Instant date, bool animated)
{
    dragging_ = false;
    changeCurrentPage(pageStart(pageForDate(date)), animated, true);
    if (host_)
        host_->scrollToCurrentPage(animated);
}

void MonthCalendarModel::dragEnded(int page)
{
    dragging_ = false;
    page = std::clamp(page, 0, std::max(0, numberOfPages() - 1));
    changeCurrentPage(pageStart(page), true, true);
    if (host_)
        host_->scrollToCurrentPage(true);
}

Instant MonthCalendarModel::weekToKeep() const
{
    if (scope_ == MonthCalendarScope::week)
        return currentPage_;
    const int page = currentPageIndex();
    const auto selected = selectedDate();
    if (focusOnSingleSelectedDate && !allowsMultipleSelection && selected &&
        cellIndexOfDate(page, *selected) >= 0)
        return startOfWeek(*selected);
    if (cellIndexOfDate(page, today_) >= 0)
        return startOfWeek(today_);
    return startOfWeek(currentPage_);
}

void MonthCalendarModel::setScope(MonthCalendarScope scope)
{
    if (scope == scope_)
        return;
    Instant focus;
    if (scope == MonthCalendarScope::week) {
        focus = weekToKeep();
    } else {
        // Back to the month of the selected day or today when the week holds
        // one, else to the month the week's header named.
        const auto inWeek = [this](Instant date) {
            const std::int64_t k = daysBetween(currentPage_, date);
            return k >= 0 && k < monthgeometry::columns;
        };
        const auto selected = selectedDate();
        if (selected && inWeek(*selected))
            focus = *selected;
        else if (inWeek(today_))
            focus = today_;
        else
            focus = dateByAddingDays(3, currentPage_);
    }
    scope_ = scope;
    ++generation_;
    currentPage_ = pageStart(pageForDate(focus));
    if (host_)
        host_->scrollToCurrentPage(false);
    changed();
}

} // namespace components
