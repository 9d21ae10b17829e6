// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/UpdateChecker.h"

#include "app/store/StoreEndpoint.h"
#include "app/store/StoreTexts.h"
#include "app/store/VersionComparison.h"
#include "platform/bundle/BundleInfo.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/StandardUserDefaults.h"
#include "platform/net/UrlSession.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/system/SystemInfo.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/TopAlertPresenter.h"
#include "platform/ui/UrlOpener.h"

#include <QUrlQuery>

namespace app::store {

namespace {
constexpr QLatin1StringView storedVersionCheckDate("StoredVersionCheckDate");
constexpr QLatin1StringView storedSkippedVersion("StoredSkippedVersion");
constexpr QLatin1StringView updateCheckerTable("UpdateCheckerLocalizable");

void defaultCalled(const char *callback)
{
    platform::consoleWarning(
        lcStore(), QStringLiteral("[UpdateChecker] The default implementation of ") +
                       QLatin1String(callback) +
                       QStringLiteral(" is being called. You can ignore this message if you do not care to "
                                      "implement this method in your `UpdateCheckerDelegate` conforming "
                                      "structure."));
}

QString replacePlaceholders(QString text, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        const qsizetype at = text.indexOf(QLatin1String("%@"));
        if (at < 0)
            break;
        text.replace(at, 2, argument);
    }
    return text;
}
} // namespace

void UpdateCheckerDelegate::updateCheckerDidShowUpdateDialog(AlertType)
{
    defaultCalled("updateCheckerDidShowUpdateDialog(alertType:)");
}
void UpdateCheckerDelegate::updateCheckerUserDidLaunchAppStore()
{
    defaultCalled("updateCheckerUserDidLaunchAppStore()");
}
void UpdateCheckerDelegate::updateCheckerUserDidSkipVersion()
{
    defaultCalled("updateCheckerUserDidSkipVersion()");
}
void UpdateCheckerDelegate::updateCheckerUserDidCancel()
{
    defaultCalled("updateCheckerUserDidCancel()");
}
void UpdateCheckerDelegate::updateCheckerDidFailVersionCheck(const UpdateCheckError &)
{
    defaultCalled("updateCheckerDidFailVersionCheck(error:)");
}
void UpdateCheckerDelegate::updateCheckerDidDetectNewVersionWithoutAlert(const QString &, UpdateType)
{
    defaultCalled("updateCheckerDidDetectNewVersionWithoutAlert(message:updateType:)");
}
void UpdateCheckerDelegate::updateCheckerLatestVersionInstalled()
{
    defaultCalled("updateCheckerLatestVersionInstalled()");
}

UpdateChecker::UpdateChecker()
{
    const platform::BundleInfo bundle = platform::BundleInfo::main();
    if (!bundle.shortVersion.isEmpty())
        currentInstalledVersion = bundle.shortVersion;
    appName = !bundle.displayName.isEmpty() ? bundle.displayName : bundle.bundleName;
    lastVersionCheckPerformedOnDate = platform::standardUserDefaults()->date(storedVersionCheckDate);
}

UpdateChecker::~UpdateChecker()
{
    if (updaterWindow)
        delete updaterWindow.data();
}

UpdateChecker &UpdateChecker::shared()
{
    static UpdateChecker *instance = new UpdateChecker;
    return *instance;
}

void UpdateChecker::setAlertType(AlertType type)
{
    alertType_ = type;
    majorUpdateAlertType = minorUpdateAlertType = patchUpdateAlertType = revisionUpdateAlertType = type;
}

void UpdateChecker::debug(const QString &line) const
{
    if (debugEnabled)
        platform::consoleWarning(lcStore(), QStringLiteral("[UpdateChecker] ") + line);
}

void UpdateChecker::report(UpdateCheckError::Known known, std::optional<QString> underlying)
{
    if (delegate)
        delegate->updateCheckerDidFailVersionCheck(UpdateCheckError{known, std::move(underlying)});
}

void UpdateChecker::startVersionCheck(VersionCheckType checkType)
{
    updateType = UpdateType::unknown;
    if (platform::BundleInfo::main().bundleIdentifier.isEmpty()) {
        debug(QStringLiteral("Please make sure that you have set a `Bundle Identifier` in your project."));
        return;
    }
    if (checkType == VersionCheckType::immediately || !lastVersionCheckPerformedOnDate) {
        requestStoreLookup();
        return;
    }
    const int days = wholeDaysBetween(*lastVersionCheckPerformedOnDate, platform::Clock::current());
    if (days < static_cast<int>(checkType)) {
        report(UpdateCheckError::Known::recentlyCheckedAlready);
        debug(QStringLiteral("Not checking the version, because it already checked recently."));
        return;
    }
    requestStoreLookup();
}

