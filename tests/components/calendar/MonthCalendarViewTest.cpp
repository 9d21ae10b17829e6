// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The month calendar view driven as a person drives it: clicks, drags, touch
// swipes, the wheel and keys at window positions on the top-level window, on
// the offscreen platform with a manual animation clock.
#include "components/calendar/MonthCalendarView.h"

#include "TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointingDevice>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using components::ManualMediaClock;
using components::MonthCalendarScope;
using components::MonthCalendarView;
using platform::Instant;
using testenv::gregorianInstant;

namespace {

// Answers like the calendar screen: sets its container's height to the one asked for.
class Owner final : public components::MonthCalendarDataSource, public components::MonthCalendarDelegate
{
public:
    QWidget *container = nullptr;
    std::vector<Instant> selected;
    int pageChanges = 0;
    std::vector<QRectF> bounds;
    QString subtitle = QStringLiteral("12");

    QString subtitleForDate(MonthCalendarView *, Instant) override { return subtitle; }
    void didSelectDate(MonthCalendarView *, Instant date) override { selected.push_back(date); }
    void calendarCurrentPageDidChange(MonthCalendarView *) override { ++pageChanges; }
    void boundingRectWillChange(MonthCalendarView *, const QRectF &rect, bool) override
    {
        bounds.push_back(rect);
        if (container)
            container->setFixedHeight(qRound(rect.height()));
    }
};

class MonthCalendarViewTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    std::shared_ptr<ManualMediaClock> clock = std::make_shared<ManualMediaClock>();
    Owner owner;
    std::unique_ptr<QWidget> window;
    MonthCalendarView *view = nullptr;

