// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The application's window at the sizes people use: the minimum, a laptop
// and a maximised large screen, in English and Arabic. Everything is driven
// and measured through the top-level window: its tabs are pressed, its
// keys typed and its pixels read.
#include "ScreenTestSupport.h"
#include "app/screens/calendar/CalendarVC.h"
#include "app/screens/daterange/DateRangeVC.h"
#include "app/screens/occasions/EventView.h"
#include "app/screens/occasions/EventsVC.h"
#include "app/screens/pickerconverter/PickerConverterVC.h"
#include "app/screens/settings/SettingsVC.h"
#include "app/shell/MainWindow.h"
#include "components/calendar/MonthCalendarView.h"
#include "components/carousel/Carousel.h"
#include "components/visual/DatePicker.h"
#include "components/visual/MorphingLabel.h"
#include "components/visual/ReadableColumn.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "ui_CalendarVC.h"
#include "ui_DateRangeVC.h"
#include "ui_EventsVC.h"
#include "ui_PickerConverterVC.h"
#include "ui_SettingsVC.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int calendarTab = 0;
constexpr int converterTab = 1;
constexpr int rangeTab = 2;
constexpr int settingsTab = 3;
constexpr int occasionsTab = 4;

const QSize minimumWindow(app::shell::mainWindowMinimumWidth, app::shell::mainWindowMinimumHeight);
const QSize laptopWindow(420, 700);
const QSize largeWindow(1920, 1040);

class AppWindow : public ::testing::Test
{
protected:
    void open(QSize size, bool arabic = false)
    {
        if (arabic)
            world.useArabic();
        window = app::shell::makeMainWindow(
            {{[] { return new app::screens::CalendarVC; }, "calendarscreen.tabTitle", {}},
             {[] { return new app::screens::PickerConverterVC; }, "converter.tabTitle", {}},
             {[] { return new app::screens::DateRangeVC; }, "daterange.tabTitle", {}},
             {[] { return new app::screens::SettingsVC; }, "settings.tabTitle", {}},
             {[] { return new app::occasions::EventsVC; }, "occasions.tabTitle", {}}});
        window->resize(size);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        world.settle();
        occasions().outlets().carousel->setMediaClock(clock);
        selectTab(converterTab);
    }

    platform::TabBarController &tabs() { return *app::shell::rootTabBarController(*window); }
    app::screens::CalendarVC &calendarScreen()
    {
        return *qobject_cast<app::screens::CalendarVC *>(tabs().viewControllerAt(calendarTab));
    }
    app::screens::PickerConverterVC &converter()
    {
        return *qobject_cast<app::screens::PickerConverterVC *>(tabs().viewControllerAt(converterTab));
    }
    app::screens::DateRangeVC &range()
    {
        return *qobject_cast<app::screens::DateRangeVC *>(tabs().viewControllerAt(rangeTab));
    }
    app::occasions::EventsVC &occasions()
    {
        return *qobject_cast<app::occasions::EventsVC *>(tabs().viewControllerAt(occasionsTab));
    }
    app::screens::SettingsVC &settingsScreen()
    {
        return *qobject_cast<app::screens::SettingsVC *>(tabs().viewControllerAt(settingsTab));
    }
    components::Carousel &carousel() { return *occasions().outlets().carousel; }

    QPoint inWindow(const QWidget *w, QPoint at) const { return w->mapTo(window.get(), at); }
    QRect rectInWindow(const QWidget *w) const { return QRect(inWindow(w, {0, 0}), w->size()); }
    void click(const QWidget *w) { click(w, w->rect().center()); }
    void click(const QWidget *w, QPoint at)
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow(w, at));
        world.settle();
    }
    void selectTab(int index)
    {
        click(tabs().tabButton(index));
        ASSERT_EQ(tabs().selectedIndex(), index);
        if (index == occasionsTab)
            settleCarousel();
    }
    void settleCarousel()
    {
        carousel().layoutIfNeeded();
        for (int i = 0; i < 2000 && carousel().isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel().step();
        }
    }
    void stillMorphing()
    {
        for (auto *label : window->findChildren<components::MorphingLabel *>())
            label->setMorphingEnabled(false);
    }

    screentest::ScreenWorld world;
    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    std::unique_ptr<platform::Window> window;
};

bool isControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w) ||
           qobject_cast<const QTabBar *>(w) || qobject_cast<const components::DatePicker *>(w) ||
           qobject_cast<const components::Carousel *>(w);
}