void UpdateChecker::requestStoreLookup()
{
    // A store that answers slowly would otherwise gather a connection for
    // every return to the window.
    if (lookupInFlight_) {
        debug(QStringLiteral("A store lookup is still running; this check takes its answer."));
        return;
    }
    const StoreEndpoint endpoint = StoreEndpoint::resolve();
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("bundleId"), platform::BundleInfo::main().bundleIdentifier);
    if (countryCode)
        query.addQueryItem(QStringLiteral("country"), *countryCode);
    const QUrl url = endpoint.lookupUrl(QStringLiteral("/lookup"), query);
    if (url.isEmpty() || url.toString().isEmpty()) {
        report(UpdateCheckError::Known::malformedURL);
        debug(QStringLiteral("The App Store URL is malformed, so no request was sent: ") +
              endpoint.lookupProblem.value_or(QStringLiteral("the address is empty")));
        return;
    }
    platform::UrlRequest request;
    request.url = url;
    request.cachePolicy = platform::UrlRequest::CachePolicy::reloadIgnoringLocalCacheData;
    request.timeout = lookupTimeout;
    lookupInFlight_ = true;
    platform::UrlSession::shared().dataTask(request, this, [this](const platform::UrlResponse &r) {
        lookupInFlight_ = false;
        handleLookupResponse(r);
    });
}

void UpdateChecker::handleLookupResponse(const platform::UrlResponse &response)
{
    std::optional<QString> failure = response.error;
    // A store that answers with an error page has not given us its record.
    if (!failure && response.statusCode != 0 && (response.statusCode < 200 || response.statusCode > 299))
        failure = QStringLiteral("The server returned a %1 error").arg(response.statusCode);
    if (failure) {
        report(UpdateCheckError::Known::appStoreDataRetrievalFailure, failure);
        debug(QStringLiteral(
                  "Error retrieving App Store data as an error was returned\nAlso, the following system "
                  "level error was returned: ") +
              *failure);
        return;
    }
    if (response.data) {
        QString error;
        const std::optional<StoreLookupModel> model = StoreLookupModel::decode(*response.data, &error);
        if (!model) {
            report(UpdateCheckError::Known::appStoreJSONParsingFailure, error);
            debug(QStringLiteral(
                      "Error parsing App Store JSON data.\nAlso, the following system level error was "
                      "returned: ") +
                  error);
            return;
        }
        debug(QStringLiteral("Decoded JSON results: ") + model->description());
        evaluateLookup(*model);
        return;
    }
    report(UpdateCheckError::Known::appStoreDataRetrievalFailure);
    debug(QStringLiteral("Error retrieving App Store data as an error was returned."));
}

void UpdateChecker::evaluateLookup(const StoreLookupModel &model)
{
    if (!isDeviceOSSupported(model))
        return;
    const StoreLookupModel::Result &record = model.results.first();
    // "1..2" or "v2" would compare as newer than anything; such a record is
    // not a version we can offer.
    if (!isDottedVersion(record.version)) {
        report(UpdateCheckError::Known::appStoreVersionArrayFailure);
        debug(QStringLiteral("The App Store version \"%1\" is not a version number.").arg(record.version));
        return;
    }
    appID = record.appID;
    currentAppStoreVersion = record.version;
    if (isStoreVersionNewer()) {
        const std::optional<int> days =
            daysSinceRelease(record.currentVersionReleaseDate, platform::Clock::current());
        if (!days)
            return;
        if (*days < showAlertAfterCurrentVersionHasBeenReleasedForDays) {
            debug(QStringLiteral(
                      "Your app has been released for %1 days, but UpdateChecker cannot prompt the user "
                      "until %2 days have passed.")
                      .arg(*days)
                      .arg(showAlertAfterCurrentVersionHasBeenReleasedForDays));
            return;
        }
        showAlertUnlessSkipped();
        return;
    }
    if (delegate)
        delegate->updateCheckerLatestVersionInstalled();
    report(UpdateCheckError::Known::noUpdateAvailable);
    debug(QStringLiteral("No new update available."));
}

bool UpdateChecker::isDeviceOSSupported(const StoreLookupModel &model)
{
    if (model.results.isEmpty()) {
        report(UpdateCheckError::Known::appStoreOSVersionNumberFailure);
        debug(QStringLiteral("Error retrieving iOS version number as there was no data returned."));
        return false;
    }
    const QString system = platform::SystemInfo::current().operatingSystemVersion();
    if (compareVersions(system, model.results.first().minimumOSVersion) >= 0)
        return true;
    report(UpdateCheckError::Known::appStoreOSVersionUnsupported);
    debug(QStringLiteral("The version of iOS on the device is lower than that of the one required by the app "
                         "verison update."));
    return false;
}

bool UpdateChecker::isStoreVersionNewer() const
{
    if (!currentInstalledVersion || !currentAppStoreVersion)
        return false;
    return compareVersions(*currentInstalledVersion, *currentAppStoreVersion) < 0;
}

