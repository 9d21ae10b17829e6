// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/daterange/DateRangeVC.h"

#include "components/visual/ReadableColumn.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "ui_DateRangeVC.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

namespace app::screens {

namespace {

// Below this screen height the result labels get smaller fonts to fit.
constexpr int compactRangeScreenHeight = 520;
constexpr int compactTotalFontSize = 17;
constexpr int compactBreakdownFontSize = 30;

void setPixelFont(components::MorphingLabel *label, int size)
{
    QFont font = label->font();
    font.setPixelSize(size);
    label->setLabelFont(font);
}

} // namespace

DateRangeVC::DateRangeVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::DateRangeVC>()),
      fromConv_(platform::Clock::current()), toConv_(platform::Clock::current())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("DateRangeVC"));
    setStyleSheet(styleSheet() + components::legibilityStyleSheet());
    components::makeReadableColumn(ui_->wallpaperImageView, components::readableColumnWidth);

    ui_->calendarSegControler->addTab(platform::localized("daterange.segmentGregorian"));
    ui_->calendarSegControler->addTab(platform::localized("daterange.segmentHijri"));
    ui_->fromCaptionLabel->setText(platform::localized("daterange.from"));
    ui_->toCaptionLabel->setText(platform::localized("daterange.to"));
    ui_->totalDaysLabel->setText(platform::localized("daterange.totalDays"));
    ui_->yearsCaptionLabel->setText(core::localizedCount("daterange.years", 0));
    ui_->monthsCaptionLabel->setText(core::localizedCount("daterange.months", 0));
    ui_->daysCaptionLabel->setText(core::localizedCount("daterange.days", 0));
    ui_->todayButton->setText(platform::localized("daterange.today"));
    ui_->resetButton->setText(platform::localized("daterange.reset"));

    // Both pickers start on the Gregorian side of today.
    for (components::DatePicker *picker : {ui_->fromDatePicker, ui_->toDatePicker}) {
        picker->setCalendar(fromConv_.gregorianCalendar());
        picker->setDate(platform::Clock::current());
    }

    connect(ui_->fromDatePicker, &components::DatePicker::valueChanged, this,
            &DateRangeVC::fromDatePickerValueChanged);
    connect(ui_->toDatePicker, &components::DatePicker::valueChanged, this,
            &DateRangeVC::toDatePickerValueChanged);
    connect(ui_->todayButton, &QPushButton::clicked, this, &DateRangeVC::todayButtonAction);
    connect(ui_->resetButton, &QPushButton::clicked, this, &DateRangeVC::resetButtonAction);
    connect(ui_->calendarSegControler, &QTabBar::currentChanged, this, &DateRangeVC::calendarSegValueChanged);
}

DateRangeVC::~DateRangeVC() = default;

int DateRangeVC::selectedSegment() const
{
    return ui_->calendarSegControler->currentIndex();
}

void DateRangeVC::viewDidLoad()
{
    applyCalendarSelection();
}

void DateRangeVC::viewWillAppear()
{
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    applyAppearanceFonts();
    const bool rightToLeft = ui_->fromDatePicker->layoutDirection() == Qt::RightToLeft;
    const QString locale = rightToLeft ? QStringLiteral("ar") : QStringLiteral("en");
    ui_->fromDatePicker->setLocaleName(locale);
    ui_->toDatePicker->setLocaleName(locale);
}

void DateRangeVC::viewDidAppear()
{
    resetToToday();
}

void DateRangeVC::applyAppearanceFonts()
{
    // The selector's height is fixed by the layout, so its font cannot feed back into it.
    QFont segment = ui_->calendarSegControler->font();
    segment.setWeight(QFont::Normal);
    segment.setPixelSize(std::max(1, ui_->calendarSegControler->height() / 2));
    ui_->calendarSegControler->setFont(segment);

    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screen->size().height() < compactRangeScreenHeight) {
        setPixelFont(ui_->daysTextLabel, compactTotalFontSize);
        for (components::MorphingLabel *label : {ui_->monthsLabel, ui_->yearsLabel, ui_->daysLabel})
            setPixelFont(label, compactBreakdownFontSize);
    }
}

void DateRangeVC::fromDatePickerValueChanged()
{
    ui_->toDatePicker->setMinimumDate(ui_->fromDatePicker->date());
    updateResult();
}

void DateRangeVC::toDatePickerValueChanged()
{
    updateResult();
}

