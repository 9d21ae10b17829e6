// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/pickerconverter/PickerConverterVC.h"

#include "app/notifications/EnableOptionsVC.h"
#include "app/screens/pickerconverter/AdjustmentMessage.h"
#include "app/screens/pickerconverter/TypedDate.h"
#include "app/shell/TabScreens.h"
#include "components/visual/ReadableColumn.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "platform/bundle/ImageAssets.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/UserNotificationCenter.h"
#include "platform/system/Device.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/TabBarController.h"
#include "ui_PickerConverterVC.h"

#include <QFontInfo>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>

namespace app::screens {

namespace {

// Below this screen height the result day gets a smaller font to fit.
constexpr int compactConverterScreenHeight = 600;
constexpr int compactDayFontSize = 75;

void addShadow(QWidget *widget, qreal opacity, QPointF offset, qreal radius)
{
    auto *shadow = new QGraphicsDropShadowEffect(widget);
    QColor black(Qt::black);
    black.setAlphaF(static_cast<float>(opacity));
    shadow->setColor(black);
    shadow->setOffset(offset);
    shadow->setBlurRadius(radius);
    widget->setGraphicsEffect(shadow);
}

} // namespace

PickerConverterVC::PickerConverterVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::PickerConverterVC>()),
      today_(platform::Clock::current()), conv_(platform::Clock::current()),
      // The result starts as a record of now in the device's calendar; the
      // first appearance replaces it.
      convResult_(std::make_shared<const core::RGDate>(
          platform::Clock::current(), platform::Calendar(platform::CalendarIdentifier::gregorian))),
      settings_(core::GlobalSettings::shared())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("PickerConverterVC"));
    setStyleSheet(styleSheet() + components::legibilityStyleSheet());
    components::makeReadableColumn(ui_->wallpaperImageView, components::readableColumnWidth);
    // Left and Right reach the screen when no control wants them. A click
    // gives it the keyboard; Tab passes it by for the controls, which show
    // where the focus is.
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(platform::localized("converter.tabTitle"));

    ui_->calendarSegControl->addTab(platform::localized("converter.segmentGregorian"));
    ui_->calendarSegControl->addTab(platform::localized("converter.segmentHijri"));
    ui_->todayCaptionLabel->setText(platform::localized("converter.todayCaption"));
    ui_->todayButton->setText(platform::localized("converter.todayButton"));
    ui_->changeWallpaperButton->setText(platform::localized("converter.changeWallpaper"));
    ui_->AdjRoundButton->setToolTip(platform::localized("converter.adjustmentTip"));
    ui_->swipeHintLabel->setText(platform::localized("converter.swipeHint"));
    ui_->AdjRoundButton->hide();
    ui_->bubleImageView->setScaledContents(false);
    ui_->bubleImageView->setAlignment(Qt::AlignCenter);
    ui_->bubleImageView->installEventFilter(this);
    dayFont_ = ui_->convertedDayLabel->font();

    // Typing a date beats turning a wheel a hundred notches to reach 1900.
    typedDateEdit_ = new QLineEdit(ui_->pickerPanel->parentWidget());
    typedDateEdit_->setObjectName(QStringLiteral("typedDateEdit"));
    typedDateEdit_->setAlignment(Qt::AlignCenter);
    typedDateEdit_->setMaxLength(32);
    const TypedDate typed(platform::Device::localeName());
    const QString order =
        typed.hint(platform::localized("datepicker.day"), platform::localized("datepicker.month"),
                   platform::localized("datepicker.year"));
    typedDateEdit_->setPlaceholderText(order);
    typedDateEdit_->setAccessibleName(platform::localized("converter.typedDate").arg(order));
    typedDateEdit_->setToolTip(typedDateEdit_->accessibleName());
    if (auto *column = qobject_cast<QBoxLayout *>(ui_->pickerPanel->parentWidget()->layout()))
        column->insertWidget(column->indexOf(ui_->pickerPanel) + 1, typedDateEdit_);
    setStyleSheet(
        styleSheet() +
        QStringLiteral("\nQLineEdit#typedDateEdit { background: rgba(0, 0, 0, %1); color: white; "
                       "border: 1px solid rgba(255, 255, 255, 150); border-radius: 5px; padding: 3px 8px; }"
                       "\nQLineEdit#typedDateEdit:focus { border: 3px solid %2; padding: 1px 6px; }"
                       "\nQLineEdit#typedDateEdit[invalid=\"true\"] { border: 3px solid #ff6b6b; }")
            .arg(components::legibilityPanelAlpha)
            .arg(QString::fromLatin1(components::focusRingColor)));
    connect(typedDateEdit_, &QLineEdit::returnPressed, this, &PickerConverterVC::typedDateEntered);
    connect(typedDateEdit_, &QLineEdit::textEdited, this, [this] {
        if (typedDateEdit_->property("invalid").toBool())
            markTypedDate(true);
    });

    connect(ui_->calendarSegControl, &QTabBar::currentChanged, this, &PickerConverterVC::ValueChanged);
    connect(ui_->datePicker, &components::DatePicker::valueChanged, this,
            &PickerConverterVC::pickerDateHasChanged);
    connect(ui_->datePicker, &components::DatePicker::willChange, this,
            &PickerConverterVC::datePickerWillChange);
    connect(ui_->todayButton, &QPushButton::clicked, this, &PickerConverterVC::todayButtonAction);
    connect(ui_->AdjRoundButton, &QPushButton::clicked, this, &PickerConverterVC::AdjRoundButtonAction);
    connect(ui_->changeWallpaperButton, &QToolButton::clicked, this, &PickerConverterVC::changeWallpaper);
}

