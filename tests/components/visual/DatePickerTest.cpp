// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The date picker on the offscreen platform, driven as a user drives it.
#include "components/visual/DatePicker.h"

#include "support/TestEnvironment.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using components::DatePicker;
using platform::Calendar;
using platform::CalendarIdentifier;
using platform::Instant;

namespace {

class DatePickerTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("UTC")};
    Calendar gregorian{CalendarIdentifier::gregorian, QStringLiteral("UTC"), QStringLiteral("en_US")};
    Calendar hijri{CalendarIdentifier::islamicUmmAlQura, QStringLiteral("UTC"), QStringLiteral("en_US")};
    DatePicker picker;
    QStringList events;

    void SetUp() override
    {
        picker.resize(360, 200);
        QObject::connect(&picker, &DatePicker::willChange, &picker,
                         [this] { events << QStringLiteral("willChange"); });
        QObject::connect(&picker, &DatePicker::valueChanged, &picker,
                         [this](Instant) { events << QStringLiteral("valueChanged"); });
    }

    QWidget *column(const char *name) const { return picker.findChild<QWidget *>(QString::fromLatin1(name)); }
    Instant gregorianDay(int y, int m, int d, int hour = 12) const { return *gregorian.date(y, m, d, hour); }
    Instant hijriDay(int y, int m, int d) const { return *hijri.date(y, m, d, 12); }
    platform::DateComponents shown(const Calendar &calendar) const
    {
        return calendar.components(picker.date());
    }

    void wheel(QWidget *target, int angle)
    {
        const QPointF centre(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    // Clicks `rows` rows above (negative) or below the selected row.
    void clickRow(QWidget *target, int rows)
    {
        const double row = target->height() / 5.0;
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->width() / 2, int(row * (2.5 + rows))));
    }
};

} // namespace

TEST_F(DatePickerTest, UmmAlQuraMonthsOfferTheirOwnTwentyNineOrThirtyDays)
{
    picker.setCalendar(hijri);
    int lengths[2] = {0, 0};
    for (int month = 1; month <= 12; ++month) {
        picker.setDate(hijriDay(1446, month, 1));
        // Up from the 1st wraps to the month's last day.
        QTest::keyClick(column("day"), Qt::Key_Up);
        const int length = hijri.daysInMonth(picker.date());
        ASSERT_TRUE(length == 29 || length == 30) << month;
        EXPECT_EQ(shown(hijri).day, length) << month;
        EXPECT_EQ(shown(hijri).month, month);
        ++lengths[length - 29];
    }
    // A lunar year mixes both lengths.
    EXPECT_GT(lengths[0], 0);
    EXPECT_GT(lengths[1], 0);
}

TEST_F(DatePickerTest, MovingToAShorterMonthKeepsTheDayWithinIt)
{
    picker.setDate(gregorianDay(2025, 1, 31));
    QTest::keyClick(column("month"), Qt::Key_Down);
    EXPECT_EQ(shown(gregorian), (platform::DateComponents{2025, 2, 28, 12, 0, 0, 6}));

    picker.setDate(gregorianDay(2024, 2, 29));
    QTest::keyClick(column("year"), Qt::Key_Down);
    EXPECT_EQ(shown(gregorian).day, 28);
    EXPECT_EQ(shown(gregorian).year, 2025);

    picker.setCalendar(hijri);
    for (int month = 1; month <= 12; ++month) {
        picker.setDate(hijriDay(1446, month, 1));
        if (hijri.daysInMonth(picker.date()) == 30)
            break;
    }
    const auto thirtieth = hijri.dateByAddingDays(29, picker.date());
    picker.setDate(*thirtieth);
    const int month = int(shown(hijri).month);
    std::int64_t day = 30;
    for (int step = 1; step <= 12; ++step) {
        QTest::keyClick(column("month"), Qt::Key_Down);
        day = std::min<std::int64_t>(day, hijri.daysInMonth(picker.date()));
        EXPECT_EQ(shown(hijri).day, day);
    }
    EXPECT_EQ(day, 29);
    EXPECT_EQ(shown(hijri).month, month); // twelve steps wrap around the year
}

