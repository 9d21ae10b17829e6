// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The month calendar's logic without a display: pages, the 42-cell grid,
// cell states, selection and paging rules, scope change, headers, heights,
// right-to-left order and awkward zones, with a fixed clock, zone and locale.
#include "components/calendar/MonthCalendarModel.h"

#include "TestEnvironment.h"
#include "core/DayTable.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/system/Console.h"

#include <gtest/gtest.h>

using components::MonthCalendarCell;
using components::MonthCalendarModel;
using components::MonthCalendarScope;
using components::MonthCalendarView;
using platform::CalendarIdentifier;
using platform::Instant;
using testenv::gregorianInstant;
using testenv::hijriInstant;
namespace geometry = components::monthgeometry;
namespace cellstate = components::cellstate;

namespace {

// A data source with a range of its own, and a delegate that writes down what it hears.
class Recorder final : public components::MonthCalendarDataSource, public components::MonthCalendarDelegate
{
public:
    std::optional<Instant> minimum;
    std::optional<Instant> maximum;
    int eventCount = 0;
    QString subtitle;
    std::vector<Instant> didSelect;
    int shouldSelectAsked = 0;
    bool allowSelection = true;
    int pageChanges = 0;
    MonthCalendarModel *pageAgainOnChange = nullptr;

    std::optional<Instant> minimumDateForCalendar(MonthCalendarView *) override { return minimum; }
    std::optional<Instant> maximumDateForCalendar(MonthCalendarView *) override { return maximum; }
    int numberOfEventsForDate(MonthCalendarView *, Instant) override { return eventCount; }
    QString subtitleForDate(MonthCalendarView *, Instant) override { return subtitle; }
    bool shouldSelectDate(MonthCalendarView *, Instant) override
    {
        ++shouldSelectAsked;
        return allowSelection;
    }
    void didSelectDate(MonthCalendarView *, Instant date) override { didSelect.push_back(date); }
    void calendarCurrentMonthDidChange(MonthCalendarView *) override
    {
        ++pageChanges;
        // A delegate that pages again from inside the call.
        if (pageAgainOnChange)
            pageAgainOnChange->setCurrentPage(gregorianInstant(2030, 1, 1), false);
    }
};

class MonthCalendarModelTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    Recorder recorder;

    // Today is 5 December 2026 at noon unless a test moves the clock first.
    std::unique_ptr<MonthCalendarModel> make()
    {
        auto model = std::make_unique<MonthCalendarModel>();
        model->setDelegate(&recorder);
        model->setDataSource(&recorder);
        return model;
    }

    static int daysInMonthOnPage(const MonthCalendarModel &model, int page)
    {
        int days = 0;
        for (const MonthCalendarCell &cell : model.cells(page))
            days += model.isSameMonth(cell.date, model.pageStart(page)) ? 1 : 0;
        return days;
    }
};

TEST_F(MonthCalendarModelTest, AMonthStartingOnTheFirstWeekdayGetsAFullRowOfThePreviousMonth)
{
    struct Row
    {
        CalendarIdentifier calendar;
        int firstWeekday;
    };
    for (const Row row :
         {Row{CalendarIdentifier::gregorian, 1}, Row{CalendarIdentifier::gregorian, 2},
          Row{CalendarIdentifier::islamicUmmAlQura, 1}, Row{CalendarIdentifier::islamicUmmAlQura, 2}}) {
        SCOPED_TRACE(testing::Message() << "calendar " << static_cast<int>(row.calendar) << ", first weekday "
                                        << row.firstWeekday);
        auto model = make();
        model->setIdentifier(row.calendar);
        model->setFirstWeekday(row.firstWeekday);
        // The first month from 2026 on that starts on the first weekday.
        int page = model->pageForDate(gregorianInstant(2026, 1, 1));
        while (model->calendar().components(model->pageStart(page)).weekday != row.firstWeekday)
            ++page;
        ASSERT_LT(page, model->numberOfPages());
        const auto cells = model->cells(page);
        ASSERT_EQ(cells.size(), 42u);
        EXPECT_EQ(model->headPlaceholders(model->pageStart(page)), 7);
        const Instant previousMonth = model->pageStart(page - 1);
        const auto lastDay = model->calendar().daysInMonth(previousMonth + std::chrono::hours(12));
        for (int k = 0; k < 7; ++k) {
            EXPECT_TRUE(cells[k].placeholder);
            EXPECT_EQ(cells[k].day, lastDay - 6 + k);
            EXPECT_EQ(cells[k].weekday, (row.firstWeekday - 1 + k) % 7 + 1);
        }
        EXPECT_FALSE(cells[7].placeholder);
        EXPECT_EQ(cells[7].day, 1);
        EXPECT_EQ(cells[7].date, model->pageStart(page));
        // Without placeholders the row is not forced.
        model->setShowsPlaceholders(false);
        EXPECT_EQ(model->headPlaceholders(model->pageStart(page)), 0);
        EXPECT_EQ(model->cells(page).front().day, 1);
    }
}

