// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/NotificationsCommand.h"

#include "app/notifications/NotificationScheduler.h"
#include "core/GlobalSettings.h"
#include "core/JsonSchema.h"
#include "core/LocalizedNumber.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace app::notifications {

namespace {

constexpr const char *synopsis =
    "usage: qamarly notifications plan [--json] | pending [--json] | reschedule | refresh";

QString describe(const platform::NotificationTrigger &trigger)
{
    if (const auto *interval = std::get_if<platform::TimeIntervalTrigger>(&trigger))
        return platform::localized("cli.notifications.inSeconds").arg(interval->seconds);
    const auto &c = std::get<platform::CalendarTrigger>(trigger);
    auto part = [](const std::optional<int> &v, int width) {
        return v ? QStringLiteral("%1").arg(*v, width, 10, QLatin1Char('0'))
                 : QString(width, QLatin1Char('*'));
    };
    const QString when = QStringLiteral("%1-%2-%3 %4:%5:%6")
                             .arg(part(c.year, 4), part(c.month, 2), part(c.day, 2), part(c.hour, 2),
                                  part(c.minute, 2), part(c.second, 2));
    return platform::localized("cli.notifications.at").arg(when);
}

void print(const QList<platform::NotificationRequest> &requests, bool json, QTextStream &out)
{
    if (json) {
        QJsonArray list;
        for (const auto &r : requests) {
            QJsonObject o = platform::toJson(r);
            o.remove(QStringLiteral("sound"));
            list.append(o);
        }
        const QJsonObject root{{QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion},
                               {QStringLiteral("requests"), list}};
        out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return;
    }
    for (const auto &r : requests) {
        out << r.identifier << "  " << describe(r.trigger);
        if (r.content.badge)
            out << "  " << platform::localized("cli.notifications.badge").arg(*r.content.badge);
        if (r.content.hasAlert())
            out << "  \"" << r.content.title << "\" / \"" << r.content.body << '"';
        out << '\n';
    }
    out << core::localizedCount("cli.notifications.count", requests.size()) << '\n';
}

void printPendingCount(QTextStream &out)
{
    int count = 0;
    platform::UserNotificationCenter::current().getPendingNotificationRequests(
        [&count](const QList<platform::NotificationRequest> &r) { count = static_cast<int>(r.size()); });
    out << core::localizedCount("cli.notifications.pendingCount", count) << '\n';
}

} // namespace

int runNotificationsCommand(cli::Invocation &call)
{
    QStringList args = call.arguments;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() != 1) {
        call.err << synopsis << '\n';
        return cli::exitUsage;
    }
    const QString what = args.first();
    // Without its store the centre can neither list nor keep anything; saying
    // so beats reporting an empty list or a missing permission.
    if (what == QLatin1String("pending") || what == QLatin1String("reschedule") ||
        what == QLatin1String("refresh")) {
        if (const auto reason = platform::UserNotificationCenter::current().unavailableReason()) {
            call.err << "qamarly: " << platform::localized("cli.notifications.unavailable").arg(*reason)
                     << '\n';
            return cli::exitStoreUnavailable;
        }
    }
    if (what == QLatin1String("plan")) {
        const core::GlobalSettings &s = core::GlobalSettings::shared();
        print(NotificationScheduler::plan(platform::Clock::current(),
                                          {s.todayAppBadgeEnabled, s.dailyNotificationEnabled}),
              json, call.out);
        return cli::exitOk;
    }
    if (what == QLatin1String("pending")) {
        // A plan the stored settings no longer ask for (a change whose
        // replanning was cut short) is made again first, as a start does:
        // what is listed is what will be delivered.
        NotificationScheduler &scheduler = NotificationScheduler::shared();
        scheduler.refreshNotificationsIfNeeded();
        scheduler.waitForPasses();
        QList<platform::NotificationRequest> pending;
        platform::UserNotificationCenter::current().getPendingNotificationRequests(
            [&pending](const QList<platform::NotificationRequest> &r) { pending = r; });
        print(pending, json, call.out);
        return cli::exitOk;
    }
    if (what == QLatin1String("reschedule") && !json) {
        NotificationScheduler &scheduler = NotificationScheduler::shared();
        try {
            scheduler.rescheduleNotifications();
        } catch (const CustomError &) {
            call.err << "qamarly: " << platform::localized("cli.notifications.notAllowed") << '\n';
            return cli::exitNotAllowed;
        }
        scheduler.waitForPasses();
        printPendingCount(call.out);
        return cli::exitOk;
    }
    if (what == QLatin1String("refresh") && !json) {
        // What Qamarly does when it starts: a plan made on an earlier day, or
        // one that is not what the settings give, is made again.
        NotificationScheduler &scheduler = NotificationScheduler::shared();
        scheduler.refreshNotificationsIfNeeded();
        scheduler.waitForPasses();
        printPendingCount(call.out);
        return cli::exitOk;
    }
    call.err << synopsis << '\n';
    return cli::exitUsage;
}

} // namespace app::notifications