    void make(const QString &locale = QStringLiteral("en_US"))
    {
        env.setLocale(locale);
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(10, 10, 10, 10);
        layout->addWidget(new QLabel(QStringLiteral("above")));
        view = new MonthCalendarView(nullptr, clock);
        view->setFixedHeight(300);
        layout->addWidget(view);
        layout->addStretch();
        window->resize(380, 420);
        view->setDelegate(&owner);
        view->setDataSource(&owner);
        owner.container = view;
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QWindow *handle() const { return window->windowHandle(); }
    QPoint at(QPointF viewPoint) const { return view->mapTo(window.get(), viewPoint.toPoint()); }
    QPoint centreOf(Instant date) const { return at(view->rectForDate(date).center()); }

    void click(QPoint windowPoint) { QTest::mouseClick(handle(), Qt::LeftButton, {}, windowPoint); }

    // A mouse drag in steps of 10 ms.
    void drag(QPoint from, QPoint to, int steps, double pauseBeforeRelease = 0.0)
    {
        QTest::mousePress(handle(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= steps; ++i) {
            clock->advance(0.01);
            QTest::mouseMove(handle(), from + (to - from) * i / steps);
        }
        clock->advance(pauseBeforeRelease);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, to);
    }

    void wheel(QPoint windowPoint, QPoint angle)
    {
        QWheelEvent event(windowPoint, handle()->mapToGlobal(windowPoint), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(handle(), &event);
    }

    int currentIndex() const { return view->model().currentPageIndex(); }
};

TEST_F(MonthCalendarViewTest, ClickingADaySelectsItWithABounceAndTellsTheDelegate)
{
    make();
    const Instant day = gregorianInstant(2026, 12, 16);
    click(centreOf(day));
    EXPECT_EQ(owner.selected, std::vector<Instant>{day});
    EXPECT_EQ(view->selectedDate(), day);
    EXPECT_DOUBLE_EQ(view->shapeScale(day), 0.3);
    clock->advance(0.1125);
    EXPECT_NEAR(view->shapeScale(day), 1.2, 1e-9);
    clock->advance(0.0375);
    view->step();
    EXPECT_NEAR(view->shapeScale(day), 1.0, 1e-9);
    clock->advance(0.01);
    EXPECT_DOUBLE_EQ(view->shapeScale(day), 1.0);
    EXPECT_TRUE(view->hasFocus());

    // Clicking the header or the weekday row selects nothing.
    click(at(view->headerRect().center()));
    click(at(view->weekdayRect().center()));
    EXPECT_EQ(owner.selected.size(), 1u);
}

TEST_F(MonthCalendarViewTest, ClickingANextMonthPlaceholderTurnsThePageOnceAndSelectsIt)
{
    make();
    const int before = currentIndex();
    // 9 January 2027 is the last cell of December 2026.
    click(centreOf(gregorianInstant(2027, 1, 9)));
    EXPECT_EQ(currentIndex(), before + 1);
    EXPECT_EQ(owner.pageChanges, 1);
    EXPECT_EQ(owner.selected, std::vector<Instant>{gregorianInstant(2027, 1, 9)});
    EXPECT_TRUE(view->isAnimating());
    EXPECT_LT(view->pagePosition(), before + 1);
    clock->advance(1.0);
    view->step();
    EXPECT_DOUBLE_EQ(view->pagePosition(), before + 1);
}

TEST_F(MonthCalendarViewTest, AFlickTurnsOnePageAndASlowShortDragSettlesBack)
{
    make();
    const int start = currentIndex();
    const QPointF middle = view->gridRect().center();
    drag(at(middle + QPointF(80, 0)), at(middle - QPointF(80, 0)), 8);
    EXPECT_EQ(currentIndex(), start + 1);
    EXPECT_EQ(owner.pageChanges, 1);
    view->settle();

    // Under half a page with a pause before letting go: back where it was.
    drag(at(middle), at(middle - QPointF(60, 0)), 6, 0.5);
    view->settle();
    EXPECT_EQ(currentIndex(), start + 1);
    EXPECT_EQ(owner.pageChanges, 1);

    // A drag to the right goes back; nothing was selected by any drag.
    drag(at(middle - QPointF(80, 0)), at(middle + QPointF(80, 0)), 8);
    view->settle();
    EXPECT_EQ(currentIndex(), start);
    EXPECT_TRUE(owner.selected.empty());
}

TEST_F(MonthCalendarViewTest, ATouchSwipeTurnsThePage)
{
    make();
    const int start = currentIndex();
    // The test owns the device it makes; deleting it also unregisters it.
    const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
    QPointingDevice *screen = device.get();
    const QPoint from = at(view->gridRect().center() + QPointF(90, 0));
    QTest::touchEvent(handle(), screen).press(0, from);
    for (int i = 1; i <= 6; ++i) {
        clock->advance(0.01);
        QTest::touchEvent(handle(), screen).move(0, from - QPoint(30 * i, 0));
    }
    QTest::touchEvent(handle(), screen).release(0, from - QPoint(180, 0));
    view->settle();
    EXPECT_EQ(currentIndex(), start + 1);
    EXPECT_TRUE(owner.selected.empty());
}

TEST_F(MonthCalendarViewTest, VerticalPagingTurnsOnAnUpwardFlickAndWeekPagesTurnSideways)
{
    make();
    const int start = currentIndex();
    view->setScrollDirection(components::MonthCalendarScrollDirection::vertical);
    const QPointF middle = view->gridRect().center();
    // Sideways drags do nothing now.
    drag(at(middle + QPointF(80, 0)), at(middle - QPointF(80, 0)), 8);
    view->settle();
    EXPECT_EQ(currentIndex(), start);
    drag(at(middle + QPointF(0, 60)), at(middle - QPointF(0, 60)), 8);
    view->settle();
    EXPECT_EQ(currentIndex(), start + 1);
    EXPECT_EQ(view->currentPage(), gregorianInstant(2027, 1, 1));

    view->setScrollDirection(components::MonthCalendarScrollDirection::horizontal);
    view->setScope(MonthCalendarScope::week, false);
    const Instant week = view->currentPage();
    const QPointF row = view->gridRect().center();
    drag(at(row + QPointF(80, 0)), at(row - QPointF(80, 0)), 8);
    view->settle();
    EXPECT_EQ(view->currentPage(), view->dateByAddingDays(7, week));
    EXPECT_EQ(owner.pageChanges, 2);
}

TEST_F(MonthCalendarViewTest, UnderArabicWeeksRunRightToLeftAndASwipeRightwardsShowsTheNextPage)
{
    make(QStringLiteral("ar_SA"));
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    // Sunday 6 December 2026 sits in the rightmost column, Saturday the 12th in the leftmost.
    EXPECT_GT(view->rectForDate(gregorianInstant(2026, 12, 6)).left(), view->width() * 0.8);
    EXPECT_LT(view->rectForDate(gregorianInstant(2026, 12, 12)).left(), 1.0);
    const int start = currentIndex();
    const QPointF middle = view->gridRect().center();
    drag(at(middle - QPointF(80, 0)), at(middle + QPointF(80, 0)), 8);
    view->settle();
    EXPECT_EQ(currentIndex(), start + 1);

    // The left arrow moves the selection to the next day.
    click(centreOf(gregorianInstant(2027, 1, 13)));
    QTest::keyClick(handle(), Qt::Key_Left);
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2027, 1, 14));
}

