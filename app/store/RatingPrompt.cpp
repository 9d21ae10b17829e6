// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/RatingPrompt.h"

#include "app/store/RatingCriteria.h"
#include "app/store/StoreEndpoint.h"
#include "app/store/StoreTexts.h"
#include "app/store/VersionComparison.h"
#include "platform/bundle/BundleInfo.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/StandardUserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/net/UrlSession.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/system/SystemInfo.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/DialogHost.h"
#include "platform/ui/UrlOpener.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrlQuery>
#include <QWidget>

namespace app::store {

namespace {
constexpr QLatin1StringView firstUsedKey("RatingPromptFirstUsed");
constexpr QLatin1StringView useCountKey("RatingPromptUseCount");
constexpr QLatin1StringView eventCountKey("RatingPromptEventCount");
constexpr QLatin1StringView lastRemindedKey("RatingPromptLastReminded");
constexpr QLatin1StringView declinedVersionKey("RatingPromptDeclinedVersion");
constexpr QLatin1StringView ratedVersionKey("RatingPromptRatedVersionChecked");
constexpr QLatin1StringView lastVersionUsedKey("RatingPromptLastVersionUsed");
constexpr QLatin1StringView appStoreIDKey("RatingPromptAppStoreID");
constexpr QLatin1StringView ratingPromptTable("RatingPrompt");
constexpr QLatin1StringView errorDomain("RatingPromptErrorDomain");
constexpr std::uint64_t gameGenreID = 6014;

QString appMessage()
{
    return QStringLiteral("If you enjoy using %@, would you mind taking a moment to rate it? It "
                          "won\u2019t take more than a minute. Thanks for your support!");
}

QString gameMessage()
{
    return QStringLiteral("If you enjoy playing %@, would you mind taking a moment to rate it? It "
                          "won\u2019t take more than a minute. Thanks for your support!");
}

std::shared_ptr<platform::UserDefaults> defaults()
{
    return platform::standardUserDefaults();
}

double secondsSince(platform::Instant then)
{
    return double(platform::msecsOf(platform::Clock::current()) - platform::msecsOf(then)) / 1000.0;
}

std::optional<std::uint64_t> positiveInteger(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (d < 1 || d > 9007199254740992.0 || d != double(std::uint64_t(d)))
        return std::nullopt;
    return std::uint64_t(d);
}
// Why an answer of the store carries nothing to read; none when it does.
std::optional<RatingPromptError> transportError(const platform::UrlResponse &response)
{
    if (response.data && response.statusCode == 200)
        return std::nullopt;
    if (response.statusCode >= 400)
        return RatingPromptError{QStringLiteral("HTTPResponseErrorDomain"), response.statusCode,
                                 QStringLiteral("The server returned a %1 error").arg(response.statusCode)};
    if (response.error)
        return RatingPromptError{QStringLiteral("NSURLErrorDomain"), -1, *response.error};
    // An empty answer is no proof that the store can be reached.
    return RatingPromptError{QStringLiteral("NSURLErrorDomain"), -1,
                             QStringLiteral("The store returned no data")};
}

// The last record of the store's answer (empty when there is none), or why
// the answer cannot be read.
std::optional<RatingPromptError> readLookup(const QByteArray &data, QJsonObject &record)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return RatingPromptError{QStringLiteral("NSCocoaErrorDomain"), 3840,
                                 parseError.error != QJsonParseError::NoError
                                     ? parseError.errorString()
                                     : QStringLiteral("the answer is not a JSON object")};
    const QJsonArray results = document.object().value(QStringLiteral("results")).toArray();
    record = results.isEmpty() ? QJsonObject() : results.last().toObject();
    return std::nullopt;
}

} // namespace