// What a person reads or presses on a screen: labels, buttons, selectors,
// pickers and the carousel, leaving out the parts inside them.
QList<QWidget *> controlsOf(QWidget *screen)
{
    QList<QWidget *> found;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (!w->isVisible() || !isControl(w))
            continue;
        bool inside = false;
        for (QWidget *up = w->parentWidget(); up && up != screen; up = up->parentWidget())
            inside = inside || (isControl(up) && !qobject_cast<QLabel *>(up));
        if (!inside)
            found.append(w);
    }
    // A picture with text laid over it is a backdrop, not a control.
    const QList<QWidget *> all = found;
    found.removeIf([&all](QWidget *w) {
        return std::any_of(all.cbegin(), all.cend(),
                           [w](QWidget *other) { return other != w && w->isAncestorOf(other); });
    });
    return found;
}

QString nameOf(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// No control squeezed below the room its content needs, none lying over
// another and none spilling out of the panel that holds it.
void expectReadable(QWidget *screen, QWidget *window)
{
    const QList<QWidget *> controls = controlsOf(screen);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget *w : controls) {
        SCOPED_TRACE(nameOf(w).toStdString());
        const QSize needs = w->minimumSizeHint().expandedTo(w->minimumSize());
        if (w->sizePolicy().verticalPolicy() != QSizePolicy::Ignored) {
            EXPECT_GE(w->height(), needs.height());
        }
        if (w->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored) {
            EXPECT_GE(w->width(), needs.width());
        }
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << "outside " << nameOf(w->parentWidget()).toStdString();
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect a(controls[i]->mapTo(window, QPoint(0, 0)), controls[i]->size());
            const QRect b(controls[j]->mapTo(window, QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(a.intersects(b))
                << nameOf(controls[i]).toStdString() << " lies over " << nameOf(controls[j]).toStdString();
        }
    }
}

TEST_F(AppWindow, AtTheMinimumSizeEveryScreenKeepsItsControlsWholeAndApartInBothDirections)
{
    for (const bool arabic : {false, true}) {
        SCOPED_TRACE(arabic ? "Arabic" : "English");
        open(minimumWindow, arabic);
        EXPECT_EQ(window->size(), minimumWindow);
        for (int tab : {calendarTab, converterTab, rangeTab, settingsTab, occasionsTab}) {
            SCOPED_TRACE(tab);
            selectTab(tab);
            stillMorphing();
            expectReadable(tabs().viewControllerAt(tab), window.get());
        }
        // The two date wheels of the duration screen stand one under the other.
        const QRect from = rectInWindow(range().outlets().fromDatePicker);
        const QRect to = rectInWindow(range().outlets().toDatePicker);
        EXPECT_GE(to.top(), from.bottom());
        EXPECT_GE(from.height(), range().outlets().fromDatePicker->minimumHeight());
        // The tab bar is whole inside the window.
        for (int tab = 0; tab < tabs().count(); ++tab)
            EXPECT_TRUE(window->rect().contains(rectInWindow(tabs().tabButton(tab))));
    }
}

TEST_F(AppWindow, TheMonthGridIsWholeInEveryWindowAndTheDaysEventsStandBesideItWhenWide)
{
    for (const bool arabic : {false, true}) {
        for (const QSize size : {minimumWindow, laptopWindow, QSize(1366, 700), largeWindow}) {
            SCOPED_TRACE(testing::Message() << (arabic ? "Arabic " : "English ") << size.width());
            open(size, arabic);
            selectTab(calendarTab);
            auto &ui = calendarScreen().outlets();
            components::MonthCalendarView *grid = ui.calendar;
            grid->settle();
            const QRect gridRect = rectInWindow(grid);
            // The day's heading and its events, as one column.
            const QRect list = rectInWindow(ui.tableView->parentWidget());
            const QRect tabBar = rectInWindow(tabs().tabButton(0));
            // The last row of days lies inside the window, above the tab bar.
            const QRectF rows = grid->gridRect();
            EXPECT_LE(gridRect.top() + rows.bottom(), tabBar.top());
            EXPECT_LE(rows.bottom(), grid->height() + 0.5);
            EXPECT_TRUE(window->rect().contains(gridRect));
            EXPECT_TRUE(window->rect().contains(list));
            EXPECT_GE(rectInWindow(ui.tableView).height(), 60) << "room for an event row";
            if (size.width() >= 1366) {
                EXPECT_TRUE(calendarScreen().isSideBySide());
                EXPECT_EQ(list.top(), gridRect.top());
                EXPECT_GE(list.height(), gridRect.height() - 2);
                if (arabic) {
                    EXPECT_LE(list.right(), gridRect.left()) << "the list stands on the grid's reading end";
                } else {
                    EXPECT_GE(list.left(), gridRect.right());
                }
                EXPECT_GE(gridRect.width(), window->width() / 2);
                EXPECT_GT(grid->cellTextScale(), 1.3) << "a large grid is read in large type";
            } else {
                EXPECT_FALSE(calendarScreen().isSideBySide());
                EXPECT_GE(list.top(), gridRect.bottom());
                EXPECT_GE(grid->cellTextScale(), 0.7);
            }
        }
    }
}

TEST_F(AppWindow, TheDurationResultIsReachedByScrollingWhenTheWindowIsShort)
{
    open(minimumWindow);
    selectTab(rangeTab);
    QWidget *result = range().outlets().resultPanel;
    auto *scroller = range().findChild<QScrollArea *>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0) << "the screen is taller than the window";
    // A click on the scroll bar's track below its handle pages down, as often as it takes.
    QScrollBar *bar = scroller->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    for (int page = 0; page < 5; ++page)
        click(bar, QPoint(bar->width() / 2, bar->height() - 20));
    EXPECT_EQ(bar->value(), bar->maximum());
    const QRect shown = rectInWindow(result).intersected(rectInWindow(scroller->viewport()));
    EXPECT_EQ(shown.height(), result->height()) << "the scroll bar brings the result into view";
}