void UpdateChecker::showAlertUnlessSkipped()
{
    const AlertDecision decision = determineAlertType(
        currentInstalledVersion, currentAppStoreVersion, alertType_,
        {majorUpdateAlertType, minorUpdateAlertType, patchUpdateAlertType, revisionUpdateAlertType});
    if (decision.updateType != UpdateType::unknown)
        updateType = decision.updateType;
    setAlertType(decision.alertType);

    const std::optional<QString> skipped = platform::standardUserDefaults()->string(storedSkippedVersion);
    if (skipped) {
        if (currentAppStoreVersion && *currentAppStoreVersion != *skipped)
            presentUpdateAlert();
        return;
    }
    presentUpdateAlert();
}

void UpdateChecker::recordCheckDate()
{
    const platform::Instant now = platform::Clock::current();
    lastVersionCheckPerformedOnDate = now;
    const auto defaults = platform::standardUserDefaults();
    defaults->setDate(storedVersionCheckDate, now);
    defaults->flush();
}

QString UpdateChecker::localizedAlertText(const QString &text) const
{
    const QString folder = forceLanguageLocalization
                               ? rawValue(*forceLanguageLocalization)
                               : StoreTexts::folderFor(updateCheckerTable, platform::Device::languageName());
    return StoreTexts::lookup(updateCheckerTable, folder, text, text);
}

void UpdateChecker::presentUpdateAlert()
{
    recordCheckDate();
    const QString title = localizedAlertText(alertMessaging.updateTitle);
    const QString message =
        replacePlaceholders(localizedAlertText(alertMessaging.updateMessage),
                            {appName, currentAppStoreVersion.value_or(QStringLiteral("Unknown"))});
    if (alertType_ == AlertType::none) {
        if (delegate)
            delegate->updateCheckerDidDetectNewVersionWithoutAlert(message, updateType);
        return;
    }
    if (alertViewIsVisible)
        return;

    auto *alert = new platform::AlertController(title, message);
    alert->setObjectName(QStringLiteral("updateAlert"));
    const bool rightToLeft =
        forceLanguageLocalization
            ? QLocale(rawValue(*forceLanguageLocalization).replace(QLatin1Char('-'), QLatin1Char('_')))
                      .textDirection() == Qt::RightToLeft
            : platform::Device::isRightToLeft();
    alert->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (alertControllerTintColor)
        alert->setStyleSheet(
            QStringLiteral("QPushButton { color: %1; }").arg(alertControllerTintColor->name()));

    const auto style = platform::AlertController::ActionStyle::Default;
    auto nextTime = [this] {
        closeAlert();
        if (delegate)
            delegate->updateCheckerUserDidCancel();
    };
    auto update = [this] {
        closeAlert();
        openStorePage();
    };
    auto skip = [this] {
        if (currentAppStoreVersion) {
            const auto defaults = platform::standardUserDefaults();
            defaults->setString(storedSkippedVersion, *currentAppStoreVersion);
            defaults->flush();
        }
        closeAlert();
        if (delegate)
            delegate->updateCheckerUserDidSkipVersion();
    };
    const QString updateText = localizedAlertText(alertMessaging.updateButtonMessage);
    switch (alertType_) {
    case AlertType::force:
        alert->addAction(updateText, style, update);
        break;
    case AlertType::option:
        alert->addAction(localizedAlertText(alertMessaging.nextTimeButtonMessage), style, nextTime);
        alert->addAction(updateText, style, update);
        break;
    case AlertType::skip:
        alert->addAction(localizedAlertText(alertMessaging.nextTimeButtonMessage), style, nextTime);
        alert->addAction(updateText, style, update);
        alert->addAction(localizedAlertText(alertMessaging.skipVersionButtonMessage), style, skip);
        break;
    case AlertType::none:
        break;
    }
    // Escape or the window's close button answers nothing, but the alert is gone.
    connect(alert, &QDialog::finished, this, [this] { closeAlert(); });
    updaterWindow = alert;
    platform::TopAlertPresenter::shared().present(alert);
    alertViewIsVisible = true;
    if (delegate)
        delegate->updateCheckerDidShowUpdateDialog(alertType_);
}

void UpdateChecker::closeAlert()
{
    // The alert has closed itself and goes away with the event loop.
    updaterWindow.clear();
    alertViewIsVisible = false;
}

void UpdateChecker::openStorePage()
{
    if (!appID)
        return;
    const StoreEndpoint endpoint = StoreEndpoint::resolve();
    const QUrl url = endpoint.pageUrl(QStringLiteral("/app/id") + QString::number(*appID));
    if (url.isEmpty()) {
        platform::consoleWarning(lcStore(),
                                 QStringLiteral("[UpdateChecker] The store page cannot be opened: ") +
                                     endpoint.pageProblem.value_or(QString()));
        return;
    }
    if (!platform::UrlOpener::shared().open(url)) {
        platform::consoleWarning(lcStore(), QStringLiteral("[UpdateChecker] The desktop could not open ") +
                                                url.toString());
        return;
    }
    if (delegate)
        delegate->updateCheckerUserDidLaunchAppStore();
}

} // namespace app::store
