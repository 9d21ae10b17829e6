// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The visual components laid out inside a wallpaper, as the screens place
// them, in a top-level window: every click and wheel turn goes to the window
// at window coordinates and reaches a control only if nothing in between
// swallows it.
#include "components/visual/CircledButton.h"
#include "components/visual/DatePicker.h"
#include "components/visual/MorphingLabel.h"
#include "components/visual/WallpaperBackground.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using platform::Calendar;
using platform::CalendarIdentifier;
namespace input = windowinput;

namespace {

// The screen: counts the presses that reach it (a swipe starts with one).
class Screen : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        ++presses;
        event->accept();
    }
};

class VisualThroughWindow : public ::testing::Test
{
protected:
    void build(Qt::LayoutDirection direction = Qt::LeftToRight)
    {
        QApplication::setLayoutDirection(direction);
        screen = std::make_unique<Screen>();
        screen->resize(420, 640);
        auto *outer = new QVBoxLayout(screen.get());
        outer->setContentsMargins(0, 0, 0, 0);
        // As in the screens' layout files: every control inside the wallpaper.
        wallpaper = new components::WallpaperBackground(screen.get());
        outer->addWidget(wallpaper);
        auto *inner = new QVBoxLayout(wallpaper);
        button = new QPushButton(QStringLiteral("Today"), wallpaper);
        picker = new components::DatePicker(wallpaper);
        picker->setCalendar(gregorian);
        picker->setDate(*gregorian.date(2026, 12, 5, 12));
        picker->setMinimumHeight(200);
        round = new components::CircledButton(QStringLiteral("2"), wallpaper);
        round->setFixedSize(60, 60);
        label = new components::MorphingLabel(wallpaper);
        label->setText(QStringLiteral("14"));
        label->setMinimumHeight(80);
        inner->addWidget(button);
        inner->addWidget(picker);
        inner->addWidget(round, 0, Qt::AlignHCenter);
        inner->addWidget(label);
        ASSERT_TRUE(input::showAndExpose(screen.get()));
    }
    void TearDown() override { QApplication::setLayoutDirection(Qt::LeftToRight); }

    QWidget *column(const char *name) const
    {
        return picker->findChild<QWidget *>(QString::fromLatin1(name));
    }
    // A point `rows` rows below (negative: above) the selected row of a column.
    static QPoint row(QWidget *column, int rows)
    {
        return QPoint(column->width() / 2, int(column->height() / 5.0 * (2.5 + rows)));
    }
    platform::DateComponents shown() const { return gregorian.components(picker->date()); }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("UTC")};
    Calendar gregorian{CalendarIdentifier::gregorian, QStringLiteral("UTC"), QStringLiteral("en_US")};
    std::unique_ptr<Screen> screen;
    components::WallpaperBackground *wallpaper = nullptr;
    QPushButton *button = nullptr;
    components::DatePicker *picker = nullptr;
    components::CircledButton *round = nullptr;
    components::MorphingLabel *label = nullptr;
};

TEST_F(VisualThroughWindow, ControlsInsideTheWallpaperTakeTheMouse)
{
    build();
    for (QWidget *control : {static_cast<QWidget *>(button), static_cast<QWidget *>(round), column("day"),
                             column("month"), column("year")})
        EXPECT_TRUE(input::reaches(control))
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    QSignalSpy clicked(button, &QPushButton::clicked);
    input::click(button);
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(VisualThroughWindow, TheRoundButtonAnswersOnlyInsideItsCircle)
{
    build();
    QSignalSpy clicked(round, &QPushButton::clicked);
    input::click(round);
    EXPECT_EQ(clicked.size(), 1);
    input::click(round, QPoint(1, 1)); // a corner of the square, outside the circle
    EXPECT_EQ(clicked.size(), 1);
}

TEST_F(VisualThroughWindow, TheDateWheelsTurnWithTheWheelAndStepWithClicks)
{
    build();
    QSignalSpy changed(picker, &components::DatePicker::valueChanged);
    struct Row
    {
        const char *column;
        int notches; // towards the user is negative
        int clickRows;
        int year, month, day;
    };
    // Each row starts from where the one before left the picker.
    const Row rows[] = {
        {"day", -3, 0, 2026, 12, 8},
        {"day", 1, 0, 2026, 12, 7},
        {"day", 0, 1, 2026, 12, 8},
        {"month", 0, -1, 2026, 11, 8},
        {"month", -2, 0, 2026, 1, 8}, // the month wheel goes round, the year
                                      // stays
        {"year", 0, -2, 2024, 1, 8},
        {"year", 1, 0, 2023, 1, 8},
    };
    for (const Row &r : rows) {
        if (r.notches != 0)
            input::wheelNotches(column(r.column), r.notches);
        if (r.clickRows != 0)
            input::click(column(r.column), row(column(r.column), r.clickRows));
        const platform::DateComponents now = shown();
        EXPECT_EQ(std::make_tuple(now.year, now.month, now.day), std::make_tuple(r.year, r.month, r.day))
            << r.column << " " << r.notches << " " << r.clickRows;
    }
    EXPECT_EQ(changed.size(), int(std::size(rows)));
    // A click on the selected row itself changes nothing.
    input::click(column("day"), row(column("day"), 0));
    EXPECT_EQ(changed.size(), int(std::size(rows)));
}

TEST_F(VisualThroughWindow, DraggingAWheelTurnsItOneValuePerRowAndAClickThatMovesLittleStaysAClick)
{
    build();
    QSignalSpy changed(picker, &components::DatePicker::valueChanged);
    QWidget *day = column("day");
    const int rowHeight = day->height() / 5;
    // Two rows down: the earlier values follow the pointer into the middle.
    input::drag(day, row(day, 0), row(day, 0) + QPoint(0, 2 * rowHeight), 12);
    EXPECT_EQ(shown().day, 3);
    EXPECT_EQ(changed.size(), 2);
    // And back up three rows, in one motion.
    input::drag(day, row(day, 0), row(day, 0) - QPoint(0, 3 * rowHeight), 12);
    EXPECT_EQ(shown().day, 6);
    // A press that moves less than a drag starts is a click on the row below.
    input::drag(day, row(day, 1), row(day, 1) + QPoint(0, 2), 1);
    EXPECT_EQ(shown().day, 7);
    QWidget *year = column("year");
    input::drag(year, row(year, 0), row(year, 0) - QPoint(0, rowHeight), 6);
    EXPECT_EQ(shown().year, 2027);
}

TEST_F(VisualThroughWindow, UnderRightToLeftTheWheelsStillTurnWhereTheyAreDrawn)
{
    build(Qt::RightToLeft);
    // The day column is drawn on the right under right-to-left.
    EXPECT_GT(column("day")->mapTo(screen.get(), QPoint()).x(),
              column("year")->mapTo(screen.get(), QPoint()).x());
    input::wheelNotches(column("day"), -1);
    EXPECT_EQ(shown().day, 6);
    input::click(column("year"), row(column("year"), 1));
    EXPECT_EQ(shown().year, 2027);
}

TEST_F(VisualThroughWindow, TheMorphingLabelLetsPressesThroughToTheScreen)
{
    build();
    // The label takes no input of its own: a swipe that starts on the result
    // number must still reach the screen.
    input::press(label);
    input::release(label);
    EXPECT_EQ(screen->presses, 1);
    EXPECT_FALSE(label->hasFocus());
}

} // namespace
