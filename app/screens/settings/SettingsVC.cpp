// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/settings/SettingsVC.h"

#include "app/store/RatingPrompt.h"
#include "components/visual/ReadableColumn.h"
#include "core/DateTexts.h"
#include "core/FirstWeekday.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "core/RGConv.h"
#include "platform/bundle/BundleInfo.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/MailComposer.h"
#include "platform/ui/ShareDialog.h"
#include "platform/ui/UrlOpener.h"
#include "ui_SettingsVC.h"

#include <QLocale>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

namespace app::screens {

namespace {

// The subject's name when the bundle gives none.
constexpr QLatin1StringView shortAppName("Qamarly");

} // namespace

SettingsVC::SettingsVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::SettingsVC>()),
      settings_(core::GlobalSettings::shared())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("SettingsVC"));
    // The layout's own button rules name their panel, so they outrank the
    // shared focus ring; the ring is given again at their rank.
    setStyleSheet(
        styleSheet() + components::legibilityStyleSheet() +
        QStringLiteral("#linksPanel QPushButton:focus, QPushButton#moreSettingsButton:focus { border: 3px "
                       "solid %1; padding: 1px 11px; }\n"
                       "QPushButton#incrementButton:focus, QPushButton#decrementButton:focus, "
                       "QSpinBox:focus, QComboBox#weekStartCombo:focus { border: 3px solid %1; }\n")
            .arg(QLatin1String(components::focusRingColor)));
    components::makeReadableColumn(ui_->wallpaperImageView, components::readableColumnWidth);

    ui_->adjustmentCaptionLabel->setText(platform::localized("settings.adjustmentCaption"));
    ui_->adjustmentUnitLabel->setText(platform::localized("settings.adjustmentUnit"));
    ui_->adjustmentHintLabel->setText(platform::localized("settings.adjustmentHint"));
    ui_->stepperCaptionLabel->setText(platform::localized("settings.stepperCaption"));
    // "+" and "−" alone say little to a screen reader.
    for (auto [button, key] : {std::pair{ui_->incrementButton, "settings.increment"},
                               std::pair{ui_->decrementButton, "settings.decrement"}}) {
        button->setToolTip(platform::localized(key));
        button->setAccessibleName(platform::localized(key));
    }
    ui_->emailButton->setText(platform::localized("settings.feedback"));
    ui_->tellFriendButton->setText(platform::localized("settings.tellFriend"));
    ui_->rateAppButton->setText(platform::localized("settings.rate"));
    ui_->ourAppsButton->setText(platform::localized("settings.ourApps"));
    ui_->facebookButton->setText(platform::localized("settings.social"));
    ui_->moreSettingsButton->setText(platform::localized("settings.more"));
    ui_->adjustmentLabel->setTextColor(QColor(0x1c, 0x3a, 0x4a));
    ui_->adjustmnetStpper->setRange(int(-core::RGConv::maximumAdjustment),
                                    int(core::RGConv::maximumAdjustment));
    ui_->adjustmnetStpper->setAccessibleName(platform::localized("settings.stepperCaption"));
    ui_->adjustmentErrorLabel->hide();
    ui_->adjustmnetStpper->onRefused = [this](const QString &text) { refuseAdjustment(text); };
    fillWeekStartChoices();
    ui_->moreSettingsButton->hide();

    connect(ui_->incrementButton, &QPushButton::clicked, this, &SettingsVC::incrementalAdjust);
    connect(ui_->decrementButton, &QPushButton::clicked, this, &SettingsVC::decrementalAdjust);
    connect(ui_->adjustmnetStpper, &QSpinBox::valueChanged, this, &SettingsVC::adjustmentStepperValueChanged);
    connect(ui_->emailButton, &QPushButton::clicked, this, &SettingsVC::emailAction);
    connect(ui_->tellFriendButton, &QPushButton::clicked, this, &SettingsVC::tellFriendButtonAction);
    connect(ui_->rateAppButton, &QPushButton::clicked, this, &SettingsVC::rateAppAction);
    connect(ui_->ourAppsButton, &QPushButton::clicked, this, &SettingsVC::ourAppsAction);
    connect(ui_->facebookButton, &QPushButton::clicked, this, &SettingsVC::facebookAction);
    connect(ui_->moreSettingsButton, &QPushButton::clicked, this, &SettingsVC::moreSettingsButtonAction);
    connect(ui_->weekStartCombo, &QComboBox::activated, this, &SettingsVC::weekStartChanged);
}