TEST_F(AppWindow, OnALargeWindowTheContentIsACentredColumnAndTheBubbleKeepsItsShape)
{
    open(largeWindow);
    const int middle = window->width() / 2;
    for (QWidget *panel : {static_cast<QWidget *>(converter().outlets().pickerPanel),
                           static_cast<QWidget *>(converter().outlets().todayPanel),
                           static_cast<QWidget *>(converter().outlets().bubleView)}) {
        SCOPED_TRACE(nameOf(panel).toStdString());
        EXPECT_LE(panel->width(), components::readableColumnWidth);
        EXPECT_LE(std::abs(rectInWindow(panel).center().x() - middle), 2);
    }
    // The speech bubble is drawn at its own proportions, with the result inside it.
    QLabel *bubble = converter().outlets().bubleImageView;
    const QSize drawn = bubble->pixmap().size();
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), 640.0 / 460.0, 0.02);
    const QRect drawnRect(
        QPoint((bubble->width() - drawn.width()) / 2, (bubble->height() - drawn.height()) / 2), drawn);
    for (QWidget *label : {static_cast<QWidget *>(converter().outlets().convertedWeekDayLabel),
                           static_cast<QWidget *>(converter().outlets().convertedDayLabel),
                           static_cast<QWidget *>(converter().outlets().convertedMonthLabel),
                           static_cast<QWidget *>(converter().outlets().convertedYearLabel)})
        EXPECT_TRUE(drawnRect.contains(label->geometry())) << nameOf(label).toStdString();

    selectTab(rangeTab);
    for (QWidget *picker : {static_cast<QWidget *>(range().outlets().fromDatePicker),
                            static_cast<QWidget *>(range().outlets().toDatePicker)})
        EXPECT_LE(picker->width(), components::readableColumnWidth);
    expectReadable(&range(), window.get());
}

// Every card drawn: its place on the screen and its opacity.
struct DrawnCard
{
    int index;
    QRectF rect;
};
std::vector<DrawnCard> drawnCards(components::Carousel &carousel)
{
    std::vector<DrawnCard> cards;
    for (int index : carousel.indexesForVisibleItems()) {
        const components::ItemPlacement *placement = carousel.engine().placementOf(index);
        QWidget *view = carousel.itemViewAtIndex(index);
        if (!placement || !view || placement->hidden || placement->opacity <= 0.0)
            continue;
        const QRectF box(QPointF(0, 0), QSizeF(view->parentWidget()->size()));
        cards.push_back({index, carousel.containerTransform(index).mapRect(box)});
    }
    return cards;
}

TEST_F(AppWindow, OccasionCardsAreOpaqueAndNeverShowAsCutOffFragments)
{
    for (const QSize size : {laptopWindow, largeWindow}) {
        SCOPED_TRACE(size.width());
        open(size);
        selectTab(occasionsTab);
        const auto cards = drawnCards(carousel());
        ASSERT_FALSE(cards.empty());
        const QRectF inside(QPointF(0, 0), QSizeF(carousel().size()));
        for (const DrawnCard &card : cards) {
            SCOPED_TRACE(card.index);
            EXPECT_TRUE(inside.contains(card.rect)) << "a card is drawn whole or not at all";
            const QImage image = carousel().itemViewAtIndex(card.index)->grab().toImage();
            for (const QPoint at :
                 {image.rect().center(), QPoint(image.width() / 2, 30), QPoint(30, image.height() / 2)})
                EXPECT_EQ(qAlpha(image.pixel(at)), 255) << "nothing shows through a card";
        }
        for (std::size_t i = 0; i < cards.size(); ++i)
            for (std::size_t j = i + 1; j < cards.size(); ++j)
                EXPECT_FALSE(cards[i].rect.intersects(cards[j].rect))
                    << cards[i].index << " and " << cards[j].index;
        if (size == largeWindow) {
            EXPECT_EQ(cards.size(), 3u) << "a large window shows both neighbours";
        }
    }
}