PickerConverterVC::~PickerConverterVC() = default;

int PickerConverterVC::selectedSegment() const
{
    return ui_->calendarSegControl->currentIndex();
}

void PickerConverterVC::viewDidLoad()
{
    addShadow(ui_->bubleView, 0.7, {0, 0}, 6);
    for (QWidget *label :
         {static_cast<QWidget *>(ui_->convertedDayLabel), static_cast<QWidget *>(ui_->convertedWeekDayLabel),
          static_cast<QWidget *>(ui_->convertedYearLabel)})
        addShadow(label, 1.0, {6, 6}, 10);
    addShadow(ui_->convertedMonthLabel, 1.0, {3, 3}, 5);
    applyPresentation();
}

void PickerConverterVC::viewWillAppear()
{
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    refreshTodayPanel();
    resetConverterToToday();
    const bool rightToLeft = ui_->datePicker->layoutDirection() == Qt::RightToLeft;
    ui_->datePicker->setLocaleName(rightToLeft ? QStringLiteral("ar") : QStringLiteral("en"));
    const QString bubble = isRightToLeft() ? QStringLiteral("buble-ar") : QStringLiteral("buble-en");
    bubble_ = QPixmap(platform::ImageAssets::resourcePath(bubble));
    ui_->bubleImageView->setProperty("assetName", bubble);
    fitBubble();
}

void PickerConverterVC::viewDidAppear()
{
    presentEnableOptionsIfNeeded();
}

void PickerConverterVC::resizeEvent(QResizeEvent *event)
{
    platform::ViewController::resizeEvent(event);
    applyPresentation();
}

bool PickerConverterVC::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui_->bubleImageView && event->type() == QEvent::Resize)
        fitBubble();
    return platform::ViewController::eventFilter(watched, event);
}

