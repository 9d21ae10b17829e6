// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariant>
#include <optional>

class QWidget;

namespace platform {
class AlertController;
struct UrlResponse;
} // namespace platform

class QJsonObject;

namespace app::store {

struct RatingPromptError
{
    QString domain;
    int code = 0;
    QString description;
};

// Observer of the rating prompt; every callback is optional.
class RatingPromptDelegate
{
public:
    virtual ~RatingPromptDelegate() = default;
    virtual void RatingPromptCouldNotConnectToAppStore(const std::optional<RatingPromptError> &) {}
    virtual void RatingPromptDidDetectAppUpdate() {}
    virtual bool RatingPromptShouldPromptForRating() { return true; }
    virtual void RatingPromptDidPromptForRating() {}
    virtual void RatingPromptUserDidAttemptToRateApp() {}
    virtual void RatingPromptUserDidDeclineToRateApp() {}
    virtual void RatingPromptUserDidRequestReminderToRateApp() {}
    virtual bool RatingPromptShouldOpenAppStore() { return true; }
    virtual void RatingPromptDidOpenAppStore() {}
};

// Counts the uses of the application and, once it has been used enough,
// asks the user to rate it in the store. Lives on the main thread; its store
// lookups never wait on the network.
class RatingPrompt : public QObject
{
    Q_OBJECT

public:
    // A new instance sets its defaults and runs its launch accounting once
    // the event loop runs.
    RatingPrompt();
    ~RatingPrompt() override;

    static RatingPrompt &sharedInstance();

    // The identifier set in this process, else the stored one; 0 when unknown.
    std::uint64_t appStoreID() const;
    void setAppStoreID(std::uint64_t id);
    std::uint64_t appStoreGenreID = 0;
    QString appStoreCountry;
    QString applicationName;
    QString applicationVersion;
    QString applicationBundleID;
    unsigned usesUntilPrompt = 10;
    unsigned eventsUntilPrompt = 10;
    float daysUntilPrompt = 10;
    float usesPerWeekForPrompt = 0;
    float remindPeriod = 1;
    std::optional<QString> messageTitle;
    std::optional<QString> message;
    std::optional<QString> updateMessage;
    std::optional<QString> cancelButtonLabel;
    std::optional<QString> remindButtonLabel;
    std::optional<QString> rateButtonLabel;
    bool useUIAlertControllerIfAvailable = false;
    bool useAllAvailableLanguages = true;
    bool promptForNewVersionIfUserRated = false;
    bool onlyPromptIfLatestVersion = true;
    bool onlyPromptIfMainWindowIsAvailable = true;
    bool promptAtLaunch = true;
    bool verboseLogging = false;
    bool previewMode = false;
    RatingPromptDelegate *delegate = nullptr;
    QPointer<platform::AlertController> visibleAlert;
    bool checkingForPrompt = false;
    bool checkingForAppStoreID = false;
    // The window the prompt is shown over; the active window when none.
    QPointer<QWidget> presentingWindow;
    // How long a lookup may take before it counts as failed.
    std::chrono::milliseconds lookupTimeout{std::chrono::seconds(60)};

    // Stored values.
    unsigned usesCount() const;
    unsigned eventCount() const;
    bool ratedThisVersion() const;
    bool ratedAnyVersion() const;
    bool declinedThisVersion() const;
    bool declinedAnyVersion() const;
    double usesPerWeek() const;

    // The review page: the address set, else one made from the identifier.
    QUrl ratingsURL() const;
    void setRatingsURL(std::optional<QUrl> url) { ratingsURL_ = std::move(url); }

    void applicationLaunched();
    // A return to the foreground from the background.
    void applicationWillEnterForeground();
    void logEvent(bool deferPrompt);
    bool shouldPromptForRating() const;
    void promptIfAllCriteriaMet();
    void promptForRating();
    void openRatingsPageInAppStore();
    void didDismissAlertWithButtonAtIndex(int index);

    QString localizedStringForKey(const QString &key, const QString &defaultText) const;
    QString titleText() const;
    QString messageText() const;
    QString cancelButtonText() const;
    QString remindButtonText() const;
    QString rateButtonText() const;

signals:
    // What the platform's notification centre would carry.
    void notificationPosted(const QString &name, const QVariant &object);

private:
    void post(const QString &name, const QVariant &object = {});
    void verbose(const QString &line) const;
    void countUse();
    void checkForConnectivityInBackground();
    void lookupFinished(const platform::UrlResponse &response);
    // What the store's record of an application says against this one;
    // none when it is this application and may be rated.
    std::optional<RatingPromptError> checkStoreRecord(const QJsonObject &record);
    std::optional<RatingPromptError> takeStoreDetails(const QJsonObject &record);
    void connectionSucceeded();
    void connectionError(const std::optional<RatingPromptError> &error);
    bool identifierKnown() const;
    void rate();
    void declineThisVersion();
    void remindLater();

    std::uint64_t appStoreID_ = 0;
    std::optional<QUrl> ratingsURL_;
    bool appStoreIDSetInThisProcess_ = false;
    // One lookup at a time: a purpose set while one runs is served by its answer.
    bool lookupInFlight_ = false;
    bool launched_ = false;
    mutable QString textFolder_;
    mutable bool textFolderChosen_ = false;
};

} // namespace app::store