TEST_F(AppWindow, TheOccasionsRowFollowsTheReadingDirectionForCardsKeysAndDrags)
{
    for (const bool arabic : {false, true}) {
        SCOPED_TRACE(arabic ? "Arabic" : "English");
        open(largeWindow, arabic);
        selectTab(occasionsTab);
        const int opened = carousel().currentItemIndex();
        ASSERT_GT(opened, 0);
        const double middle = carousel().width() / 2.0;
        auto centreOf = [this](int index) {
            for (const DrawnCard &card : drawnCards(carousel()))
                if (card.index == index)
                    return card.rect.center().x();
            return -1.0;
        };
        const double next = centreOf(opened + 1);
        const double previous = centreOf(opened - 1);
        ASSERT_GE(next, 0.0);
        ASSERT_GE(previous, 0.0);
        EXPECT_EQ(next < middle, arabic) << "the next occasion lies where the reader goes next";
        EXPECT_EQ(previous > middle, arabic);

        // The arrow pointing the way one reads goes to the next occasion.
        click(&carousel());
        settleCarousel();
        ASSERT_TRUE(carousel().hasFocus());
        QTest::keyClick(window->windowHandle(), arabic ? Qt::Key_Left : Qt::Key_Right);
        settleCarousel();
        EXPECT_EQ(carousel().currentItemIndex(), opened + 1);
        QTest::keyClick(window->windowHandle(), arabic ? Qt::Key_Right : Qt::Key_Left);
        settleCarousel();
        EXPECT_EQ(carousel().currentItemIndex(), opened);

        // Dragging the row against the reading direction brings the next card in.
        const QPoint from = inWindow(&carousel(), carousel().rect().center());
        const int way = arabic ? 1 : -1;
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step) {
            clock->advance(0.1);
            QTest::mouseMove(window->windowHandle(), from + QPoint(way * 25 * step, 0));
        }
        clock->advance(0.2);
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, from + QPoint(way * 250, 0));
        settleCarousel();
        EXPECT_EQ(carousel().currentItemIndex(), opened + 1);
    }
}

int ringPixels(const QImage &image)
{
    const QColor ring(QString::fromLatin1(components::focusRingColor));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - ring.red()) < 40 && std::abs(c.green() - ring.green()) < 45 &&
                     std::abs(c.blue() - ring.blue()) < 60 && c.alpha() > 200;
        }
    return count;
}

TEST_F(AppWindow, TheKeyboardFocusIsPlainOnEveryControlItReachesInBothDirections)
{
    for (const bool arabic : {false, true}) {
        SCOPED_TRACE(arabic ? "Arabic" : "English");
        open(laptopWindow, arabic);
        core::GlobalSettings::shared().adjustmentNumber = 1; // so the round button shows
        core::GlobalSettings::shared().save();
        for (int tab : {calendarTab, converterTab, rangeTab, settingsTab, occasionsTab}) {
            SCOPED_TRACE(tab);
            selectTab(tab);
            if (tab == converterTab)
                converter().viewWillAppear();
            QSet<QWidget *> reached;
            for (int press = 0; press < 30; ++press) {
                QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
                QWidget *focused = QApplication::focusWidget();
                ASSERT_NE(focused, nullptr);
                if (reached.contains(focused))
                    continue;
                reached.insert(focused);
                SCOPED_TRACE(nameOf(focused).toStdString());
                const int withFocus = ringPixels(focused->grab().toImage());
                EXPECT_GE(withFocus, 40) << "the focused control shows a ring";
                focused->clearFocus();
                EXPECT_LT(ringPixels(focused->grab().toImage()), withFocus / 4);
                focused->setFocus(Qt::TabFocusReason);
            }
            const auto reachedKind = [&reached](auto isKind) {
                return std::any_of(reached.begin(), reached.end(), isKind);
            };
            EXPECT_TRUE(reachedKind([this](QWidget *w) { return w == tabs().tabButton(0); }))
                << "the tab bar";
            if (tab == occasionsTab) {
                EXPECT_TRUE(reached.contains(&carousel()));
            } else if (tab == settingsTab) {
                EXPECT_TRUE(reachedKind([](QWidget *w) { return qobject_cast<QSpinBox *>(w) != nullptr; }))
                    << "the adjustment's spin box";
                EXPECT_TRUE(reachedKind([](QWidget *w) {
                    return w->objectName() == QLatin1String("incrementButton");
                })) << "the + button";
            } else {
                EXPECT_TRUE(reachedKind([](QWidget *w) { return qobject_cast<QTabBar *>(w) != nullptr; }))
                    << "the calendar selector";
                if (tab == calendarTab) {
                    EXPECT_TRUE(reached.contains(calendarScreen().outlets().calendar)) << "the month grid";
                } else {
                    EXPECT_TRUE(reachedKind([](QWidget *w) {
                        return qobject_cast<components::DatePicker *>(w->parentWidget()) != nullptr;
                    })) << "the date wheels";
                }
                EXPECT_TRUE(
                    reachedKind([](QWidget *w) { return w->objectName() == QLatin1String("todayButton"); }));
            }
            if (tab == converterTab) {
                EXPECT_TRUE(reached.contains(converter().outlets().AdjRoundButton));
                EXPECT_TRUE(reached.contains(converter().outlets().changeWallpaperButton));
            }
        }
    }
}

