// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/wallpaper/MoreSettingsVC.h"

#include "app/notifications/CustomError.h"
#include "app/notifications/NotEnabledAlert.h"
#include "app/notifications/NotificationScheduler.h"
#include "app/screens/wallpaper/WallpaperCard.h"
#include "components/visual/ReadableColumn.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/UserNotificationCenter.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/ui/AlertController.h"
#include "ui_MoreSettingsVC.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

namespace app::wallpaper {

namespace {
// The ring of 29 cards is drawn as a short arc, its cards a little apart.
constexpr double arcShare = 0.35;
constexpr double spacingScale = 1.2;
constexpr int captionCornerRadius = 10;
// Room above and below a card for its focus ring.
constexpr int carouselPadding = 12;

constexpr platform::AuthorizationOptions everyOption = platform::AuthorizationOption::badge |
                                                       platform::AuthorizationOption::sound |
                                                       platform::AuthorizationOption::alert;
} // namespace

MoreSettingsVC::MoreSettingsVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::MoreSettingsVC>()),
      settings_(core::GlobalSettings::shared()), center_(platform::UserNotificationCenter::current())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("MoreSettingsVC"));
    for (int index = 0; index < wallpaperCount; ++index)
        wallpapersArray_ << core::GlobalSettings::wallpaperAssetName(index);
    setStyleSheet(components::legibilityStyleSheet() + styleSheet() +
                  QStringLiteral("#wallpaperLabel { border-radius: %1px; }").arg(captionCornerRadius));
    // A wide window keeps the chooser and the switches a column of their own;
    // a short one scrolls rather than squeeze the cards.
    components::makeReadableColumn(ui_->wallpaperImageView, components::readableColumnWidth);
    retranslate();

    connect(ui_->closeButton, &QPushButton::clicked, this, &MoreSettingsVC::closeButtonAction);
    // Only the user's own changes are actions; the screen sets the switches quietly.
    connect(ui_->dailyNotificationSwitch, &QCheckBox::clicked, this,
            &MoreSettingsVC::dailyNotificationSwitch);
    connect(ui_->todayAppBadgeSwitch, &QCheckBox::clicked, this,
            &MoreSettingsVC::todayAppBadgeSwitchValChanged);

    ui_->carousel->setDelegate(this);
    ui_->carousel->setDataSource(this);
}

MoreSettingsVC::~MoreSettingsVC()
{
    disconnect(activation_);
    disconnect(permissionChange_);
    ui_->carousel->setDataSource(nullptr);
    ui_->carousel->setDelegate(nullptr);
}

MoreSettingsVC *MoreSettingsVC::presentOver(platform::ViewController *presenter)
{
    auto *screen = new MoreSettingsVC;
    presenter->presentViewController(screen);
    return screen;
}

void MoreSettingsVC::retranslate()
{
    ui_->wallpaperLabel->setText(platform::localized("moreSettings.wallpaper"));
    ui_->notificationsLabel->setText(platform::localized("moreSettings.notifications"));
    ui_->dailyNotificationSwitch->setText(platform::localized("moreSettings.dailyNotification"));
    ui_->todayAppBadgeSwitch->setText(platform::localized("moreSettings.todayAppBadge"));
    ui_->closeButton->setText(platform::localized("moreSettings.close"));
}

void MoreSettingsVC::changeEvent(QEvent *event)
{
    platform::ViewController::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void MoreSettingsVC::viewDidLoad()
{
    ui_->carousel->setType(components::CarouselType::rotary);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        activation_ =
            connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    checkPermession();
            });
    // The settings page is a window of this application: leaving it need not
    // make the application active again.
    permissionChange_ =
        connect(&platform::AppSettings::shared(), &platform::AppSettings::notificationSettingsChanged, this,
                [this] { checkPermession(); });
}

void MoreSettingsVC::viewWillAppear()
{
    const QSize card = WallpaperCard::cardSizeFor(WallpaperCard::screenSize(this));
    ui_->carousel->setMinimumHeight(card.height() + 2 * (WallpaperCard::shadowMargin + carouselPadding));
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    ui_->carousel->scrollToItemAtIndex(storedWallpaperIndex(), false);
    // The background shows the card in the centre, also when the stored
    // index had no card and the chooser stands on the first one.
    previewWallpaper();
    checkPermession();
    if (!alertsAllowed())
        disableNotificationSwitches();
}

void MoreSettingsVC::viewDidAppear()
{
    if (!wallpapersArray_.isEmpty())
        ui_->carousel->reloadData();
    // The arrow keys turn the chooser from the start.
    if (!QApplication::activeModalWidget())
        ui_->carousel->setFocus(Qt::OtherFocusReason);
}

int MoreSettingsVC::storedWallpaperIndex() const
{
    const std::int64_t stored = settings_.wallpaperIndex;
    return stored >= 0 && stored < wallpapersArray_.size() ? static_cast<int>(stored) : 0;
}

bool MoreSettingsVC::alertsAllowed() const
{
    return center_.notificationSettings().alertsAllowed();
}

void MoreSettingsVC::closeButtonAction()
{
    if (closing_)
        return;
    closing_ = true;
    try {
        notifications::NotificationScheduler::shared().rescheduleNotifications();
    } catch (const notifications::CustomError &) {
        // Not allowed to notify: there is no plan to make.
    }
    if (presentingViewController())
        dismissViewController();
    else
        close();
    emit closed();
}