RatingPrompt::RatingPrompt()
{
    const platform::BundleInfo bundle = platform::BundleInfo::main();
    appStoreCountry = storeCountry(platform::SystemInfo::current().regionCode());
    applicationName = !bundle.displayName.isEmpty() ? bundle.displayName : bundle.bundleName;
    applicationVersion = !bundle.shortVersion.isEmpty() ? bundle.shortVersion : bundle.bundleVersion;
    applicationBundleID = bundle.bundleIdentifier;
    // Whoever configures the instance does so before the event loop runs this.
    QTimer::singleShot(0, this, [this] { applicationLaunched(); });
}

RatingPrompt::~RatingPrompt()
{
    if (visibleAlert)
        delete visibleAlert.data();
}

RatingPrompt &RatingPrompt::sharedInstance()
{
    static RatingPrompt *instance = new RatingPrompt;
    return *instance;
}

void RatingPrompt::setAppStoreID(std::uint64_t id)
{
    appStoreID_ = id;
    appStoreIDSetInThisProcess_ = id != 0;
}

std::uint64_t RatingPrompt::appStoreID() const
{
    return appStoreID_
               ? appStoreID_
               : std::uint64_t(std::max<std::int64_t>(0, defaults()->integer(appStoreIDKey).value_or(0)));
}

bool RatingPrompt::identifierKnown() const
{
    return appStoreID() != 0;
}

unsigned RatingPrompt::usesCount() const
{
    return unsigned(std::max<std::int64_t>(0, defaults()->integer(useCountKey).value_or(0)));
}

unsigned RatingPrompt::eventCount() const
{
    return unsigned(std::max<std::int64_t>(0, defaults()->integer(eventCountKey).value_or(0)));
}

bool RatingPrompt::ratedThisVersion() const
{
    return defaults()->string(ratedVersionKey).value_or(QString()) == applicationVersion;
}

bool RatingPrompt::ratedAnyVersion() const
{
    return !defaults()->string(ratedVersionKey).value_or(QString()).isEmpty();
}

bool RatingPrompt::declinedThisVersion() const
{
    return defaults()->string(declinedVersionKey).value_or(QString()) == applicationVersion;
}

bool RatingPrompt::declinedAnyVersion() const
{
    return !defaults()->string(declinedVersionKey).value_or(QString()).isEmpty();
}

double RatingPrompt::usesPerWeek() const
{
    const std::optional<platform::Instant> first = defaults()->date(firstUsedKey);
    const double seconds = first ? secondsSince(*first) : 0;
    return double(usesCount()) / (seconds / (7 * secondsPerDay));
}

void RatingPrompt::post(const QString &name, const QVariant &object)
{
    emit notificationPosted(name, object);
}

void RatingPrompt::verbose(const QString &line) const
{
    if (verboseLogging)
        platform::consoleWarning(lcStore(), line);
}

void RatingPrompt::countUse()
{
    const auto d = defaults();
    d->setInteger(useCountKey, d->integer(useCountKey).value_or(0) + 1);
    d->flush();
}

void RatingPrompt::applicationLaunched()
{
    if (launched_)
        return;
    launched_ = true;
    const auto d = defaults();
    const QString lastVersion = d->string(lastVersionUsedKey).value_or(QString());
    const std::optional<platform::Instant> firstUsed = d->date(firstUsedKey);
    if (!firstUsed || lastVersion != applicationVersion) {
        d->setString(lastVersionUsedKey, applicationVersion);
        if (firstUsed && !ratedAnyVersion()) {
            const double seconds = secondsSince(*firstUsed);
            const double moved = secondsSinceFirstUseAfterUpdate(seconds, daysUntilPrompt);
            if (moved != seconds)
                d->setDate(firstUsedKey, platform::Clock::current() -
                                             std::chrono::milliseconds(std::int64_t(moved * 1000)));
        } else {
            d->setDate(firstUsedKey, platform::Clock::current());
            d->setInteger(useCountKey, 0);
            d->setInteger(eventCountKey, 0);
            d->remove(lastRemindedKey);
        }
        d->flush();
        if (delegate)
            delegate->RatingPromptDidDetectAppUpdate();
        post(QStringLiteral("RatingPromptDidDetectAppUpdate"));
    }
    countUse();
    // The lookup would load and start a network session ahead of the
    // window's first frame, and a prompt needs the window on the screen.
    platform::Window::afterFirstFrame(presentingWindow, [this] {
        checkForConnectivityInBackground();
        if (promptAtLaunch)
            promptIfAllCriteriaMet();
    });
}

