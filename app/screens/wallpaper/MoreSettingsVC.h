// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/carousel/Carousel.h"
#include "platform/ui/ViewController.h"

#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QKeyEvent;

namespace core {
class GlobalSettings;
}
namespace platform {
class AlertController;
class UserNotificationCenter;
} // namespace platform
namespace Ui {
class MoreSettingsVC;
}

namespace app::wallpaper {

// The wallpaper chooser and the two notification switches, presented full
// window over the settings tab. Turning the carousel previews a wallpaper
// behind the screen; the one it comes to rest on becomes the wallpaper. The
// switches are stored as they change, but the notification plan follows them
// only when the screen is closed.
class MoreSettingsVC : public platform::ViewController,
                       public components::CarouselDataSource,
                       public components::CarouselDelegate
{
    Q_OBJECT

public:
    static constexpr int wallpaperCount = 29;

    explicit MoreSettingsVC(QWidget *parent = nullptr);
    ~MoreSettingsVC() override;

    // Presents a new screen over `presenter` (covering its whole window) and
    // returns it; `closed` tells when it goes.
    static MoreSettingsVC *presentOver(platform::ViewController *presenter);

    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;

    // Actions of the layout's controls.
    void closeButtonAction();
    void dailyNotificationSwitch();
    void todayAppBadgeSwitchValChanged();
    // Re-reads the notification permission; runs at each appearance and
    // whenever the application becomes active again while this screen exists.
    void checkPermession();

    // Carousel data source and delegate.
    int numberOfItemsInCarousel(components::Carousel *carousel) override;
    QWidget *viewForItemAtIndex(components::Carousel *carousel, int index, QWidget *reusingView) override;
    double valueForOption(components::Carousel *carousel, components::CarouselOption option,
                          double withDefault) override;
    double carouselItemWidth(components::Carousel *carousel) override;
    void carouselCurrentItemIndexDidChange(components::Carousel *carousel) override;
    void carouselDidEndScrollingAnimation(components::Carousel *carousel) override;

    // The card of wallpaper `index`: the image with rounded corners over its shadow.
    QWidget *makeWallpaperCard(int index) const;

    const QStringList &wallpapersArray() const { return wallpapersArray_; }
    Ui::MoreSettingsVC &outlets() { return *ui_; }

signals:
    // The screen was closed and is about to be deleted.
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void previewWallpaper();
    void commitWallpaper();
    void disableNotificationSwitches();
    // Badge, sound and alert.
    void requestAuthorization();
    void authorizationAnswered();
    void showNotEnabledAlert();
    // The index the stored wallpaper has in the chooser (0 for one out of range).
    int storedWallpaperIndex() const;
    bool alertsAllowed() const;

    std::unique_ptr<Ui::MoreSettingsVC> ui_;
    core::GlobalSettings &settings_;
    QStringList wallpapersArray_;
    platform::UserNotificationCenter &center_;
    QMetaObject::Connection activation_;
    QMetaObject::Connection permissionChange_;
    QPointer<platform::AlertController> notEnabledAlert_;
    bool closing_ = false;
    // The permission question is up: the alert that notifications are off
    // waits for its answer rather than stand beside it.
    bool awaitingAnswer_ = false;
    bool alertAfterAnswer_ = false;
};

} // namespace app::wallpaper
