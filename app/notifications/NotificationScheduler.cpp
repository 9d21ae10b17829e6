// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/notifications/NotificationScheduler.h"

#include "core/GlobalSettings.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"

#include <QJsonObject>
#include <QThreadPool>

namespace app::notifications {

namespace {

using platform::CalendarTrigger;
using platform::NotificationRequest;
using platform::TimeIntervalTrigger;

constexpr QLatin1StringView badgePrefix("QamloAppBadge-");
constexpr QLatin1StringView dailyPrefix("QamloDailyNoti-");
// The day's daily notification comes at nine in the morning.
constexpr int dailyHour = 9;
// Today's badge is set at once rather than at a midnight already gone.
constexpr double todayBadgeDelaySeconds = 1.0;

// 5 December 2026 -> "2026125": Western digits, no separators, no leading zeros.
QString daySuffix(const core::RGDate &gregorian)
{
    return QString::number(gregorian.year()) + QString::number(gregorian.month()) +
           QString::number(gregorian.day());
}

CalendarTrigger dayTrigger(const core::RGDate &gregorian, int hour)
{
    CalendarTrigger t;
    t.year = static_cast<int>(gregorian.year());
    t.month = static_cast<int>(gregorian.month());
    t.day = static_cast<int>(gregorian.day());
    t.hour = hour;
    t.minute = 0;
    t.second = 0;
    return t;
}

} // namespace

NotificationScheduler &NotificationScheduler::shared()
{
    // Made first so it is destroyed after the scheduler, whose last pass may still use it.
    [[maybe_unused]] static platform::UserNotificationCenter &center =
        platform::UserNotificationCenter::current();
    static NotificationScheduler scheduler;
    return scheduler;
}

NotificationScheduler::NotificationScheduler(platform::UserNotificationCenter *center,
                                             std::shared_ptr<platform::UserDefaults> suite)
    : center_(center), suite_(std::move(suite)), pool_(std::make_unique<QThreadPool>())
{
    // One pass at a time: a newer pass starts only after the older one stopped adding.
    pool_->setMaxThreadCount(1);
}

NotificationScheduler::~NotificationScheduler()
{
    generation_.fetch_add(1); // let a running pass stop early
    pool_->waitForDone();
}

platform::UserNotificationCenter &NotificationScheduler::center() const
{
    return center_ ? *center_ : platform::UserNotificationCenter::current();
}

std::shared_ptr<platform::UserDefaults> NotificationScheduler::suite() const
{
    return suite_ ? suite_ : core::sharedDefaults();
}

void NotificationScheduler::clearNotifications()
{
    platform::UserNotificationCenter &c = center();
    {
        // A pass still running belongs to a plan that is now gone.
        std::lock_guard lock(addMutex_);
        generation_.fetch_add(1);
        c.setApplicationIconBadgeNumber(0);
        c.removeAllDeliveredNotifications();
        c.removeAllPendingNotificationRequests();
    }
    c.getPendingNotificationRequests([](const QList<NotificationRequest> &) {});
}

void NotificationScheduler::rescheduleNotifications()
{
    clearNotifications();
    if (!center().notificationSettings().alertsAllowed())
        throw CustomError(CustomError::NotificationsNotAllowed);
    // The switches are read here, on the caller's thread, which is the only
    // one that writes them; the pass gets a copy.
    const core::GlobalSettings &settings = core::GlobalSettings::shared();
    const ScheduleSwitches switches{settings.todayAppBadgeEnabled, settings.dailyNotificationEnabled,
                                    std::nullopt};
    if (agentLoginStart_)
        agentLoginStart_(switches.todayAppBadgeEnabled || switches.dailyNotificationEnabled);
    unsigned long long generation;
    {
        std::lock_guard lock(addMutex_);
        generation = generation_.fetch_add(1) + 1;
    }
    pool_->start([this, generation, switches] { runPass(generation, switches); });
}

void NotificationScheduler::refreshNotificationsIfNeeded()
{
    const auto s = suite();
    // Never scheduled: start-up does not make the first plan on its own.
    if (s->type(core::keys::lastRefreshDate) == platform::UserDefaults::Type::none)
        return;
    const auto stored = s->string(core::keys::lastRefreshDate);
    if (stored && *stored == refreshStamp(platform::Clock::current()) && pendingMatchesPlan() &&
        basisMatchesSettings())
        return;
    try {
        rescheduleNotifications();
    } catch (const CustomError &) {
        // Without permission there is nothing to refresh; the screens explain it.
    }
}

bool NotificationScheduler::pendingMatchesPlan()
{
    platform::UserNotificationCenter &c = center();
    QList<NotificationRequest> expected;
    if (c.notificationSettings().alertsAllowed()) {
        const core::GlobalSettings &settings = core::GlobalSettings::shared();
        const ScheduleSwitches switches{settings.todayAppBadgeEnabled, settings.dailyNotificationEnabled,
                                        core::RGConv::storedAdjustment(*suite())};
        expected = plan(platform::Clock::current(), switches);
    }
    QList<NotificationRequest> pending;
    c.getPendingNotificationRequests([&pending](const QList<NotificationRequest> &r) { pending = r; });
    auto key = [](const NotificationRequest &r) { return platform::toJson(r); };
    QList<QJsonObject> want;
    for (const NotificationRequest &r : expected)
        if (!std::holds_alternative<TimeIntervalTrigger>(r.trigger))
            want.append(key(r));
    QList<QJsonObject> have;
    for (const NotificationRequest &r : pending)
        if (!std::holds_alternative<TimeIntervalTrigger>(r.trigger))
            have.append(key(r));
    if (want.size() != have.size())
        return false;
    for (const QJsonObject &w : want)
        if (!have.contains(w))
            return false;
    return true;
}

bool NotificationScheduler::basisMatchesSettings()
{
    // A plan kept with no basis (made before plans carried one) is judged by its requests alone.
    const std::optional<platform::PlanBasis> basis = center().pendingPlanBasis();
    return !basis || basis->matches(*suite());
}

bool NotificationScheduler::waitForPasses(int timeoutMs)
{
    return pool_->waitForDone(timeoutMs);
}

QString NotificationScheduler::refreshStamp(platform::Instant now)
{
    return platform::DateFormatter::format(platform::Calendar::gregorian(), QStringLiteral("yyyyMMdd"), now);
}

QList<NotificationRequest> NotificationScheduler::plan(platform::Instant now,
                                                       const ScheduleSwitches &switches)
{
    QList<NotificationRequest> requests;
    if (!switches.todayAppBadgeEnabled && !switches.dailyNotificationEnabled)
        return requests;

    const platform::Calendar calendar = platform::Calendar::gregorian();
    std::vector<core::RGConv> window;
    window.reserve(windowDays);
    // One adjustment for the whole plan, read once: days converted on either
    // side of a change saved meanwhile would disagree.
    const std::int64_t adjustment = switches.adjustmentNumber
                                        ? *switches.adjustmentNumber
                                        : core::RGConv::storedAdjustment(*core::sharedDefaults());
    for (int n = 0; n < windowDays; ++n) {
        const auto day = calendar.dateByAddingDays(n, now);
        Q_ASSERT(day); // thirty days on from a real moment always exist
        window.emplace_back(calendar.startOfDay(day.value_or(now)), adjustment);
    }

    if (switches.todayAppBadgeEnabled) {
        for (int n = 0; n < windowDays; ++n) {
            const core::RGDate &gregorian = *window[n].gregorianDate();
            NotificationRequest r;
            r.identifier = badgePrefix + daySuffix(gregorian);
            r.content.badge = static_cast<int>(window[n].hijriDate()->day());
            if (n == 0)
                r.trigger = TimeIntervalTrigger{todayBadgeDelaySeconds, false};
            else
                r.trigger = dayTrigger(gregorian, 0); // no calendar: matched in the device's
            requests.append(r);
        }
    }
    if (switches.dailyNotificationEnabled) {
        const QString comma = core::RGDate::listSeparator(platform::Device::localeName());
        for (int n = 1; n < windowDays; ++n) {
            const core::RGDate &gregorian = *window[n].gregorianDate();
            const core::RGDate &hijri = *window[n].hijriDate();
            NotificationRequest r;
            r.identifier = dailyPrefix + QString::number(n) + QLatin1Char('-') + daySuffix(gregorian);
            r.content.title = platform::localized("notifications.today").arg(hijri.dateFullString());
            r.content.body = gregorian.weekDayName() + comma + gregorian.dateFullString();
            // With the badge switch off the icon shows no number at all, so
            // the daily notification does not set one either.
            if (switches.todayAppBadgeEnabled)
                r.content.badge = static_cast<int>(hijri.day());
            CalendarTrigger t = dayTrigger(gregorian, dailyHour);
            t.calendar = platform::CalendarIdentifier::gregorian;
            r.trigger = t;
            requests.append(r);
        }
    }
    return requests;
}

void NotificationScheduler::runPass(unsigned long long generation, ScheduleSwitches switches)
{
    if (!switches.todayAppBadgeEnabled && !switches.dailyNotificationEnabled)
        return;
    if (generation_.load() != generation)
        return; // superseded before it began
    const auto s = suite();
    // Read once: the adjustment the plan uses is the one its basis names.
    const std::optional<std::int64_t> storedAdjustment = s->integer(core::keys::adjustmentNumber);
    if (!switches.adjustmentNumber)
        switches.adjustmentNumber = core::RGConv::usableAdjustment(storedAdjustment.value_or(0));
    const QList<NotificationRequest> requests = plan(platform::Clock::current(), switches);
    platform::PlanBasis basis;
    if (s->path() != QLatin1String(":memory:")) {
        using Value = platform::UserDefaults::Value;
        basis.suitePath = s->path();
        basis.settings = {
            {core::keys::todayAppBadgeEnabled, Value(switches.todayAppBadgeEnabled), Value(true)},
            {core::keys::dailyNotificationEnabled, Value(switches.dailyNotificationEnabled), Value(true)},
            {core::keys::adjustmentNumber, Value(storedAdjustment.value_or(0)), Value(std::int64_t{0})},
        };
    }
    platform::UserNotificationCenter &c = center();
    {
        std::lock_guard lock(addMutex_);
        if (generation_.load() != generation)
            return; // a newer reschedule or clear owns the plan now
        // All at once: a pass killed half-way must not leave part of a plan.
        if (!c.replacePendingNotificationRequests(requests, basis))
            return; // no stamp, so the next start tries again
    }
    s->setString(core::keys::lastRefreshDate, refreshStamp(platform::Clock::current()));
    s->flush();
    c.getPendingNotificationRequests([](const QList<NotificationRequest> &) {});
}

} // namespace app::notifications