void RatingPrompt::applicationWillEnterForeground()
{
    countUse();
    checkForConnectivityInBackground();
    if (promptAtLaunch)
        promptIfAllCriteriaMet();
}

void RatingPrompt::logEvent(bool deferPrompt)
{
    const auto d = defaults();
    d->setInteger(eventCountKey, d->integer(eventCountKey).value_or(0) + 1);
    d->flush();
    if (!deferPrompt)
        promptIfAllCriteriaMet();
}

bool RatingPrompt::shouldPromptForRating() const
{
    RatingState state;
    state.previewMode = previewMode;
    state.ratedThisVersion = ratedThisVersion();
    state.ratedAnyVersion = ratedAnyVersion();
    state.declinedAnyVersion = declinedAnyVersion();
    state.promptForNewVersionIfUserRated = promptForNewVersionIfUserRated;
    const auto d = defaults();
    const std::optional<platform::Instant> first = d->date(firstUsedKey);
    state.secondsSinceFirstUse = first ? secondsSince(*first) : 0;
    state.usesCount = usesCount();
    state.eventCount = eventCount();
    state.usesUntilPrompt = usesUntilPrompt;
    state.eventsUntilPrompt = eventsUntilPrompt;
    state.daysUntilPrompt = daysUntilPrompt;
    state.usesPerWeekForPrompt = usesPerWeekForPrompt;
    state.remindPeriod = remindPeriod;
    if (const std::optional<platform::Instant> reminded = d->date(lastRemindedKey))
        state.secondsSinceLastReminded = secondsSince(*reminded);
    const RatingVerdict verdict = evaluateRatingCriteria(state);
    if (previewMode)
        platform::consoleWarning(lcStore(), verdict.reason);
    else if (!verdict.reason.isEmpty())
        verbose(verdict.reason);
    return verdict.prompt;
}

void RatingPrompt::promptIfAllCriteriaMet()
{
    if (!shouldPromptForRating())
        return;
    if (checkingForPrompt || checkingForAppStoreID)
        return;
    checkingForPrompt = true;
    checkForConnectivityInBackground();
}

void RatingPrompt::checkForConnectivityInBackground()
{
    // The flags say what the answer is for, so the running lookup serves a
    // prompt or a review page asked for since; a slow store gathers no more
    // connections.
    if (lookupInFlight_)
        return;
    const StoreEndpoint endpoint = StoreEndpoint::resolve();
    QUrlQuery query;
    if (appStoreIDSetInThisProcess_)
        query.addQueryItem(QStringLiteral("id"), QString::number(appStoreID_));
    else
        query.addQueryItem(QStringLiteral("bundleId"), applicationBundleID);
    const QUrl url =
        endpoint.lookupUrl(QLatin1Char('/') + appStoreCountry + QStringLiteral("/lookup"), query);
    if (url.isEmpty()) {
        verbose(QStringLiteral("RatingPrompt sent no store lookup: ") +
                endpoint.lookupProblem.value_or(QString()));
        // Carried to the next turn of the loop, as a finished lookup would be.
        const RatingPromptError error{errorDomain, 2, endpoint.lookupProblem.value_or(QString())};
        QTimer::singleShot(0, this, [this, error] { connectionError(error); });
        return;
    }
    verbose(QStringLiteral("RatingPrompt is checking %1 to retrieve the App Store details...")
                .arg(url.toString()));
    platform::UrlRequest request;
    request.url = url;
    request.timeout = lookupTimeout;
    lookupInFlight_ = true;
    platform::UrlSession::shared().dataTask(request, this, [this](const platform::UrlResponse &r) {
        lookupInFlight_ = false;
        lookupFinished(r);
    });
}