TEST_F(MonthCalendarModelTest, SixHundredDaysEachSideGiveFortyOrFortyOnePagesWithUnselectableEnds)
{
    for (const auto &today : {gregorianInstant(2026, 12, 5, 12), gregorianInstant(2026, 1, 31, 9),
                              gregorianInstant(2024, 2, 29, 23), gregorianInstant(2025, 7, 1, 0)}) {
        env.setNow(today);
        recorder.minimum = today - std::chrono::hours(24 * 600);
        recorder.maximum = today + std::chrono::hours(24 * 600);
        auto model = make();
        SCOPED_TRACE(model->stringFromDate(today).toStdString());
        EXPECT_GE(model->numberOfPages(), 40);
        EXPECT_LE(model->numberOfPages(), 41);
        EXPECT_EQ(model->currentPage(), model->startOfMonth(today));

        const MonthCalendarCell beforeRange =
            model->cell(0, model->cellIndexOfDate(0, *recorder.minimum) - 1);
        EXPECT_TRUE(beforeRange.placeholder);
        EXPECT_TRUE(beforeRange.outOfRange);
        const int last = model->numberOfPages() - 1;
        const MonthCalendarCell afterRange =
            model->cell(last, model->cellIndexOfDate(last, *recorder.maximum) + 1);
        EXPECT_TRUE(afterRange.outOfRange);
        for (const MonthCalendarCell &cell : {beforeRange, afterRange}) {
            model->setCurrentPage(cell.date, false);
            model->tapCell(cell);
            EXPECT_TRUE(model->selectedDates().empty());
        }
        EXPECT_TRUE(recorder.didSelect.empty());
        recorder.pageChanges = 0;
    }
}

TEST_F(MonthCalendarModelTest, TappingAPlaceholderInsideTheRangeMovesToItsMonthAndSelectsIt)
{
    auto model = make();
    const int page = model->currentPageIndex();
    // December 2026 starts on a Tuesday: its last cell is 9 January 2027.
    const MonthCalendarCell nextMonth = model->cell(page, 41);
    ASSERT_TRUE(nextMonth.placeholder);
    ASSERT_EQ(nextMonth.date, gregorianInstant(2027, 1, 9));
    model->tapCell(nextMonth);
    EXPECT_EQ(model->currentPage(), gregorianInstant(2027, 1, 1));
    EXPECT_EQ(model->selectedDates(), std::vector<Instant>{gregorianInstant(2027, 1, 9)});
    EXPECT_EQ(recorder.shouldSelectAsked, 1);
    EXPECT_EQ(recorder.didSelect, std::vector<Instant>{gregorianInstant(2027, 1, 9)});
    EXPECT_EQ(recorder.pageChanges, 1);

    // Tapping the selected day again tells the delegate again and changes nothing.
    model->tapCell(
        model->cell(model->currentPageIndex(),
                    model->cellIndexOfDate(model->currentPageIndex(), gregorianInstant(2027, 1, 9))));
    EXPECT_EQ(recorder.didSelect.size(), 2u);
    EXPECT_EQ(model->selectedDates().size(), 1u);

    // A refusing delegate keeps the selection.
    recorder.allowSelection = false;
    model->tapCell(model->cell(model->currentPageIndex(), 20));
    EXPECT_EQ(model->selectedDates(), std::vector<Instant>{gregorianInstant(2027, 1, 9)});
}