void MoreSettingsVC::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        closeButtonAction();
        event->accept();
        return;
    }
    platform::ViewController::keyPressEvent(event);
}

void MoreSettingsVC::todayAppBadgeSwitchValChanged()
{
    const bool on = ui_->todayAppBadgeSwitch->isChecked();
    if (on && !alertsAllowed())
        requestAuthorization();
    if (!on)
        center_.setApplicationIconBadgeNumber(0);
    settings_.todayAppBadgeEnabled = on;
    settings_.save();
}

void MoreSettingsVC::dailyNotificationSwitch()
{
    const bool on = ui_->dailyNotificationSwitch->isChecked();
    if (on && !alertsAllowed())
        requestAuthorization();
    settings_.dailyNotificationEnabled = on;
    settings_.save();
}

void MoreSettingsVC::requestAuthorization()
{
    awaitingAnswer_ = true;
    center_.requestAuthorization(everyOption, [self = QPointer<MoreSettingsVC>(this)](bool) {
        // The question is asked in a window of this application, which need
        // not make it active again: look at the answer once it is in.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self)
                    self->authorizationAnswered();
            },
            Qt::QueuedConnection);
    });
}

void MoreSettingsVC::authorizationAnswered()
{
    awaitingAnswer_ = false;
    checkPermession();
    if (std::exchange(alertAfterAnswer_, false) && !alertsAllowed())
        showNotEnabledAlert();
}

void MoreSettingsVC::checkPermession()
{
    if (!settings_.enableNotificationsClicked) {
        settings_.enableNotificationsClicked = true;
        settings_.save();
        requestAuthorization();
        return;
    }
    if (!alertsAllowed())
        return;
    ui_->todayAppBadgeSwitch->setEnabled(true);
    ui_->dailyNotificationSwitch->setEnabled(true);
    ui_->todayAppBadgeSwitch->setChecked(settings_.todayAppBadgeEnabled);
    ui_->dailyNotificationSwitch->setChecked(settings_.dailyNotificationEnabled);
}

void MoreSettingsVC::disableNotificationSwitches()
{
    settings_.todayAppBadgeEnabled = false;
    settings_.dailyNotificationEnabled = false;
    settings_.save();
    ui_->todayAppBadgeSwitch->setEnabled(false);
    ui_->dailyNotificationSwitch->setEnabled(false);
    notifications::NotificationScheduler::shared().clearNotifications();
    ui_->todayAppBadgeSwitch->setChecked(false);
    ui_->dailyNotificationSwitch->setChecked(false);
    showNotEnabledAlert();
}

void MoreSettingsVC::showNotEnabledAlert()
{
    if (awaitingAnswer_) {
        alertAfterAnswer_ = true;
        return;
    }
    notifications::showNotEnabledAlert(this, notEnabledAlert_);
}

int MoreSettingsVC::numberOfItemsInCarousel(components::Carousel *)
{
    return static_cast<int>(wallpapersArray_.size());
}

QWidget *MoreSettingsVC::makeWallpaperCard(int index) const
{
    if (index < 0 || index >= wallpapersArray_.size())
        return nullptr;
    const QSize card = WallpaperCard::cardSizeFor(WallpaperCard::screenSize(this));
    return new WallpaperCard(wallpapersArray_[index], card);
}

QWidget *MoreSettingsVC::viewForItemAtIndex(components::Carousel *, int index, QWidget *)
{
    return makeWallpaperCard(index);
}

double MoreSettingsVC::valueForOption(components::Carousel *, components::CarouselOption option,
                                      double withDefault)
{
    switch (option) {
    case components::CarouselOption::wrap:
        return 0.0;
    case components::CarouselOption::arc:
        return withDefault * arcShare;
    case components::CarouselOption::spacing:
        return withDefault * spacingScale;
    default:
        return withDefault;
    }
}

double MoreSettingsVC::carouselItemWidth(components::Carousel *)
{
    // Cards stand apart by their own width; their shadows may overlap.
    return WallpaperCard::cardSizeFor(WallpaperCard::screenSize(this)).width();
}

void MoreSettingsVC::carouselCurrentItemIndexDidChange(components::Carousel *)
{
    previewWallpaper();
}

void MoreSettingsVC::carouselDidEndScrollingAnimation(components::Carousel *)
{
    commitWallpaper();
}

void MoreSettingsVC::previewWallpaper()
{
    const int index = ui_->carousel->currentItemIndex();
    if (index < 0 || index >= wallpapersArray_.size())
        return;
    ui_->wallpaperImageView->setImageName(wallpapersArray_[index]);
}

void MoreSettingsVC::commitWallpaper()
{
    const int index = ui_->carousel->currentItemIndex();
    // Every layout pass of the carousel ends in a short scroll onto the card
    // in the centre: coming to rest where the chooser opened (the first card,
    // for a stored index without one) is no choice.
    if (index < 0 || index >= wallpapersArray_.size() || index == storedWallpaperIndex())
        return;
    core::GlobalSettings::setCurrentWallpaperName(wallpapersArray_[index]);
    settings_.wallpaperIndex = index;
    settings_.save();
}

} // namespace app::wallpaper