TEST_F(MonthCalendarViewTest, TheWheelAndThePageKeysTurnPagesAndArrowsMoveTheSelection)
{
    make();
    const int start = currentIndex();
    const QPoint grid = at(view->gridRect().center());
    wheel(grid, QPoint(0, -120));
    EXPECT_EQ(currentIndex(), start + 1);
    wheel(grid, QPoint(0, 60));
    EXPECT_EQ(currentIndex(), start + 1);
    wheel(grid, QPoint(0, 60));
    wheel(grid, QPoint(0, 120));
    EXPECT_EQ(currentIndex(), start - 1);
    view->settle();

    click(centreOf(gregorianInstant(2026, 11, 30)));
    owner.selected.clear();
    QTest::keyClick(handle(), Qt::Key_Right);
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 12, 1));
    // The day lies on December's page: the calendar follows it.
    EXPECT_EQ(currentIndex(), start);
    QTest::keyClick(handle(), Qt::Key_Down);
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 12, 8));
    QTest::keyClick(handle(), Qt::Key_Up);
    QTest::keyClick(handle(), Qt::Key_Left);
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 11, 30));
    EXPECT_EQ(currentIndex(), start - 1);
    EXPECT_EQ(owner.selected.size(), 4u);
    QTest::keyClick(handle(), Qt::Key_PageDown);
    QTest::keyClick(handle(), Qt::Key_PageDown);
    EXPECT_EQ(currentIndex(), start + 1);
    QTest::keyClick(handle(), Qt::Key_PageUp);
    QTest::keyClick(handle(), Qt::Key_Home);
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 12, 5));
    EXPECT_EQ(currentIndex(), start);
}

TEST_F(MonthCalendarViewTest, AScopeChangeAnnouncesTheNewHeightAndTheContainerTakesIt)
{
    make();
    const auto heights = view->heights();
    EXPECT_DOUBLE_EQ(heights.header, 300.0 / 15 + 20);
    EXPECT_DOUBLE_EQ(heights.weekday, 25.0);
    click(centreOf(gregorianInstant(2026, 12, 23)));
    owner.bounds.clear();
    view->setScope(MonthCalendarScope::week, true);
    ASSERT_EQ(owner.bounds.size(), 1u);
    const double weekHeight = heights.header + heights.weekday + heights.row + 0.2 * heights.weekday;
    EXPECT_DOUBLE_EQ(owner.bounds[0].height(), weekHeight);
    EXPECT_EQ(owner.bounds[0].width(), view->width());
    EXPECT_EQ(view->height(), qRound(weekHeight));
    view->settle();
    // The heights were kept: the week holds the selected day.
    EXPECT_DOUBLE_EQ(view->heights().row, heights.row);
    EXPECT_EQ(view->currentPage(), gregorianInstant(2026, 12, 20));
    click(centreOf(gregorianInstant(2026, 12, 26)));
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 12, 26));

    view->setScope(MonthCalendarScope::month, false);
    EXPECT_EQ(view->height(), qRound(view->fittingHeight()));
    EXPECT_EQ(view->currentPage(), gregorianInstant(2026, 12, 1));
}