void RatingPrompt::lookupFinished(const platform::UrlResponse &response)
{
    std::optional<RatingPromptError> error = transportError(response);
    if (!error) {
        QJsonObject record;
        error = readLookup(*response.data, record);
        if (!error)
            error = checkStoreRecord(record);
    }
    if (error) {
        connectionError(error);
        return;
    }
    if (!identifierKnown() && !previewMode)
        return;
    connectionSucceeded();
}

std::optional<RatingPromptError> RatingPrompt::takeStoreDetails(const QJsonObject &record)
{
    if (appStoreGenreID == 0)
        appStoreGenreID = positiveInteger(record.value(QStringLiteral("primaryGenreId"))).value_or(0);
    if (!appStoreIDSetInThisProcess_) {
        if (const auto id = positiveInteger(record.value(QStringLiteral("trackId")))) {
            setAppStoreID(*id);
            defaults()->setInteger(appStoreIDKey, std::int64_t(*id));
            defaults()->flush();
            verbose(QStringLiteral("RatingPrompt found the app on the App Store. The App Store ID is %1")
                        .arg(*id));
        }
    }
    const QString storeVersion = record.value(QStringLiteral("version")).toString();
    if (!onlyPromptIfLatestVersion || previewMode || compareVersions(storeVersion, applicationVersion) <= 0)
        return std::nullopt;
    verbose(QStringLiteral("RatingPrompt found that the installed application version (%1) is not "
                           "the latest version on the App Store, which is %2")
                .arg(applicationVersion, storeVersion));
    return RatingPromptError{errorDomain, 3,
                             QStringLiteral("Installed app is not the latest version available")};
}

std::optional<RatingPromptError> RatingPrompt::checkStoreRecord(const QJsonObject &record)
{
    const QJsonValue bundleID = record.value(QStringLiteral("bundleId"));
    if (bundleID.isString() && bundleID.toString() == applicationBundleID)
        return takeStoreDetails(record);
    if (bundleID.isString()) {
        verbose(QStringLiteral("RatingPrompt found that the application bundle ID (%1) does not match the "
                               "bundle ID of the app found on the App Store (%2) with the specified App "
                               "Store ID (%3)")
                    .arg(applicationBundleID, bundleID.toString())
                    .arg(appStoreID_));
        return RatingPromptError{errorDomain, 1,
                                 QStringLiteral("Application bundle ID does not match expected value of %1")
                                     .arg(bundleID.toString())};
    }
    if (!appStoreIDSetInThisProcess_) {
        verbose(
            QStringLiteral("RatingPrompt could not find your app on the App Store. If your app is not yet "
                           "on the store or is not intended for App Store release then don't worry about "
                           "this"));
        return std::nullopt;
    }
    verbose(QStringLiteral("RatingPrompt could not find this application on the App Store. If your app "
                           "is not intended for App Store release then you must specify a custom "
                           "ratingsURL. If this is the first release of your application then it's not "
                           "a problem that it cannot be found on the store yet"));
    if (previewMode)
        return std::nullopt;
    return RatingPromptError{errorDomain, 2,
                             QStringLiteral("The application could not be found on the App Store.")};
}

void RatingPrompt::connectionSucceeded()
{
    if (checkingForAppStoreID) {
        checkingForAppStoreID = false;
        checkingForPrompt = false;
        openRatingsPageInAppStore();
    } else if (checkingForPrompt) {
        checkingForPrompt = false;
        if (delegate && !delegate->RatingPromptShouldPromptForRating()) {
            verbose(QStringLiteral("RatingPrompt did not display the rating prompt because the "
                                   "RatingPromptShouldPromptForRating delegate method returned NO"));
            return;
        }
        promptForRating();
    }
}