TEST_F(MonthCalendarModelTest, TappingAPlaceholderOutsideTheRangePagesOnlyWhenItIsInAnotherMonth)
{
    recorder.minimum = gregorianInstant(2026, 12, 10);
    recorder.maximum = gregorianInstant(2027, 1, 20);
    auto model = make();
    ASSERT_EQ(model->numberOfPages(), 2);
    // 3 December is this month's but before the range: nothing happens.
    model->tapCell(model->cell(0, model->cellIndexOfDate(0, gregorianInstant(2026, 12, 3))));
    // 30 November lies before the first page: there is no page to go to.
    model->tapCell(model->cell(0, model->cellIndexOfDate(0, gregorianInstant(2026, 11, 30))));
    EXPECT_EQ(model->currentPageIndex(), 0);
    EXPECT_EQ(recorder.pageChanges, 0);
    EXPECT_TRUE(model->selectedDates().empty());
    EXPECT_EQ(recorder.shouldSelectAsked, 0);

    // Placeholders hidden: a tap on one does nothing at all.
    model->setShowsPlaceholders(false);
    MonthCalendarCell cell = model->cell(0, 40);
    cell.placeholder = true;
    model->tapCell(cell);
    EXPECT_TRUE(model->selectedDates().empty());
}

TEST_F(MonthCalendarModelTest, SelectingADateOutsideTheRangeSelectsTheNearestEndWithoutTellingTheDelegate)
{
    recorder.minimum = gregorianInstant(2025, 1, 1, 15);
    recorder.maximum = gregorianInstant(2027, 3, 31, 18);
    auto model = make();
    model->selectDate(gregorianInstant(2031, 6, 6, 10), true);
    EXPECT_EQ(model->selectedDate(), gregorianInstant(2027, 3, 31));
    EXPECT_EQ(model->currentPage(), gregorianInstant(2027, 3, 1));
    EXPECT_EQ(recorder.pageChanges, 1);
    EXPECT_TRUE(recorder.didSelect.empty());

    model->selectDate(gregorianInstant(1999, 1, 1), false);
    EXPECT_EQ(model->selectedDates(), std::vector<Instant>{gregorianInstant(2025, 1, 1)});
    EXPECT_EQ(model->currentPage(), gregorianInstant(2027, 3, 1));

    model->allowsSelection = false;
    model->selectDate(gregorianInstant(2026, 1, 1));
    EXPECT_EQ(model->selectedDate(), gregorianInstant(2025, 1, 1));
}

TEST_F(MonthCalendarModelTest, ADelegateThatPagesFromInsideThePageEventHearsOneEvent)
{
    auto model = make();
    recorder.pageAgainOnChange = model.get();
    model->selectDate(gregorianInstant(2027, 5, 5));
    EXPECT_EQ(recorder.pageChanges, 1);
    EXPECT_EQ(model->currentPage(), gregorianInstant(2030, 1, 1));
}