TEST_F(MonthCalendarViewTest, AnOwnerThatResizesTheViewGetsItsFittingHeightOnceAndKeepsIt)
{
    make();
    QApplication::processEvents();
    owner.bounds.clear();
    view->setFixedHeight(420);
    QApplication::processEvents();
    QApplication::processEvents();
    const auto &heights = view->heights();
    EXPECT_DOUBLE_EQ(heights.header, 420.0 / 15 + 20);
    ASSERT_EQ(owner.bounds.size(), 1u);
    EXPECT_DOUBLE_EQ(owner.bounds[0].height(), heights.fittingHeight(6));
    EXPECT_EQ(view->height(), qRound(heights.fittingHeight(6)));
    // Taking the announced height lays nothing out afresh.
    EXPECT_DOUBLE_EQ(view->heights().header, 420.0 / 15 + 20);
}

TEST_F(MonthCalendarViewTest, DraggingTheScopeHandleUpAndDownChangesTheScope)
{
    make();
    view->setShowsScopeHandle(true);
    view->settle();
    const QPoint handlePoint = at(view->scopeHandleRect().center());
    drag(handlePoint, handlePoint - QPoint(0, 60), 6);
    view->settle();
    EXPECT_EQ(view->scope(), MonthCalendarScope::week);
    const QPoint again = at(view->scopeHandleRect().center());
    drag(again, again + QPoint(0, 60), 6);
    view->settle();
    EXPECT_EQ(view->scope(), MonthCalendarScope::month);
}

TEST_F(MonthCalendarViewTest, WithoutPlaceholdersTheHeightFollowsTheMonthsRowsOverAThirdOfASecond)
{
    make();
    view->setShowsPlaceholders(false);
    view->settle();
    // December 2026 has 5 rows, January 2027 6.
    EXPECT_DOUBLE_EQ(view->fittingHeight(), view->heights().fittingHeight(5));
    owner.bounds.clear();
    view->setCurrentPage(gregorianInstant(2027, 1, 1), true);
    ASSERT_EQ(owner.bounds.size(), 1u);
    EXPECT_DOUBLE_EQ(owner.bounds[0].height(), view->heights().fittingHeight(6));
    EXPECT_TRUE(view->isAnimating());
    clock->advance(0.2);
    view->step();
    EXPECT_LT(view->gridRect().height(), 6 * 38.33);
    clock->advance(0.14);
    view->step();
    EXPECT_DOUBLE_EQ(view->gridRect().height(), 6 * 38.33);
}

TEST_F(MonthCalendarViewTest, TodayMovesAtMidnightAndOnReturnToTheForegroundUnlessSet)
{
    env.setNow(gregorianInstant(2026, 12, 5, 23, 59) + std::chrono::seconds(59));
    make();
    EXPECT_EQ(view->today(), gregorianInstant(2026, 12, 5));
    env.setNow(gregorianInstant(2026, 12, 6, 0, 0) + std::chrono::seconds(1));
    // The midnight timer waits at least a second.
    QTest::qWait(1300);
    EXPECT_EQ(view->today(), gregorianInstant(2026, 12, 6));

    env.setNow(gregorianInstant(2026, 12, 9, 8, 0));
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(view->today(), gregorianInstant(2026, 12, 6));
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(view->today(), gregorianInstant(2026, 12, 9));

    view->setToday(gregorianInstant(2026, 1, 1));
    env.setNow(gregorianInstant(2026, 12, 10, 8, 0));
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(view->today(), gregorianInstant(2026, 1, 1));
    view->followClockForToday();
    EXPECT_EQ(view->today(), gregorianInstant(2026, 12, 10));
}

