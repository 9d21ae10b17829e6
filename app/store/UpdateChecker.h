// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/store/UpdateTypes.h"
#include "platform/calendar/Instant.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <optional>

namespace platform {
class AlertController;
struct UrlResponse;
} // namespace platform

namespace app::store {

// Observer of a version check. Every callback has a default that prints
// one console line saying it was called.
class UpdateCheckerDelegate
{
public:
    virtual ~UpdateCheckerDelegate() = default;
    virtual void updateCheckerDidShowUpdateDialog(AlertType alertType);
    virtual void updateCheckerUserDidLaunchAppStore();
    virtual void updateCheckerUserDidSkipVersion();
    virtual void updateCheckerUserDidCancel();
    virtual void updateCheckerDidFailVersionCheck(const UpdateCheckError &error);
    virtual void updateCheckerDidDetectNewVersionWithoutAlert(const QString &message, UpdateType updateType);
    virtual void updateCheckerLatestVersionInstalled();
};

// Looks this application up in the store and, when a newer version that
// this system can run has been out long enough, offers it in an alert.
// Lives on the main thread; a check never waits on the network.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    UpdateChecker();
    ~UpdateChecker() override;

    static UpdateChecker &shared();

    void startVersionCheck(VersionCheckType checkType);

    AlertType alertType() const { return alertType_; }
    // Also gives every kind of update this alert.
    void setAlertType(AlertType type);

    std::optional<QString> currentInstalledVersion;
    const QString UpdateCheckerErrorDomain = QStringLiteral("UpdateChecker Error Domain");
    UpdateCheckerDelegate *delegate = nullptr;
    bool debugEnabled = false;
    AlertType majorUpdateAlertType = AlertType::option;
    AlertType minorUpdateAlertType = AlertType::option;
    AlertType patchUpdateAlertType = AlertType::option;
    AlertType revisionUpdateAlertType = AlertType::option;
    QString appName;
    UpdateAlertMessaging alertMessaging;
    std::optional<QString> countryCode;
    std::optional<LanguageType> forceLanguageLocalization;
    std::optional<QColor> alertControllerTintColor;
    int showAlertAfterCurrentVersionHasBeenReleasedForDays = 1;
    std::optional<QString> currentAppStoreVersion;
    QPointer<platform::AlertController> updaterWindow;
    std::optional<std::int64_t> appID;
    std::optional<platform::Instant> lastVersionCheckPerformedOnDate;
    bool alertViewIsVisible = false;
    UpdateType updateType = UpdateType::unknown;
    // How long a lookup may take before it counts as failed.
    std::chrono::milliseconds lookupTimeout{std::chrono::seconds(30)};

    // The text of an alert string in the alert's language.
    QString localizedAlertText(const QString &text) const;

private:
    void requestStoreLookup();
    void handleLookupResponse(const platform::UrlResponse &response);
    void evaluateLookup(const StoreLookupModel &model);
    bool isDeviceOSSupported(const StoreLookupModel &model);
    bool isStoreVersionNewer() const;
    void showAlertUnlessSkipped();
    void presentUpdateAlert();
    void recordCheckDate();
    void openStorePage();
    void closeAlert();
    void report(UpdateCheckError::Known known, std::optional<QString> underlying = std::nullopt);
    void debug(const QString &line) const;

    AlertType alertType_ = AlertType::option;
    // One lookup at a time: checks asked for while one runs take its answer.
    bool lookupInFlight_ = false;
};

} // namespace app::store