void DateRangeVC::todayButtonAction()
{
    const platform::Instant now = platform::Clock::current();
    if (selectedSegment() == 1) {
        // A Hijri picker holds the adjusted instant: today goes through the
        // converter like any other day shown on the Hijri side.
        fromConv_.setDate(now, fromConv_.gregorianCalendar());
        ui_->fromDatePicker->setDate(fromConv_.hijriDate()->date());
    } else {
        ui_->fromDatePicker->setDate(now);
    }
    updateResult();
}

void DateRangeVC::resetButtonAction()
{
    resetToToday();
}

void DateRangeVC::calendarSegValueChanged()
{
    applyCalendarSelection();
    updateResult();
}

const platform::Calendar &DateRangeVC::calendarFor(const components::DatePicker &picker,
                                                   const core::RGConv &conv) const
{
    // The pickers are only ever given one of the converters' own calendars.
    return picker.calendar().identifier() == platform::CalendarIdentifier::gregorian
               ? conv.gregorianCalendar()
               : conv.islamicCalendar();
}

void DateRangeVC::applyCalendarSelection()
{
    // Each instant is read in the calendar its picker had before the switch,
    // so Gregorian to Hijri adds the adjustment and Hijri to Gregorian takes
    // it away again.
    const bool hijri = selectedSegment() == 1;
    fromConv_.setDate(ui_->fromDatePicker->date(), calendarFor(*ui_->fromDatePicker, fromConv_));
    toConv_.setDate(ui_->toDatePicker->date(), calendarFor(*ui_->toDatePicker, toConv_));
    // The minimum is the from day and moves with it: left on the old
    // instant, a negative adjustment would put the shifted to day before it
    // and the picker would refuse the day it is given.
    if (const auto minimum = ui_->toDatePicker->minimumDate()) {
        core::RGConv bound(*minimum);
        bound.setDate(*minimum, calendarFor(*ui_->toDatePicker, bound));
        ui_->toDatePicker->setMinimumDate(hijri ? bound.hijriDate()->date() : bound.gregorianDate()->date());
    }
    if (hijri) {
        ui_->fromDatePicker->setCalendar(fromConv_.islamicCalendar());
        ui_->fromDatePicker->setDate(fromConv_.hijriDate()->date());
        ui_->toDatePicker->setCalendar(toConv_.islamicCalendar());
        ui_->toDatePicker->setDate(toConv_.hijriDate()->date());
    } else {
        ui_->fromDatePicker->setCalendar(fromConv_.gregorianCalendar());
        ui_->fromDatePicker->setDate(fromConv_.gregorianDate()->date());
        ui_->toDatePicker->setCalendar(toConv_.gregorianCalendar());
        ui_->toDatePicker->setDate(toConv_.gregorianDate()->date());
    }
}

void DateRangeVC::updateResult()
{
    const platform::Calendar &calendar = calendarFor(*ui_->fromDatePicker, fromConv_);
    range_ = DateRangeCalculator::between(ui_->fromDatePicker->date(), ui_->toDatePicker->date(), calendar);
    ui_->daysTextLabel->setText(core::localizedNumber(range_.totalDays));
    ui_->yearsLabel->setText(core::localizedNumber(range_.years));
    ui_->monthsLabel->setText(core::localizedNumber(range_.months));
    ui_->daysLabel->setText(core::localizedNumber(range_.days));
    // The captions under the numbers take the plural form of their count.
    ui_->yearsCaptionLabel->setText(core::localizedCount("daterange.years", range_.years));
    ui_->monthsCaptionLabel->setText(core::localizedCount("daterange.months", range_.months));
    ui_->daysCaptionLabel->setText(core::localizedCount("daterange.days", range_.days));
}

void DateRangeVC::selectSegment(int index)
{
    // Selecting in code is not the user's change of calendar.
    const QSignalBlocker quiet(ui_->calendarSegControler);
    ui_->calendarSegControler->setCurrentIndex(index);
}

void DateRangeVC::resetToToday()
{
    selectSegment(0);
    ui_->fromDatePicker->setCalendar(fromConv_.gregorianCalendar());
    ui_->toDatePicker->setCalendar(toConv_.gregorianCalendar());
    ui_->fromDatePicker->setDate(platform::Clock::current());
    ui_->toDatePicker->setMinimumDate(ui_->fromDatePicker->date());
    ui_->toDatePicker->setDate(ui_->fromDatePicker->date(), true);
    updateResult();
}

} // namespace app::screens