void RatingPrompt::connectionError(const std::optional<RatingPromptError> &error)
{
    if (!checkingForPrompt && !checkingForAppStoreID)
        return;
    checkingForPrompt = false;
    checkingForAppStoreID = false;
    platform::consoleWarning(
        lcStore(),
        error ? QStringLiteral("RatingPrompt rating process failed because: %1").arg(error->description)
              : QStringLiteral("RatingPrompt rating process failed because an unknown error occured"));
    if (delegate)
        delegate->RatingPromptCouldNotConnectToAppStore(error);
    post(QStringLiteral("RatingPromptCouldNotConnectToAppStore"),
         error ? QVariant(error->description) : QVariant());
}

QString RatingPrompt::localizedStringForKey(const QString &key, const QString &defaultText) const
{
    if (!textFolderChosen_) {
        textFolderChosen_ = true;
        if (useAllAvailableLanguages)
            textFolder_ = StoreTexts::folderFor(ratingPromptTable, platform::Device::languageName());
    }
    const QString text = StoreTexts::lookup(ratingPromptTable, textFolder_, key, defaultText);
    // The program's own tables may say it differently.
    const QByteArray id = key.toUtf8();
    const QString own = platform::localized(id.constData());
    return own != key ? own : text;
}

QString RatingPrompt::titleText() const
{
    return messageTitle
        .value_or(
            localizedStringForKey(QStringLiteral("RatingPromptMessageTitle"), QStringLiteral("Rate %@")))
        .replace(QLatin1String("%@"), applicationName);
}

QString RatingPrompt::messageText() const
{
    QString text;
    if (ratedAnyVersion()) {
        text = updateMessage.value_or(localizedStringForKey(
            QStringLiteral("RatingPromptUpdateMessage"),
            message.value_or(localizedStringForKey(QStringLiteral("RatingPromptAppMessage"), appMessage()))));
    } else if (message) {
        text = *message;
    } else if (appStoreGenreID == gameGenreID) {
        text = localizedStringForKey(QStringLiteral("RatingPromptGameMessage"), gameMessage());
    } else {
        text = localizedStringForKey(QStringLiteral("RatingPromptAppMessage"), appMessage());
    }
    return text.replace(QLatin1String("%@"), applicationName);
}

QString RatingPrompt::cancelButtonText() const
{
    return cancelButtonLabel.value_or(
        localizedStringForKey(QStringLiteral("RatingPromptCancelButton"), QStringLiteral("No, Thanks")));
}

QString RatingPrompt::remindButtonText() const
{
    return remindButtonLabel.value_or(
        localizedStringForKey(QStringLiteral("RatingPromptRemindButton"), QStringLiteral("Remind Me Later")));
}

QString RatingPrompt::rateButtonText() const
{
    return rateButtonLabel.value_or(
        localizedStringForKey(QStringLiteral("RatingPromptRateButton"), QStringLiteral("Rate It Now")));
}

void RatingPrompt::promptForRating()
{
    if (visibleAlert)
        return;
    auto *alert = new platform::AlertController(titleText(), messageText());
    alert->setObjectName(QStringLiteral("ratingPrompt"));
    auto answered = std::make_shared<bool>(false);
    auto answer = [this, answered](int index) {
        *answered = true;
        // Handled on the next turn of the loop, once the alert has gone.
        QTimer::singleShot(0, this, [this, index] { didDismissAlertWithButtonAtIndex(index); });
    };
    alert->addAction(rateButtonText(), platform::AlertController::ActionStyle::Default,
                     [answer] { answer(0); });
    const QString cancel = cancelButtonText();
    int next = 1;
    if (!cancel.isEmpty()) {
        // Escape must not be a final "No, Thanks" on the desktop, so only the
        // alert controller marks the decline button as the cancel button.
        const auto style = useUIAlertControllerIfAvailable ? platform::AlertController::ActionStyle::Cancel
                                                           : platform::AlertController::ActionStyle::Default;
        alert->addAction(cancel, style, [answer] { answer(1); });
        next = 2;
    }
    const QString remind = remindButtonText();
    if (!remind.isEmpty())
        alert->addAction(remind, platform::AlertController::ActionStyle::Default,
                         [answer, next] { answer(next); });
    connect(alert, &QDialog::finished, this, [this, alert, answered] {
        // A button's handler runs right after this; only a window closed
        // without an answer is left when the loop comes round.
        QTimer::singleShot(0, this, [this, alert, answered] {
            if (*answered)
                return;
            if (visibleAlert == alert)
                visibleAlert.clear();
            remindLater();
        });
    });
    visibleAlert = alert;
    QWidget *over = presentingWindow ? presentingWindow.data() : platform::dialogHost();
    alert->showOver(over);
    if (delegate)
        delegate->RatingPromptDidPromptForRating();
    post(QStringLiteral("RatingPromptDidPromptForRating"));
}