TEST_F(MonthCalendarViewTest, ScreenReadersReadATableOfWeekdayHeadersAndDaysByTheirFullDate)
{
    make();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("December 2026"));
    QAccessibleTableInterface *grid = table->tableInterface();
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 6);
    ASSERT_EQ(grid->columnCount(), 7);
    QAccessibleInterface *cell = grid->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    // The data source's word on the day (here its subtitle) follows the date.
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Sunday 6 December 2026, 12"));
    EXPECT_EQ(table->child(table->indexOfChild(cell)), cell);
    const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), grid->columnDescription(0));
    EXPECT_FALSE(grid->columnDescription(0).isEmpty());
    EXPECT_TRUE(cell->rect().contains(
        view->mapToGlobal(view->rectForDate(gregorianInstant(2026, 12, 6)).center().toPoint())));
    click(centreOf(gregorianInstant(2026, 12, 6)));
    EXPECT_TRUE(cell->state().selected);
    // Pressing a cell through the screen reader selects its day as a tap does.
    QAccessibleInterface *later = grid->cellAt(2, 3);
    later->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(view->selectedDate(), gregorianInstant(2026, 12, 16));
    EXPECT_TRUE(later->state().selected);
}

TEST_F(MonthCalendarViewTest, TheDefaultAppearanceDrawsTodayRedAndTheSelectionBlue)
{
    owner.subtitle.clear();
    make();
    click(centreOf(gregorianInstant(2026, 12, 16)));
    view->settle();
    const QImage frame = view->grab().toImage();
    const auto fillAt = [&](Instant date) {
        const QRectF box = view->rectForDate(date);
        // Inside the circle, left of the day number.
        return QColor(
            frame.pixel(QPointF(box.center().x() - 9, box.top() + box.height() * 5 / 12).toPoint()));
    };
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <=
               6;
    };
    EXPECT_TRUE(near(fillAt(gregorianInstant(2026, 12, 5)), QColor(198, 51, 42)));
    EXPECT_TRUE(near(fillAt(gregorianInstant(2026, 12, 16)), QColor(31, 119, 219)));
    const QColor plain = fillAt(gregorianInstant(2026, 12, 17));
    EXPECT_FALSE(near(plain, QColor(198, 51, 42)) || near(plain, QColor(31, 119, 219)));
}

// Reports events as the data source gives them, however odd.
class OddSource final : public components::MonthCalendarDataSource
{
public:
    QString subtitleForDate(MonthCalendarView *, Instant) override { return QString(400, QChar(0x0645)); }
    int numberOfEventsForDate(MonthCalendarView *, Instant) override { return count++ % 2 ? -3 : 1000; }
    int count = 0;
};

TEST_F(MonthCalendarViewTest, VeryLongSubtitlesAndOddEventCountsAreDrawnInsideTheirCells)
{
    make();
    OddSource odd;
    view->setDataSource(&odd);
    const QImage frame = view->grab().toImage();
    EXPECT_FALSE(frame.isNull());
    const auto cell = view->cellOnPage(currentIndex(), 10);
    EXPECT_GE(cell.numberOfEvents, 0);
    view->setDataSource(nullptr);
}

TEST_F(MonthCalendarViewTest, SwitchingToUmmAlQuraJumpsToTodaysPageWithoutPageEvents)
{
    make();
    view->setCurrentPage(gregorianInstant(2028, 3, 1), false);
    owner.pageChanges = 0;
    view->setIdentifier(platform::CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(owner.pageChanges, 0);
    EXPECT_FALSE(view->isAnimating());
    EXPECT_DOUBLE_EQ(view->pagePosition(), currentIndex());
    EXPECT_EQ(view->model().headerTitle(currentIndex()), QStringLiteral("Jumada II 1448"));
    EXPECT_EQ(view->stringFromDate(view->today()), QStringLiteral("1448-06-25"));
    EXPECT_DOUBLE_EQ(view->headerOpacity(currentIndex() + 1), 0.2);
    EXPECT_DOUBLE_EQ(view->headerOpacity(currentIndex()), 1.0);
}

} // namespace