void SettingsVC::fillWeekStartChoices()
{
    ui_->weekStartCaptionLabel->setText(platform::localized("settings.weekStart"));
    ui_->weekStartCombo->setAccessibleName(platform::localized("settings.weekStart"));
    const platform::Calendar calendar(platform::CalendarIdentifier::gregorian);
    const core::DateTexts *names =
        core::DateTexts::forLocale(platform::Device::localeName(), platform::CalendarIdentifier::gregorian);
    ui_->weekStartCombo->addItem(platform::localized("settings.weekStartLocale"), 0);
    // The locale's week order, from its own first day.
    for (int i = 0; i < 7; ++i) {
        const int weekday = (calendar.firstWeekday() - 1 + i) % 7 + 1;
        const QString name = names ? names->weekDayName(weekday)
                                   : QLocale().dayName(weekday == 1 ? 7 : weekday - 1, QLocale::LongFormat);
        ui_->weekStartCombo->addItem(name, weekday);
    }
}

void SettingsVC::showWeekStart()
{
    const std::optional<int> stored = core::storedFirstWeekday(*settings_.suite());
    const int index = ui_->weekStartCombo->findData(stored.value_or(0));
    const QSignalBlocker quiet(ui_->weekStartCombo);
    ui_->weekStartCombo->setCurrentIndex(std::max(0, index));
}

void SettingsVC::weekStartChanged()
{
    const int weekday = ui_->weekStartCombo->currentData().toInt();
    core::storeFirstWeekday(*settings_.suite(), weekday == 0 ? std::nullopt : std::optional<int>(weekday));
}

void SettingsVC::refuseAdjustment(const QString &text)
{
    ui_->adjustmentErrorLabel->setText(platform::localized("settings.adjustmentRefused")
                                           .arg(text, core::localizedNumber(-core::RGConv::maximumAdjustment),
                                                core::localizedNumber(core::RGConv::maximumAdjustment)));
    ui_->adjustmentErrorLabel->show();
}

SettingsVC::~SettingsVC() = default;

void SettingsVC::setServices(SettingsServices services)
{
    services_ = std::move(services);
    ui_->moreSettingsButton->setVisible(bool(services_.presentMoreSettings));
}

void SettingsVC::viewWillAppear()
{
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    adjNumber_ = settings_.adjustmentNumber;
    showAdjustment();
    showWeekStart();
}

void SettingsVC::showAdjustment()
{
    ui_->adjustmentLabel->setText(core::localizedNumber(adjNumber_));
    // Moving the spin box here is not the user's change of it.
    const QSignalBlocker quiet(ui_->adjustmnetStpper);
    ui_->adjustmnetStpper->setValue(int(std::clamp<std::int64_t>(adjNumber_, -core::RGConv::maximumAdjustment,
                                                                 core::RGConv::maximumAdjustment)));
    ui_->incrementButton->setEnabled(adjNumber_ < core::RGConv::maximumAdjustment);
    ui_->decrementButton->setEnabled(adjNumber_ > -core::RGConv::maximumAdjustment);
}

void SettingsVC::incrementalAdjust()
{
    adjustBy(+1);
}

void SettingsVC::decrementalAdjust()
{
    adjustBy(-1);
}

void SettingsVC::adjustmentStepperValueChanged()
{
    applyStepperValue();
}

void SettingsVC::adjustBy(std::int64_t step)
{
    // Every converter reads an adjustment beyond the limit as 0, so a count
    // past it would show one number and shift dates by another.
    const std::int64_t days = adjNumber_ + step;
    if (!core::RGConv::isUsableAdjustment(days))
        return;
    applyAdjustment(days);
}

void SettingsVC::applyStepperValue()
{
    // What a refused key left in the field is not the user's number.
    if (ui_->adjustmnetStpper->refusedSinceEdit()) {
        QTimer::singleShot(0, this, [this] { showAdjustment(); });
        return;
    }
    applyAdjustment(ui_->adjustmnetStpper->value());
}