void RatingPrompt::didDismissAlertWithButtonAtIndex(int index)
{
    const bool declineShown = !cancelButtonText().isEmpty();
    if (index == 0)
        rate();
    else if (index == 1 && declineShown)
        declineThisVersion();
    else if (index == (declineShown ? 2 : 1))
        remindLater();
    visibleAlert.clear();
}

void RatingPrompt::rate()
{
    defaults()->setString(ratedVersionKey, applicationVersion);
    defaults()->flush();
    if (delegate)
        delegate->RatingPromptUserDidAttemptToRateApp();
    post(QStringLiteral("RatingPromptUserDidAttemptToRateApp"));
    if (!delegate || delegate->RatingPromptShouldOpenAppStore())
        openRatingsPageInAppStore();
}

void RatingPrompt::declineThisVersion()
{
    defaults()->setString(declinedVersionKey, applicationVersion);
    defaults()->flush();
    if (delegate)
        delegate->RatingPromptUserDidDeclineToRateApp();
    post(QStringLiteral("RatingPromptUserDidDeclineToRateApp"));
}

void RatingPrompt::remindLater()
{
    defaults()->setDate(lastRemindedKey, platform::Clock::current());
    defaults()->flush();
    if (delegate)
        delegate->RatingPromptUserDidRequestReminderToRateApp();
    post(QStringLiteral("RatingPromptUserDidRequestReminderToRateApp"));
}

QUrl RatingPrompt::ratingsURL() const
{
    if (ratingsURL_)
        return *ratingsURL_;
    const std::uint64_t id =
        appStoreID_
            ? appStoreID_
            : std::uint64_t(std::max<std::int64_t>(0, defaults()->integer(appStoreIDKey).value_or(0)));
    if (id == 0)
        verbose(
            QStringLiteral("RatingPrompt could not find the App Store ID for this application. If the "
                           "application is not intended for App Store release then you must specify a custom "
                           "ratingsURL."));
    return StoreEndpoint::resolve().pageUrl(QStringLiteral("/us/app/itunes-u/id") + QString::number(id),
                                            QUrlQuery(QStringLiteral("action=write-review")));
}

void RatingPrompt::openRatingsPageInAppStore()
{
    if (!ratingsURL_ && !identifierKnown()) {
        checkingForAppStoreID = true;
        if (!checkingForPrompt)
            checkForConnectivityInBackground();
        return;
    }
    const QUrl url = ratingsURL();
    verbose(QStringLiteral("RatingPrompt will open the App Store ratings page using the following URL: %1")
                .arg(url.toString()));
    if (url.isEmpty() || !platform::UrlOpener::shared().open(url)) {
        const QString problem =
            url.isEmpty() ? StoreEndpoint::resolve().pageProblem.value_or(QString()) : url.toString();
        platform::consoleWarning(
            lcStore(),
            QStringLiteral("RatingPrompt could not open the App Store ratings page: %1").arg(problem));
        post(QStringLiteral("RatingPromptCouldNotOpenAppStore"), problem);
        return;
    }
    if (delegate)
        delegate->RatingPromptDidOpenAppStore();
    post(QStringLiteral("RatingPromptDidOpenAppStore"));
}

} // namespace app::store
