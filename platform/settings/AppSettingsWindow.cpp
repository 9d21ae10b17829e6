// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/settings/AppSettingsWindow.h"

#include "platform/events/EventStore.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/UserNotificationCenter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

namespace platform {

AppSettings &AppSettings::shared()
{
    static AppSettings *instance = new AppSettings;
    return *instance;
}

bool AppSettings::open(QWidget *over)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    if (!window_) {
        QWidget *host = over ? over->window() : QApplication::activeWindow();
        window_ = new AppSettingsWindow(host);
    }
    window_->refresh();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

bool openApplicationSettings(QWidget *over)
{
    return AppSettings::shared().open(over);
}

AppSettingsWindow::AppSettingsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("appSettingsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(320);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    heading_ = new QLabel(this);
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading_->setFont(headingFont);
    layout->addWidget(heading_);
    sections_ = new QVBoxLayout;
    sections_->setSpacing(16);
    layout->addLayout(sections_);

    notificationsTitle_ = new QLabel(this);
    QVBoxLayout *notifications = addSection(notificationsTitle_);
    alerts_ = new QCheckBox(this);
    alerts_->setObjectName(QStringLiteral("alertsSwitch"));
    badge_ = new QCheckBox(this);
    badge_->setObjectName(QStringLiteral("badgeSwitch"));
    notificationsNote_ = new QLabel(this);
    notificationsNote_->setWordWrap(true);
    notificationsNote_->setEnabled(false); // drawn as a quiet hint
    notifications->addWidget(alerts_);
    notifications->addWidget(badge_);
    notifications->addWidget(notificationsNote_);
    connect(alerts_, &QCheckBox::toggled, this, &AppSettingsWindow::switchToggled);
    connect(badge_, &QCheckBox::toggled, this, &AppSettingsWindow::switchToggled);

    calendarsTitle_ = new QLabel(this);
    QVBoxLayout *calendars = addSection(calendarsTitle_);
    calendarAccess_ = new QCheckBox(this);
    calendarAccess_->setObjectName(QStringLiteral("calendarAccessSwitch"));
    calendars->addWidget(calendarAccess_);
    foldersNote_ = new QLabel(this);
    foldersNote_->setWordWrap(true);
    calendars->addWidget(foldersNote_);
    folders_ = new QListWidget(this);
    folders_->setObjectName(QStringLiteral("calendarFoldersList"));
    folders_->setMaximumHeight(96);
    calendars->addWidget(folders_);
    auto *folderButtons = new QHBoxLayout;
    addFolder_ = new QPushButton(this);
    addFolder_->setObjectName(QStringLiteral("addCalendarFolderButton"));
    removeFolder_ = new QPushButton(this);
    removeFolder_->setObjectName(QStringLiteral("removeCalendarFolderButton"));
    folderButtons->addWidget(addFolder_);
    folderButtons->addWidget(removeFolder_);
    folderButtons->addStretch(1);
    calendars->addLayout(folderButtons);
    connect(addFolder_, &QPushButton::clicked, this, &AppSettingsWindow::addFolder);
    connect(removeFolder_, &QPushButton::clicked, this, &AppSettingsWindow::removeFolder);
    connect(folders_, &QListWidget::currentRowChanged, this,
            [this](int row) { removeFolder_->setEnabled(row >= 0); });
    connect(calendarAccess_, &QCheckBox::toggled, this, [this](bool allowed) {
        // Either way it is decided: the calendar tab does not ask again.
        keepEventAccess(allowed ? EventAccessStatus::authorized : EventAccessStatus::denied);
        refresh();
    });

    keepError_ = new QLabel(this);
    keepError_->setObjectName(QStringLiteral("keepError"));
    keepError_->setWordWrap(true);
    keepError_->setStyleSheet(QStringLiteral("color: #c62828;"));
    keepError_->hide();
    layout->addWidget(keepError_);

    layout->addStretch(1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    layout->addWidget(buttons);

    retranslate();
    refresh();
}

AppSettingsWindow::~AppSettingsWindow() = default;

QVBoxLayout *AppSettingsWindow::addSection(QLabel *title)
{
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    auto *section = new QVBoxLayout;
    section->setSpacing(6);
    section->addWidget(title);
    sections_->addLayout(section);
    return section;
}

void AppSettingsWindow::retranslate()
{
    setWindowTitle(localized("appSettings.windowTitle"));
    heading_->setText(localized("appSettings.heading"));
    notificationsTitle_->setText(localized("appSettings.notifications"));
    alerts_->setText(localized("appSettings.allowNotifications"));
    badge_->setText(localized("appSettings.badgeAppIcon"));
    notificationsNote_->setText(localized("appSettings.notificationsNote"));
    calendarsTitle_->setText(localized("appSettings.calendars"));
    calendarAccess_->setText(localized("appSettings.calendarAccess"));
    foldersNote_->setText(localized("appSettings.calendarFoldersNote"));
    addFolder_->setText(localized("appSettings.addCalendarFolder"));
    removeFolder_->setText(localized("appSettings.removeCalendarFolder"));
    keepError_->setText(localized("appSettings.cannotKeep"));
    // Qt's own button texts come untranslated: the button speaks ours.
    findChild<QPushButton *>(QStringLiteral("closeButton"))->setText(localized("appSettings.close"));
}

void AppSettingsWindow::refresh()
{
    const NotificationSettings settings = UserNotificationCenter::current().notificationSettings();
    const QSignalBlocker blockAlerts(alerts_);
    const QSignalBlocker blockBadge(badge_);
    alerts_->setChecked(settings.alertsAllowed());
    badge_->setChecked(settings.badgeAllowed());
    const QSignalBlocker blockCalendars(calendarAccess_);
    calendarAccess_->setChecked(keptEventAccess() == EventAccessStatus::authorized);
    const QString current = folders_->currentItem() ? folders_->currentItem()->text() : QString();
    folders_->clear();
    folders_->addItems(calendarFolders());
    const auto again = folders_->findItems(current, Qt::MatchExactly);
    folders_->setCurrentItem(again.isEmpty() ? nullptr : again.front());
    removeFolder_->setEnabled(folders_->currentItem() != nullptr);
}

namespace {

AppSettingsWindow::FolderPicker &folderPicker()
{
    static AppSettingsWindow::FolderPicker picker = [](QWidget *parent) {
        return QFileDialog::getExistingDirectory(parent, localized("appSettings.chooseCalendarFolder"));
    };
    return picker;
}

} // namespace

AppSettingsWindow::FolderPicker AppSettingsWindow::setFolderPicker(FolderPicker picker)
{
    return std::exchange(folderPicker(), std::move(picker));
}

void AppSettingsWindow::addFolder()
{
    const QString chosen = folderPicker()(this);
    if (chosen.isEmpty())
        return;
    keepFolders(calendarFolders() << chosen);
}

void AppSettingsWindow::removeFolder()
{
    if (!folders_->currentItem())
        return;
    QStringList folders = calendarFolders();
    folders.removeAll(folders_->currentItem()->text());
    keepFolders(folders);
}

void AppSettingsWindow::keepFolders(const QStringList &folders)
{
    keepError_->setVisible(!keepCalendarFolders(folders));
    refresh();
}

void AppSettingsWindow::switchToggled()
{
    AuthorizationOptions options = 0;
    // The daily notification is an alert; its sound goes with it.
    if (alerts_->isChecked())
        options |= AuthorizationOption::alert | AuthorizationOption::sound;
    if (badge_->isChecked())
        options |= AuthorizationOption::badge;
    // Every switch off is a decision too: the application does not ask again.
    const NotificationSettings wanted{options ? AuthorizationStatus::authorized : AuthorizationStatus::denied,
                                      options};
    UserNotificationCenter &center = UserNotificationCenter::current();
    const bool kept = center.setNotificationSettings(wanted);
    keepError_->setVisible(!kept);
    // The switches show what was kept, not what was wished.
    refresh();
    if (kept)
        emit AppSettings::shared().notificationSettingsChanged(center.notificationSettings());
}

void AppSettingsWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void AppSettingsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refresh();
    QWidget::changeEvent(event);
}

} // namespace platform