TEST_F(DatePickerTest, KeyWheelAndClickEachEmitWillChangeThenValueChanged)
{
    picker.setDate(gregorianDay(2026, 12, 5));
    QSignalSpy changed(&picker, &DatePicker::valueChanged);

    QTest::keyClick(column("day"), Qt::Key_Down);
    EXPECT_EQ(events, (QStringList{QStringLiteral("willChange"), QStringLiteral("valueChanged")}));
    EXPECT_EQ(shown(gregorian).day, 6);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<Instant>(), picker.date());

    events.clear();
    wheel(column("month"), -120); // towards the user: later
    EXPECT_EQ(events, (QStringList{QStringLiteral("willChange"), QStringLiteral("valueChanged")}));
    EXPECT_EQ(shown(gregorian).month, 1);   // December wraps to January
    EXPECT_EQ(shown(gregorian).year, 2026); // without touching the year

    events.clear();
    wheel(column("year"), 60); // half a notch does nothing yet
    EXPECT_TRUE(events.isEmpty());
    wheel(column("year"), 60);
    EXPECT_EQ(shown(gregorian).year, 2025);

    events.clear();
    clickRow(column("day"), -2);
    EXPECT_EQ(events, (QStringList{QStringLiteral("willChange"), QStringLiteral("valueChanged")}));
    EXPECT_EQ(shown(gregorian).day, 4);
    clickRow(column("day"), 1);
    EXPECT_EQ(shown(gregorian).day, 5);

    events.clear();
    clickRow(column("day"), 0); // the selected row itself
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(DatePickerTest, DatesBeforeTheMinimumAreRefusedAndSnapBackToIt)
{
    picker.setDate(gregorianDay(2026, 12, 10));
    picker.setMinimumDate(gregorianDay(2026, 12, 8));

    // A month back would be 10 November: the picker lands on the minimum instead.
    QTest::keyClick(column("month"), Qt::Key_Up);
    EXPECT_EQ(picker.date(), gregorianDay(2026, 12, 8));
    EXPECT_EQ(events, (QStringList{QStringLiteral("willChange"), QStringLiteral("valueChanged")}));

    // Already on the minimum: nothing changes and nothing is announced.
    events.clear();
    QTest::keyClick(column("day"), Qt::Key_Up);
    wheel(column("year"), 120);
    EXPECT_EQ(picker.date(), gregorianDay(2026, 12, 8));
    EXPECT_TRUE(events.isEmpty());

    // Forward is fine.
    QTest::keyClick(column("year"), Qt::Key_Down);
    EXPECT_EQ(shown(gregorian).year, 2027);
}

TEST_F(DatePickerTest, SettersMoveTheDateUpToTheMinimumWithoutSignals)
{
    picker.setMinimumDate(gregorianDay(2026, 12, 8));
    picker.setDate(gregorianDay(2026, 1, 1));
    EXPECT_EQ(picker.date(), gregorianDay(2026, 12, 8));
    picker.setDate(gregorianDay(2027, 1, 1), true);
    picker.setMinimumDate(gregorianDay(2027, 3, 1));
    EXPECT_EQ(picker.date(), gregorianDay(2027, 3, 1));
    picker.clearMinimumDate();
    picker.setDate(gregorianDay(2020, 1, 1));
    EXPECT_EQ(picker.date(), gregorianDay(2020, 1, 1));
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(DatePickerTest, ArabicLocaleShowsArabicDigitsAndMonthNames)
{
    picker.setLocaleName(QStringLiteral("ar"));
    picker.setDate(gregorianDay(2026, 12, 5));
    EXPECT_EQ(picker.dayText(), QString::fromUtf8("٥"));
    EXPECT_EQ(picker.monthText(), QString::fromUtf8("ديسمبر"));
    EXPECT_EQ(picker.yearText(), QString::fromUtf8("٢٠٢٦"));

    picker.setCalendar(hijri);
    picker.setDate(hijriDay(1446, 9, 17));
    EXPECT_EQ(picker.dayText(), QString::fromUtf8("١٧"));
    EXPECT_EQ(picker.monthText(), QString::fromUtf8("رمضان"));
    EXPECT_EQ(picker.yearText(), QString::fromUtf8("١٤٤٦"));

    picker.setLocaleName(QStringLiteral("en"));
    EXPECT_EQ(picker.dayText(), QStringLiteral("17"));
    EXPECT_EQ(picker.monthText(), QStringLiteral("Ramadan"));
}

TEST_F(DatePickerTest, TabMovesBetweenTheColumnsAndRightToLeftMirrorsThem)
{
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    picker.activateWindow();
    column("day")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), column("month"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), column("year"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(events, (QStringList{QStringLiteral("willChange"), QStringLiteral("valueChanged")}));

    EXPECT_LT(column("day")->x(), column("year")->x());
    picker.setLayoutDirection(Qt::RightToLeft);
    QApplication::processEvents();
    EXPECT_GT(column("day")->x(), column("year")->x());
}
