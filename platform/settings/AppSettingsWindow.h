// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/NotificationRequest.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace platform {

class AppSettingsWindow;

// Qamarly's page in the desktop's settings: what the user allowed Qamarly,
// each permission a switch of its own, so that a refused or withdrawn
// permission can be granted again. One page per process.
class AppSettings : public QObject
{
    Q_OBJECT

public:
    static AppSettings &shared();

    // Opens the page over `over`'s window (or on its own), or brings the open
    // one to the front. Returns false when there is no window system to show
    // it on.
    bool open(QWidget *over = nullptr);
    AppSettingsWindow *window() const { return window_; }

signals:
    // The user changed the notification permission on the page; `settings`
    // is what was kept.
    void notificationSettingsChanged(const platform::NotificationSettings &settings);

private:
    AppSettings() = default;
    QPointer<AppSettingsWindow> window_;
};

// Opens Qamarly's settings page; what an application's "Settings" button calls.
bool openApplicationSettings(QWidget *over = nullptr);

class AppSettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AppSettingsWindow(QWidget *parent = nullptr);
    ~AppSettingsWindow() override;

    QCheckBox *alertsSwitch() const { return alerts_; }
    QCheckBox *badgeSwitch() const { return badge_; }
    QCheckBox *calendarAccessSwitch() const { return calendarAccess_; }
    QListWidget *calendarFoldersList() const { return folders_; }

    // How a folder is chosen to add (a folder dialog unless replaced; an
    // empty answer adds nothing). Returns the previous way.
    using FolderPicker = std::function<QString(QWidget *parent)>;
    static FolderPicker setFolderPicker(FolderPicker picker);

    // Shows the permission as the notification centre keeps it now.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // One titled group of switches; later permissions add sections of their own.
    QVBoxLayout *addSection(QLabel *title);
    void retranslate();
    void switchToggled();
    void addFolder();
    void removeFolder();
    void keepFolders(const QStringList &folders);

    QVBoxLayout *sections_;
    QLabel *heading_;
    QLabel *notificationsTitle_;
    QLabel *notificationsNote_;
    QCheckBox *alerts_;
    QCheckBox *badge_;
    QLabel *calendarsTitle_;
    QCheckBox *calendarAccess_;
    QLabel *foldersNote_;
    QListWidget *folders_;
    QPushButton *addFolder_;
    QPushButton *removeFolder_;
    QLabel *keepError_;
};

} // namespace platform