TEST_F(MonthCalendarModelTest, SwitchingToUmmAlQuraLaysOutHijriMonthsAndJumpsToToday)
{
    auto model = make();
    model->setCurrentPage(gregorianInstant(2030, 7, 1), false);
    recorder.pageChanges = 0;
    model->setIdentifier(CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(recorder.pageChanges, 0);
    // 5 December 2026 is 25 Jumada al-Akhirah 1448 (Ramadan 1447 began on 18 February 2026).
    const int page = model->currentPageIndex();
    EXPECT_EQ(model->currentPage(), hijriInstant(1448, 6, 1));
    const int todayCell = model->cellIndexOfDate(page, model->today());
    ASSERT_GE(todayCell, 0);
    EXPECT_TRUE(model->cell(page, todayCell).today);
    EXPECT_EQ(model->cell(page, todayCell).title, QStringLiteral("25"));
    EXPECT_EQ(model->headerTitle(page), QStringLiteral("Jumada II 1448"));
    EXPECT_EQ(model->cell(model->pageForDate(hijriInstant(1447, 9, 1)), 3).date,
              gregorianInstant(2026, 2, 18));
    for (int p = 0; p < model->numberOfPages(); p += 7) {
        const int days = daysInMonthOnPage(*model, p);
        EXPECT_TRUE(days == 29 || days == 30) << p;
    }
}

TEST_F(MonthCalendarModelTest, CellStoragePositionsMapBackToTheirGridPositions)
{
    for (int i = 0; i < 42; ++i)
        EXPECT_EQ(geometry::rowMajorToStorage(geometry::storageToRowMajor(i)), i);
    // Storage runs down the first column, then the next.
    EXPECT_EQ(geometry::storageToRowMajor(0), 0);
    EXPECT_EQ(geometry::storageToRowMajor(1), 7);
    EXPECT_EQ(geometry::storageToRowMajor(5), 35);
    EXPECT_EQ(geometry::storageToRowMajor(6), 1);
    EXPECT_EQ(geometry::storageToRowMajor(41), 41);
}

TEST_F(MonthCalendarModelTest, TheColourRuleTriesSelectionTodayPlaceholderAndWeekendInThatOrder)
{
    using namespace cellstate;
    const auto all = [](int) { return true; };
    const auto only = [](std::initializer_list<int> keys) {
        return [set = std::vector<int>(keys)](int key) {
            return std::find(set.begin(), set.end(), key) != set.end();
        };
    };
    struct Row
    {
        int state;
        std::function<bool(int)> table;
        int key;
    };
    const std::vector<Row> rows = {
        {selected | today, all, todaySelected},
        {selected | today, only({0, 1, 8}), selected},
        {selected | placeholder | weekend, all, selected},
        {today | placeholder, all, today},
        {today, only({0, 1}), normal},
        {placeholder | weekend, all, placeholder},
        {placeholder | weekend, only({0, 16}), weekend},
        {weekend, only({0, 1, 2, 8}), normal},
        {disabled | placeholder, only({0, 4}), normal},
        {normal, all, normal},
    };
    for (const Row &row : rows)
        EXPECT_EQ(geometry::colorKey(row.state, row.table), row.key) << "state " << row.state;
}

TEST_F(MonthCalendarModelTest, MonthTitlesFadeWithTheirDistanceFromTheHeadersCentre)
{
    EXPECT_DOUBLE_EQ(geometry::headerTitleOpacity(0.0, 180.0, 0.2), 1.0);
    EXPECT_NEAR(geometry::headerTitleOpacity(180.0, 180.0, 0.2), 0.2, 1e-12);
    EXPECT_NEAR(geometry::headerTitleOpacity(-90.0, 180.0, 0.2), 0.6, 1e-12);
    EXPECT_DOUBLE_EQ(geometry::headerTitleOpacity(400.0, 180.0, 0.2), 0.0);
    EXPECT_NEAR(geometry::headerTitleOpacity(100.0, 100.0, 0.5), 0.5, 1e-12);
}

TEST_F(MonthCalendarModelTest, HeightsFollowTheLaidOutHeightAndTheMonthsRowCount)
{
    const auto withPlaceholders = geometry::automaticHeights(300.0, true);
    EXPECT_DOUBLE_EQ(withPlaceholders.header, 40.0);
    EXPECT_DOUBLE_EQ(withPlaceholders.weekday, 25.0);
    EXPECT_DOUBLE_EQ(withPlaceholders.row, (300.0 - 40.0 - 25.0 - 4.0) / 6.0);
    const auto handled = geometry::automaticHeights(300.0, true, 20.0);
    EXPECT_DOUBLE_EQ(handled.header, 276.0 / 15.0 + 20.0);
    EXPECT_DOUBLE_EQ(handled.weekday, 23.0);
    const auto fixed = geometry::automaticHeights(300.0, true, 0.0, 50.0, 30.0);
    EXPECT_DOUBLE_EQ(fixed.header, 50.0);
    EXPECT_DOUBLE_EQ(fixed.weekday, 30.0);

    // Without placeholders December 2026 needs 5 rows, August 2026 6 and February 2026 4.
    auto model = make();
    model->setShowsPlaceholders(false);
    const auto heights = geometry::automaticHeights(300.0, false);
    EXPECT_DOUBLE_EQ(heights.row, 38.33);
    struct Row
    {
        Instant month;
        int rows;
    };
    for (const Row row : {Row{gregorianInstant(2026, 12, 1), 5}, Row{gregorianInstant(2026, 8, 1), 6},
                          Row{gregorianInstant(2026, 2, 1), 4}}) {
        model->setCurrentPage(row.month, false);
        EXPECT_EQ(model->currentRows(), row.rows);
        EXPECT_EQ(static_cast<int>(model->cells(model->currentPageIndex()).size()), row.rows * 7);
        EXPECT_DOUBLE_EQ(heights.fittingHeight(model->currentRows()), 40.0 + 25.0 + row.rows * 38.33 + 5.0);
    }
}

TEST_F(MonthCalendarModelTest, WeekScopeKeepsTheSelectedWeekElseTodaysElseTheMonthsFirst)
{
    auto model = make();
    // December 2026, today the 5th (a Saturday).
    model->selectDate(gregorianInstant(2026, 12, 16), false);
    EXPECT_EQ(model->weekToKeep(), gregorianInstant(2026, 12, 13));
    model->setScope(MonthCalendarScope::week);
    EXPECT_EQ(model->currentPage(), gregorianInstant(2026, 12, 13));
    EXPECT_EQ(model->cells(model->currentPageIndex()).size(), 7u);
    EXPECT_EQ(model->currentRows(), 1);
    EXPECT_EQ(model->headerTitle(model->currentPageIndex()), QStringLiteral("December 2026"));
    model->setScope(MonthCalendarScope::month);
    EXPECT_EQ(model->currentPage(), gregorianInstant(2026, 12, 1));

    model->deselectDate(gregorianInstant(2026, 12, 16, 9));
    EXPECT_EQ(model->weekToKeep(), gregorianInstant(2026, 11, 29));

    // A selection on another page does not count; neither does today.
    model->selectDate(gregorianInstant(2026, 12, 16), false);
    model->setCurrentPage(gregorianInstant(2027, 3, 10), false);
    EXPECT_EQ(model->weekToKeep(), gregorianInstant(2027, 2, 28));
    model->setScope(MonthCalendarScope::week);
    // The week of 28 February belongs to March by its middle day.
    EXPECT_EQ(model->headerTitle(model->currentPageIndex()), QStringLiteral("March 2027"));
    model->setScope(MonthCalendarScope::month);
    EXPECT_EQ(model->currentPage(), gregorianInstant(2027, 3, 1));

    // Week pages run from the week of the minimum.
    model->setScope(MonthCalendarScope::week);
    EXPECT_EQ(model->pageStart(0), model->startOfWeek(model->minimumDate()));
}

TEST_F(MonthCalendarModelTest, UnderArabicTheGridAndWeekdaysRunRightToLeft)
{
    env.setLocale(QStringLiteral("ar_SA"));
    auto model = make();
    EXPECT_TRUE(model->isRightToLeft());
    EXPECT_EQ(model->visualColumn(0), 6);
    EXPECT_EQ(model->visualColumn(6), 0);
    const QStringList symbols = model->weekdaySymbols();
    ASSERT_EQ(symbols.size(), 7);
    EXPECT_EQ(symbols.first(), QStringLiteral("الأحد"));
    model->setFirstWeekday(7);
    EXPECT_EQ(model->weekdaySymbols().first(), QStringLiteral("السبت"));
    // Days in Arabic-Indic digits.
    const int page = model->currentPageIndex();
    EXPECT_EQ(model->cell(page, model->cellIndexOfDate(page, model->today())).title, QStringLiteral("٥"));

    env.setLocale(QStringLiteral("en_US"));
    auto english = make();
    EXPECT_FALSE(english->isRightToLeft());
    EXPECT_EQ(english->weekdaySymbols().first(), QStringLiteral("Sun"));
}

TEST_F(MonthCalendarModelTest, ADayWhoseMidnightIsSkippedStillHasOneCell)
{
    // Brazil's clocks went from 00:00 to 01:00 on 4 November 2018.
    env.setTimeZone(QStringLiteral("America/Sao_Paulo"));
    env.setNow(gregorianInstant(2018, 11, 15, 12));
    auto model = make();
    const int page = model->currentPageIndex();
    const auto cells = model->cells(page);
    std::vector<std::int64_t> days;
    for (size_t k = 0; k < cells.size(); ++k) {
        if (!cells[k].placeholder)
            days.push_back(cells[k].day);
        if (k > 0) {
            EXPECT_EQ(model->daysBetween(cells[k - 1].date, cells[k].date), 1) << k;
        }
    }
    ASSERT_EQ(days.size(), 30u);
    for (int d = 0; d < 30; ++d)
        EXPECT_EQ(days[d], d + 1);
    const MonthCalendarCell fourth =
        model->cell(page, model->cellIndexOfDate(page, gregorianInstant(2018, 11, 4, 12)));
    EXPECT_EQ(fourth.day, 4);
    EXPECT_EQ(fourth.date, gregorianInstant(2018, 11, 4, 1));
    // Week pages across the change.
    model->setScope(MonthCalendarScope::week);
    model->setCurrentPage(gregorianInstant(2018, 11, 4, 12), false);
    EXPECT_EQ(model->cells(model->currentPageIndex())[0].day, 4);
    EXPECT_EQ(model->cells(model->currentPageIndex())[6].day, 10);
}

TEST_F(MonthCalendarModelTest, AnEmptyOrInvertedRangeShowsTheMinimumsMonthAndLogsOnce)
{
    QStringList lines;
    const auto previous = platform::setConsoleSink([&](const QString &line) { lines << line; });
    struct Row
    {
        Instant minimum;
        Instant maximum;
    };
    for (const Row row : {Row{gregorianInstant(2027, 3, 10), gregorianInstant(2026, 1, 1)},
                          Row{gregorianInstant(2027, 3, 10, 8), gregorianInstant(2027, 3, 10, 20)}}) {
        lines.clear();
        recorder.minimum = row.minimum;
        recorder.maximum = row.maximum;
        auto model = make();
        EXPECT_EQ(lines.size(), 1);
        EXPECT_EQ(model->numberOfPages(), 1);
        EXPECT_EQ(model->currentPage(), gregorianInstant(2027, 3, 1));
        EXPECT_EQ(model->cells(0).size(), 42u);
        EXPECT_TRUE(model->isInRange(gregorianInstant(2027, 3, 31)));
        model->selectDate(gregorianInstant(2030, 1, 1));
        EXPECT_EQ(model->selectedDate(), gregorianInstant(2027, 3, 31));
    }
    platform::setConsoleSink(previous);
}

TEST_F(MonthCalendarModelTest, ANegativeEventCountShowsNoDotsAndDataSourceTextIsKeptAsGiven)
{
    recorder.eventCount = -4;
    recorder.subtitle = QString(5000, QLatin1Char('x'));
    auto model = make();
    const MonthCalendarCell cell = model->cell(model->currentPageIndex(), 10);
    EXPECT_EQ(cell.numberOfEvents, 0);
    EXPECT_EQ(cell.subtitle.size(), 5000);
    EXPECT_EQ(model->stringFromDate(cell.date), QStringLiteral("2026-12-09"));
    EXPECT_EQ(model->accessibleText(cell.date), QStringLiteral("Wednesday 9 December 2026"));
}

TEST_F(MonthCalendarModelTest, TodayFollowsTheClockUnlessTheCallerSetIt)
{
    auto model = make();
    EXPECT_EQ(model->today(), gregorianInstant(2026, 12, 5));
    EXPECT_FALSE(model->refreshToday(gregorianInstant(2026, 12, 5, 23, 59)));
    EXPECT_TRUE(model->refreshToday(gregorianInstant(2026, 12, 6, 0, 0)));
    EXPECT_EQ(model->today(), gregorianInstant(2026, 12, 6));
    model->setToday(gregorianInstant(2026, 1, 1, 15));
    EXPECT_FALSE(model->refreshToday(gregorianInstant(2026, 12, 7, 1)));
    EXPECT_EQ(model->today(), gregorianInstant(2026, 1, 1));
}

TEST_F(MonthCalendarModelTest, DateOperationsCountInTheViewsCalendar)
{
    auto model = make();
    const Instant a = gregorianInstant(2026, 1, 31, 17);
    EXPECT_EQ(model->startOfMonth(a), gregorianInstant(2026, 1, 1));
    EXPECT_EQ(model->endOfMonth(a), gregorianInstant(2026, 1, 31));
    EXPECT_EQ(model->startOfWeek(a), gregorianInstant(2026, 1, 25));
    EXPECT_EQ(model->dateByAddingDays(1, a), gregorianInstant(2026, 2, 1));
    EXPECT_EQ(model->dateByAddingMonths(1, a), gregorianInstant(2026, 2, 28));
    EXPECT_EQ(model->monthsBetween(a, gregorianInstant(2027, 3, 1)), 14);
    EXPECT_EQ(model->weeksBetween(a, gregorianInstant(2026, 2, 1)), 1);
    model->setIdentifier(CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(model->startOfMonth(gregorianInstant(2026, 3, 1)), gregorianInstant(2026, 2, 18));
    EXPECT_EQ(model->stringFromDate(gregorianInstant(2026, 2, 18)), QStringLiteral("1447-09-01"));
}

} // namespace

// Day numbers, headers and weekday names come from the date core's tables
// where a locale has them and from a formatter where it has not; either way
// they are what the formatter writes, in every test locale and both calendars.
TEST_F(MonthCalendarModelTest, TitlesHeadersAndWeekdaysAreTheFormattersTextsInEveryLocale)
{
    for (const char *locale :
         {"en_US", "ar_SA", "fa_IR", "fr_FR", "th_TH@numbers=thai", "ta_IN@numbers=taml"}) {
        env.setLocale(QString::fromLatin1(locale));
        for (const auto id : {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
            SCOPED_TRACE(testing::Message() << locale << " " << static_cast<int>(id));
            auto model = make();
            model->setIdentifier(id);
            const auto formatted = [&](const char *pattern, Instant at) {
                platform::DateFormatter formatter;
                formatter.setCalendar(model->calendar());
                formatter.setLocaleName(model->localeName());
                formatter.setTimeZoneId(model->timeZoneId());
                formatter.setDateFormat(QString::fromLatin1(pattern));
                return formatter.string(at + std::chrono::hours(12));
            };
            const Instant sunday = gregorianInstant(2026, 12, 6);
            const QStringList symbols = model->weekdaySymbols();
            ASSERT_EQ(symbols.size(), 7);
            for (int i = 0; i < 7; ++i)
                EXPECT_EQ(symbols[i],
                          formatted("ccc",
                                    sunday + std::chrono::hours(24 * ((model->firstWeekday() - 1 + i) % 7))));
            // Pages across a year boundary, each with its leading and trailing days.
            const int first = model->currentPageIndex();
            for (int page = first - 2; page <= first + 12; page += 7) {
                EXPECT_EQ(model->headerTitle(page), formatted("MMMM yyyy", model->pageStart(page)));
                for (const MonthCalendarCell &cell : model->cells(page))
                    EXPECT_EQ(cell.title, formatted("d", cell.date));
            }
            model->setHeaderDateFormat(QStringLiteral("LLLL y"));
            EXPECT_EQ(model->headerTitle(first), formatted("LLLL y", model->pageStart(first)));
        }
    }
}

namespace {

// The Umm al-Qura grid under an adjustment is the adjusted calendar: each
// page holds the days whose adjusted date lies in its month, each under its
// own weekday and titled with its adjusted day, checked against the table of
// month starts over two Hijri years.
TEST_F(MonthCalendarModelTest, AdjustedHijriPagesHoldEveryDayUnderItsOwnWeekday)
{
    const platform::Calendar gregorian(CalendarIdentifier::gregorian);
    for (int adjustment = -2; adjustment <= 2; ++adjustment) {
        auto model = make();
        model->setIdentifier(CalendarIdentifier::islamicUmmAlQura);
        model->setDayShift(adjustment);
        for (int year = 1447; year <= 1448; ++year) {
            for (int month = 1; month <= 12; ++month) {
                SCOPED_TRACE(testing::Message() << year << "-" << month << " adjustment " << adjustment);
                const auto first = model->firstDayOfMonth(year, month);
                ASSERT_TRUE(first);
                const int page = model->pageForDate(*first);
                ASSERT_EQ(model->pageStart(page), *first);
                const std::int64_t start = *core::DayTable::fromHijri(year, month, 1);
                const std::int64_t end =
                    *core::DayTable::fromHijri(month == 12 ? year + 1 : year, month % 12 + 1, 1);
                EXPECT_EQ(*gregorian.localDayNumber(*first + std::chrono::hours(12)), start - adjustment);
                int inMonth = 0;
                for (const MonthCalendarCell &cell : model->cells(page)) {
                    const std::int64_t day = *gregorian.localDayNumber(cell.date + std::chrono::hours(12));
                    const auto named = core::DayTable::hijri(day + adjustment);
                    ASSERT_TRUE(named);
                    EXPECT_EQ(cell.weekday, core::DayTable::weekday(day));
                    EXPECT_EQ(cell.title, QString::number(named->day));
                    const bool belongs = named->year == year && named->month == month;
                    EXPECT_EQ(cell.placeholder, !belongs);
                    inMonth += belongs ? 1 : 0;
                    // Today is marked on today's own cell, whatever it is named.
                    EXPECT_EQ(cell.today, cell.date == gregorianInstant(2026, 12, 5));
                }
                EXPECT_EQ(inMonth, end - start);
            }
        }
        // The header names the page by its adjusted month.
        const auto named = core::DayTable::hijri(
            *gregorian.localDayNumber(model->today() + std::chrono::hours(12)) + adjustment);
        const int today = model->pageForDate(model->today());
        EXPECT_EQ(model->shownComponents(model->pageStart(today) + std::chrono::hours(12)).month,
                  named->month);
        EXPECT_TRUE(model->headerTitle(today).startsWith(named->month == 6 ? QStringLiteral("Jumada II")
                                                                           : QStringLiteral("Rajab")))
            << model->headerTitle(today).toStdString();
    }
}

TEST_F(MonthCalendarModelTest, ChangingTheShiftKeepsThePageAndRenamesItsDays)
{
    auto model = make();
    model->setIdentifier(CalendarIdentifier::islamicUmmAlQura);
    const Instant today = model->today(); // 5 December 2026, 25 Jumada II 1448
    const auto todaysCell = [&] {
        const int page = model->pageForDate(today);
        return model->cell(page, model->cellIndexOfDate(page, today));
    };
    EXPECT_EQ(todaysCell().title, QStringLiteral("25"));
    model->setDayShift(2);
    EXPECT_EQ(todaysCell().title, QStringLiteral("27"));
    EXPECT_TRUE(todaysCell().today);
    EXPECT_EQ(todaysCell().weekday, 7); // a Saturday whatever it is named
    EXPECT_EQ(model->currentPageIndex(), model->pageForDate(today));
    EXPECT_EQ(model->stringFromDate(today), QStringLiteral("1448-06-27"));
    EXPECT_TRUE(model->accessibleText(today).startsWith(QStringLiteral("Saturday 27 ")))
        << model->accessibleText(today).toStdString();
}

// The first day of the week of each locale, as CLDR gives it.
TEST_F(MonthCalendarModelTest, WeeksStartOnTheLocalesFirstDayUnlessSet)
{
    struct Row
    {
        const char *locale;
        int firstWeekday;
    };
    const Row rows[] = {{"en_US", 1}, {"en_GB", 2}, {"fr_FR", 2}, {"ar_SA", 1},
                        {"ar_EG", 7}, {"fa_IR", 7}, {"id_ID", 1}, {"tr_TR", 2}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale);
        env.setLocale(QString::fromLatin1(row.locale));
        auto model = make();
        EXPECT_EQ(model->firstWeekday(), row.firstWeekday);
        const auto cells = model->cells(model->currentPageIndex());
        for (size_t k = 0; k < cells.size(); k += 7)
            EXPECT_EQ(cells[k].weekday, row.firstWeekday);
        model->setFirstWeekday(4);
        model->setLocaleName(QStringLiteral("en_GB"));
        EXPECT_EQ(model->firstWeekday(), 4) << "a weekday set stays through a change of locale";
        model->useLocaleFirstWeekday();
        EXPECT_EQ(model->firstWeekday(), 2);
        EXPECT_EQ(model->cells(model->currentPageIndex())[0].weekday, 2);
    }
}

} // namespace