void SettingsVC::applyAdjustment(std::int64_t days)
{
    ui_->adjustmentErrorLabel->hide();
    adjNumber_ = days;
    showAdjustment();
    settings_.adjustmentNumber = adjNumber_;
    settings_.save();
    services_.adjustmentChanged();
}

void SettingsVC::emailAction()
{
    composeFeedbackMail();
}

void SettingsVC::composeFeedbackMail()
{
    const platform::BundleInfo bundle = platform::BundleInfo::main();
    const QString name = bundle.displayName.isEmpty() ? shortAppName : bundle.displayName;
    if (bundle.shortVersion.isEmpty()) {
        platform::consoleWarning(lcSettings(),
                                 QStringLiteral("No version to put in the feedback e-mail's subject"));
        return;
    }
    if (!platform::MailComposer::canSendMail()) {
        showMailUnavailable();
        return;
    }
    platform::MailMessage message;
    message.recipients = {bundle.supportEmail};
    message.subject = name + QStringLiteral(": V") + bundle.shortVersion;
    message.body = platform::localized("emailBody");
    // A mail program that would not start is no mail program either.
    if (!platform::MailComposer::compose(message))
        showMailUnavailable();
}

void SettingsVC::showMailUnavailable()
{
    // The message names the mailbox, so the user can still write from elsewhere.
    const QString message =
        platform::localized("emailErrorMsg").arg(platform::BundleInfo::main().supportEmail);
    showNotice(message);
}

void SettingsVC::showNotice(const QString &message)
{
    auto *alert = new platform::AlertController(platform::localized("notice"), message, this);
    alert->addAction(platform::localized("ok"), platform::AlertController::ActionStyle::Cancel);
    alert->showOver(this);
}

void SettingsVC::tellFriendButtonAction()
{
    (new platform::ShareDialog(platform::localized("TellFriend"), this))->showOver(this);
}

void SettingsVC::rateAppAction()
{
    if (services_.openRatingsPage) {
        services_.openRatingsPage();
        return;
    }
    store::RatingPrompt &prompt = store::RatingPrompt::sharedInstance();
    // The page may open only after the store has been asked for Qamarly's
    // number: the outcome arrives as the prompt's notification.
    connect(&prompt, &store::RatingPrompt::notificationPosted, this, &SettingsVC::ratingsPageOutcome,
            Qt::UniqueConnection);
    ratingsPageAsked_ = true;
    prompt.openRatingsPageInAppStore();
}

void SettingsVC::ratingsPageOutcome(const QString &name)
{
    if (!ratingsPageAsked_)
        return;
    if (name == QLatin1String("RatingPromptDidOpenAppStore")) {
        ratingsPageAsked_ = false;
    } else if (name == QLatin1String("RatingPromptCouldNotOpenAppStore") ||
               name == QLatin1String("RatingPromptCouldNotConnectToAppStore")) {
        ratingsPageAsked_ = false;
        showNotice(platform::localized("settings.rateUnavailable"));
    }
}

void SettingsVC::ourAppsAction()
{
    const QUrl address = platform::BundleInfo::main().makerAppsUrl;
    if (!openFirstAvailable({address}))
        showNotice(platform::localized("settings.linkUnavailable").arg(address.toString()));
}

void SettingsVC::facebookAction()
{
    const platform::BundleInfo bundle = platform::BundleInfo::main();
    if (!openFirstAvailable({bundle.socialAppUrl, bundle.socialWebUrl}))
        showNotice(
            platform::localized("settings.linkUnavailable")
                .arg((bundle.socialWebUrl.isEmpty() ? bundle.socialAppUrl : bundle.socialWebUrl).toString()));
}

void SettingsVC::moreSettingsButtonAction()
{
    if (services_.presentMoreSettings)
        services_.presentMoreSettings(*this);
}

bool SettingsVC::openFirstAvailable(const QList<QUrl> &addresses)
{
    platform::UrlOpener &opener = platform::UrlOpener::shared();
    for (const QUrl &address : addresses) {
        // A handler that fails to start leaves the next address a chance.
        if (!address.isEmpty() && opener.canOpen(address) && opener.open(address))
            return true;
    }
    return false;
}

} // namespace app::screens