// Relative luminance of a colour, 0 (black) to 1 (white).
double luminance(QRgb rgb)
{
    const auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

// How well white text reads on the wallpaper as it shows through `region`:
// the contrast of white against the brighter pixels that the wallpaper
// changes (the same screen over a plain dark backdrop tells which they are).
double whiteTextContrast(const QImage &shown, const QImage &plain, const QRect &region)
{
    std::vector<double> backdrop;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = plain.pixel(x, y);
            // Over the dark backdrop, letters and their soft edges are light: leave those out.
            const bool behindText = luminance(b) > 0.025;
            const int change =
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            if (!behindText && change > 12)
                backdrop.push_back(luminance(a));
        }
    if (backdrop.empty())
        return 21.0;
    // A few stray pixels (a star between two letters) do not make text unreadable.
    std::sort(backdrop.begin(), backdrop.end());
    const double bright = backdrop[backdrop.size() * 19 / 20];
    return 1.05 / (bright + 0.05);
}

TEST_F(AppWindow, WhiteTextStaysLegibleOverEveryWallpaper)
{
    open(laptopWindow);
    QTest::qWait(300); // the wheels' opening scroll
    stillMorphing();
    struct Region
    {
        int tab;
        QWidget *widget;
    };
    const std::vector<Region> regions = {
        {converterTab, converter().outlets().todayPanel},
        {converterTab, converter().outlets().calendarSegControl},
        {converterTab, converter().outlets().pickerPanel},
        {converterTab, converter().outlets().changeWallpaperButton},
        {converterTab, converter().outlets().swipeHintLabel},
        {rangeTab, range().outlets().calendarSegControler},
        {rangeTab, range().outlets().pickerPanel},
        {rangeTab, range().outlets().resultPanel},
        {occasionsTab, occasions().outlets().titleLabel},
        {settingsTab, settingsScreen().outlets().adjustmentCaptionLabel},
        {settingsTab, settingsScreen().outlets().adjustmentHintLabel},
    };
    for (int tab : {converterTab, rangeTab, settingsTab, occasionsTab}) {
        selectTab(tab);
        stillMorphing();
        QWidget *screen = tabs().viewControllerAt(tab);
        const auto render = [screen](const QString &wallpaper) {
            for (auto *background : screen->findChildren<components::WallpaperBackground *>())
                background->setImageName(wallpaper);
            return screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage plain = render(QStringLiteral("no-such-wallpaper"));
        for (int index = 0; index <= core::GlobalSettings::wallpaperMaxIndex; ++index) {
            const QImage shown = render(core::GlobalSettings::wallpaperAssetName(index));
            for (const Region &region : regions) {
                if (region.tab != tab)
                    continue;
                // Inset past the panels' rounded corners, where the wallpaper shows but no text is drawn.
                const QRect area = QRect(region.widget->mapTo(screen, QPoint(0, 0)), region.widget->size())
                                       .adjusted(3, 3, -3, -3);
                // 7:1, the contrast that small text needs to read easily.
                EXPECT_GE(whiteTextContrast(shown, plain, area), 7.0)
                    << "wallpaper " << index << " behind " << nameOf(region.widget).toStdString();
            }
        }
    }
}

} // namespace