void PickerConverterVC::fitBubble()
{
    QLabel *image = ui_->bubleImageView;
    if (bubble_.isNull() || image->width() <= 0 || image->height() <= 0)
        return;
    const QSize drawn = bubble_.size().scaled(image->size(), Qt::KeepAspectRatio);
    if (image->pixmap().size() != drawn)
        image->setPixmap(bubble_.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const int left = (image->width() - drawn.width()) / 2;
    const int top = (image->height() - drawn.height()) / 2;
    const int right = image->width() - drawn.width() - left;
    const int bottom = image->height() - drawn.height() - top;
    // The bubble's tail takes the lowest seventh of the picture.
    const int tail = drawn.height() / 7;
    ui_->resultLayout->setContentsMargins(left + 12, top + 4, right + 12, bottom + tail);

    // A small bubble gets a smaller day number rather than a cut one.
    int room = drawn.height() - 4 - tail;
    for (const QWidget *label :
         {static_cast<QWidget *>(ui_->convertedWeekDayLabel),
          static_cast<QWidget *>(ui_->convertedMonthLabel), static_cast<QWidget *>(ui_->convertedYearLabel)})
        room -= label->minimumSizeHint().height();
    QFont day = dayFont_;
    ui_->convertedDayLabel->setLabelFont(day);
    for (int tries = 0; tries < 8 && ui_->convertedDayLabel->minimumSizeHint().height() > room; ++tries) {
        const int pixels = QFontInfo(day).pixelSize();
        const double share = double(std::max(room, 1)) / ui_->convertedDayLabel->minimumSizeHint().height();
        day.setPixelSize(std::max(12, std::min(pixels - 1, int(pixels * share))));
        ui_->convertedDayLabel->setLabelFont(day);
        if (day.pixelSize() == 12)
            break;
    }
}

void PickerConverterVC::applyPresentation()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screen->size().height() < compactConverterScreenHeight) {
        dayFont_.setPixelSize(compactDayFontSize);
        fitBubble();
    }
    // The control's height is fixed by the layout, so the fonts cannot feed
    // back into it. Its fixed height is used: a tab not yet shown has not been
    // laid out, and its current height is still the widget's default.
    const int segmentHeight = ui_->calendarSegControl->maximumHeight();
    QFont segment = ui_->calendarSegControl->font();
    segment.setWeight(QFont::Normal);
    segment.setPixelSize(std::max(1, segmentHeight / 2));
    ui_->calendarSegControl->setFont(segment);
    QFont today = ui_->todayButton->font();
    today.setPixelSize(std::max(1, segmentHeight / 2));
    ui_->todayButton->setFont(today);
}

void PickerConverterVC::refreshTodayPanel()
{
    today_.setDate(platform::Clock::current(), today_.gregorianCalendar());
    const core::RGDate &g = *today_.gregorianDate();
    const core::RGDate &h = *today_.hijriDate();
    ui_->todayWeekDayLabel->setText(g.weekDayName());
    ui_->todayGreDayLabel->setText(core::localizedNumber(g.day()));
    ui_->todayGreMonthNameLabel->setText(g.monthName());
    ui_->todayGreYearLabel->setText(core::localizedNumber(g.year()));
    ui_->todayConvDayLabel->setText(core::localizedNumber(h.day()));
    ui_->todayConvMonthNameLabel->setText(h.monthName());
    ui_->todayConvYearLabel->setText(core::localizedNumber(h.year()));
    // The day numbers lean towards their month names, on the physical side
    // the layout direction puts them.
    const Qt::Alignment side =
        (isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignAbsolute | Qt::AlignVCenter;
    ui_->todayGreDayLabel->setAlignment(side);
    ui_->todayConvDayLabel->setAlignment(side);
}

void PickerConverterVC::resetConverterToToday()
{
    const platform::Instant now = platform::Clock::current();
    conv_.setDate(now, conv_.gregorianCalendar());
    convResult_ = conv_.hijriDate();
    selectSegment(0);
    ui_->datePicker->setCalendar(conv_.gregorianCalendar());
    ui_->datePicker->setMinimumDate(conv_.firstGregorianMoment());
    ui_->datePicker->setDate(now);
    ui_->datePickerMonthNumberString->setText(core::localizedNumber(conv_.gregorianDate()->month()));
    showConvertedResult();
    refreshTodayPanel();
}

void PickerConverterVC::applySourceCalendar()
{
    // No picker reaches before the Hijri era: the other side would have no year to show.
    if (selectedSegment() == 1) {
        ui_->datePicker->setCalendar(conv_.islamicCalendar());
        ui_->datePicker->setMinimumDate(conv_.firstHijriMoment());
        ui_->datePicker->setDate(conv_.hijriDate()->date());
    } else {
        ui_->datePicker->setCalendar(conv_.gregorianCalendar());
        ui_->datePicker->setMinimumDate(conv_.firstGregorianMoment());
        ui_->datePicker->setDate(conv_.gregorianDate()->date());
    }
    convertPickedDate();
}

const platform::Calendar &PickerConverterVC::convCalendarFor(const platform::Calendar &calendar) const
{
    // The picker is only ever given one of the converter's own calendars.
    return calendar.identifier() == platform::CalendarIdentifier::gregorian ? conv_.gregorianCalendar()
                                                                            : conv_.islamicCalendar();
}

void PickerConverterVC::convertPickedDate()
{
    conv_.setDate(ui_->datePicker->date(), convCalendarFor(ui_->datePicker->calendar()));
    if (selectedSegment() == 0) {
        convResult_ = conv_.hijriDate();
        ui_->datePickerMonthNumberString->setText(core::localizedNumber(conv_.gregorianDate()->month()));
    } else {
        convResult_ = conv_.gregorianDate();
        ui_->datePickerMonthNumberString->setText(core::localizedNumber(conv_.hijriDate()->month()));
    }
    showConvertedResult();
}

void PickerConverterVC::typedDateEntered()
{
    const TypedDate typed(platform::Device::localeName());
    const std::optional<platform::Instant> at =
        typed.parse(ui_->datePicker->calendar(), typedDateEdit_->text());
    if (!at) {
        markTypedDate(false);
        return;
    }
    markTypedDate(true);
    ui_->datePicker->setDate(*at, true);
    convertPickedDate();
}

void PickerConverterVC::markTypedDate(bool valid)
{
    typedDateEdit_->setProperty("invalid", !valid);
    const QString problem = valid ? QString() : platform::localized("converter.typedDateInvalid");
    typedDateEdit_->setAccessibleDescription(problem);
    typedDateEdit_->setToolTip(valid ? typedDateEdit_->accessibleName() : problem);
    typedDateEdit_->style()->unpolish(typedDateEdit_);
    typedDateEdit_->style()->polish(typedDateEdit_);
}

void PickerConverterVC::showConvertedResult()
{
    // The field shows the picked day, ready to be typed over.
    if (typedDateEdit_ && !typedDateEdit_->hasFocus()) {
        typedDateEdit_->setText(TypedDate(platform::Device::localeName())
                                    .text(ui_->datePicker->calendar(), ui_->datePicker->date()));
        markTypedDate(true);
    }
    ui_->convertedDayLabel->setText(core::localizedNumber(convResult_->day()));
    // The weekday of the day itself, the same on both records.
    ui_->convertedWeekDayLabel->setText(conv_.gregorianDate()->weekDayName());
    ui_->convertedMonthLabel->setText(convResult_->monthName());
    ui_->convertedYearLabel->setText(core::localizedNumber(convResult_->year()));
    // Either way round, a Hijri date outside the table makes the answer a guess.
    const bool estimate = conv_.hijriDate()->isEstimate();
    ui_->convertedEstimateLabel->setText(estimate ? platform::localized("converter.estimate") : QString());
    ui_->convertedEstimateLabel->setToolTip(estimate ? platform::localized("converter.estimateHint")
                                                     : QString());
    ui_->convertedEstimateLabel->setVisible(estimate);
    showAdjustmentButton();
}

void PickerConverterVC::showAdjustmentButton()
{
    const std::int64_t adjustment = conv_.adjustmentNumber();
    ui_->AdjRoundButton->setText(core::localizedNumber(adjustment));
    // The title alone is a bare number to a screen reader.
    ui_->AdjRoundButton->setAccessibleName(platform::localized("converter.adjustmentTip") +
                                           QStringLiteral(": ") +
                                           core::localizedCount("converter.a11y.days", adjustment));
    ui_->AdjRoundButton->setVisible(adjustment != 0);
}

void PickerConverterVC::stepPickedDate(int days)
{
    const auto stepped = ui_->datePicker->calendar().dateByAddingDays(days, ui_->datePicker->date());
    if (!stepped)
        return;
    ui_->datePicker->setDate(*stepped, true);
    convertPickedDate();
}

void PickerConverterVC::selectSegment(int index)
{
    // Selecting in code is not the user's change of segment.
    const QSignalBlocker quiet(ui_->calendarSegControl);
    ui_->calendarSegControl->setCurrentIndex(index);
}

void PickerConverterVC::ValueChanged()
{
    applySourceCalendar();
}

void PickerConverterVC::pickerDateHasChanged()
{
    convertPickedDate();
}

void PickerConverterVC::datePickerWillChange()
{
    ui_->datePickerMonthNumberString->setText(QString());
}

void PickerConverterVC::todayButtonAction()
{
    conv_.setDate(platform::Clock::current(), conv_.gregorianCalendar());
    applySourceCalendar();
}

void PickerConverterVC::swipeRight()
{
    stepPickedDate(-1);
}

void PickerConverterVC::swipeLeft()
{
    stepPickedDate(+1);
}

void PickerConverterVC::AdjRoundButtonAction()
{
    showAdjustmentAlert();
}

void PickerConverterVC::changeWallpaper()
{
    cycleWallpaper();
}

void PickerConverterVC::showAdjustmentAlert()
{
    auto *alert =
        new platform::AlertController(QString(), adjustmentAlertMessage(conv_.adjustmentNumber()), this);
    if (services_.settingsTabShown)
        alert->addAction(platform::localized("goSettings"), platform::AlertController::ActionStyle::Default,
                         [this] {
                             if (platform::TabBarController *tabs = tabBarController())
                                 tabs->setSelectedIndex(shell::settingsTabIndex);
                         });
    alert->addAction(platform::localized("cancel"), platform::AlertController::ActionStyle::Cancel);
    alert->addAction(platform::localized("reset"), platform::AlertController::ActionStyle::Destructive,
                     [this] { resetAdjustment(); });
    alert->showOver(this);
}

void PickerConverterVC::resetAdjustment()
{
    settings_.adjustmentNumber = 0;
    settings_.save();
    services_.adjustmentChanged();
    viewWillAppear();
}

void PickerConverterVC::cycleWallpaper()
{
    settings_.wallpaperIndex =
        nextWallpaperIndex(settings_.wallpaperIndex, core::GlobalSettings::wallpaperMaxIndex);
    core::GlobalSettings::setCurrentWallpaperName(
        core::GlobalSettings::wallpaperAssetName(settings_.wallpaperIndex));
    viewWillAppear();
    settings_.save();
}

void PickerConverterVC::presentEnableOptionsIfNeeded()
{
    if (settings_.enableOptionRequested || presentedViewController())
        return;
    // No settings at all counts as no alerts.
    bool alertsAllowed = false;
    platform::UserNotificationCenter::current().getNotificationSettings(
        [&alertsAllowed](const platform::NotificationSettings &s) { alertsAllowed = s.alertsAllowed(); });
    if (alertsAllowed)
        return;
    presentViewController(new notifications::EnableOptionsVC);
}

void PickerConverterVC::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        platform::ViewController::mousePressEvent(event);
        return;
    }
    pressPosition_ = event->position().toPoint();
    pressed_ = true;
    event->accept();
}

void PickerConverterVC::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pressed_ || event->button() != Qt::LeftButton) {
        platform::ViewController::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    const QPoint moved = event->position().toPoint() - pressPosition_;
    if (std::abs(moved.x()) < swipeThreshold || std::abs(moved.x()) <= std::abs(moved.y()))
        return;
    if (moved.x() > 0)
        swipeRight();
    else
        swipeLeft();
}

void PickerConverterVC::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        swipeRight();
        break;
    case Qt::Key_Right:
        swipeLeft();
        break;
    default:
        platform::ViewController::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace app::screens
