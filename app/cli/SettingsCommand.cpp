// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/SettingsCommand.h"

#include "app/cli/CalendarFoldersSetting.h"
#include "app/notifications/NotificationScheduler.h"
#include "core/GlobalSettings.h"
#include "core/JsonSchema.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/events/EventStore.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/widgets/WidgetCenter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <array>
#include <limits>

namespace app::cli {

namespace {

using core::GlobalSettings;

struct Field
{
    const char *name;
    bool isBoolean;
    std::int64_t GlobalSettings::*integer;
    bool GlobalSettings::*boolean;
    std::int64_t minimum;
    std::int64_t maximum;
};

constexpr std::int64_t anyMin = std::numeric_limits<std::int64_t>::min();
// How long `settings set` waits for another process that holds the settings file.
constexpr int commandLockWaitMs = 5000;

const std::array<Field, 6> fields{{
    {"adjustmentNumber", false, &GlobalSettings::adjustmentNumber, nullptr, -core::RGConv::maximumAdjustment,
     core::RGConv::maximumAdjustment},
    {"wallpaperIndex", false, &GlobalSettings::wallpaperIndex, nullptr, 0, GlobalSettings::wallpaperMaxIndex},
    {"dailyNotificationEnabled", true, nullptr, &GlobalSettings::dailyNotificationEnabled, 0, 0},
    {"todayAppBadgeEnabled", true, nullptr, &GlobalSettings::todayAppBadgeEnabled, 0, 0},
    {"enableOptionRequested", true, nullptr, &GlobalSettings::enableOptionRequested, 0, 0},
    {"enableNotificationsClicked", true, nullptr, &GlobalSettings::enableNotificationsClicked, 0, 0},
}};

const Field *findField(const QString &name)
{
    for (const Field &f : fields)
        if (name == QLatin1String(f.name))
            return &f;
    return nullptr;
}

std::optional<bool> parseBoolean(const QString &text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1") || t == QLatin1String("yes") ||
        t == QLatin1String("on"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0") || t == QLatin1String("no") ||
        t == QLatin1String("off"))
        return false;
    return std::nullopt;
}

// The wallpaper the screens draw, which a stored index without such a
// wallpaper does not change: none when nothing is drawn.
std::optional<std::int64_t> wallpaperInUse()
{
    const QString name = GlobalSettings::currentWallpaperName();
    const QString prefix = GlobalSettings::wallpaperAssetName(0).chopped(1);
    bool ok = false;
    const std::int64_t index = name.startsWith(prefix) ? name.mid(prefix.size()).toLongLong(&ok) : 0;
    return ok ? std::optional<std::int64_t>(index) : std::nullopt;
}

int printSettings(bool json, QTextStream &out)
{
    const GlobalSettings &s = GlobalSettings::shared();
    const auto lastRefresh = core::sharedDefaults()->string(core::keys::lastRefreshDate);
    const auto wallpaper = wallpaperInUse();
    const bool wallpaperMatches = wallpaper == s.wallpaperIndex;
    if (json) {
        QJsonObject o;
        for (const Field &f : fields)
            o.insert(QLatin1String(f.name), f.isBoolean ? QJsonValue(s.*(f.boolean))
                                                        : QJsonValue(static_cast<qint64>(s.*(f.integer))));
        if (!wallpaperMatches)
            o.insert(QLatin1String("wallpaperIndex"),
                     wallpaper ? QJsonValue(qint64(*wallpaper)) : QJsonValue());
        o.insert(core::keys::lastRefreshDate, lastRefresh ? QJsonValue(*lastRefresh) : QJsonValue());
        o.insert(QLatin1String(platform::calendarFoldersKey), calendarFoldersJson());
        o.insert(QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion);
        out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    for (const Field &f : fields) {
        out << f.name << " = ";
        if (f.integer == &GlobalSettings::wallpaperIndex && !wallpaperMatches)
            out << (wallpaper ? QString::number(*wallpaper) : QStringLiteral("none")) << ' '
                << platform::localized("cli.settings.notAWallpaper").arg(s.wallpaperIndex) << '\n';
        else
            out << (f.isBoolean ? QString::fromLatin1(s.*(f.boolean) ? "true" : "false")
                                : QString::number(s.*(f.integer)))
                << '\n';
    }
    out << core::keys::lastRefreshDate << " = "
        << lastRefresh.value_or(platform::localized("cli.settings.never")) << '\n';
    out << calendarFoldersLine() << '\n';
    out << platform::localized(core::sharedDefaults()->canSave() ? "cli.settings.storedIn"
                                                                 : "cli.settings.storedInReadOnly")
               .arg(core::sharedDefaults()->path())
        << '\n';
    return exitOk;
}

// What the application does after the same change on its screens, so the
// notification plan and the widgets do not go on showing the old days.
void applyChange(const QString &key, QTextStream &err)
{
    const bool adjustment = key == core::keys::adjustmentNumber;
    if (adjustment || key == core::keys::dailyNotificationEnabled ||
        key == core::keys::todayAppBadgeEnabled) {
        auto &scheduler = notifications::NotificationScheduler::shared();
        // The setting is stored either way; only the plan cannot follow it.
        if (const auto reason = platform::UserNotificationCenter::current().unavailableReason())
            err << "qamarly settings: " << platform::localized("cli.settings.planNotUpdated").arg(*reason)
                << '\n';
        try {
            scheduler.rescheduleNotifications();
            scheduler.waitForPasses(60000);
        } catch (const notifications::CustomError &) {
            // Without permission there is no plan to bring up to date.
        }
    }
    if (adjustment)
        platform::WidgetCenter::shared().reloadAllTimelines();
}

// A value as the suite holds it, for the report of what was stored.
QString describeStored(const platform::UserDefaults::Value &v)
{
    if (const auto *i = std::get_if<std::int64_t>(&v))
        return QString::number(*i);
    if (const auto *b = std::get_if<bool>(&v))
        return QString::fromLatin1(*b ? "true" : "false");
    return platform::localized("cli.settings.nothing");
}

int setSetting(const QString &key, const QString &text, QTextStream &out, QTextStream &err)
{
    const Field *field = findField(key);
    if (!field) {
        QStringList names;
        for (const Field &f : fields)
            names << QLatin1String(f.name);
        err << "qamarly settings: "
            << platform::localized("cli.settings.unknownKey")
                   .arg(platform::printable(key), names.join(QStringLiteral(", ")))
            << '\n';
        return exitUsage;
    }
    GlobalSettings &s = GlobalSettings::shared();
    if (field->isBoolean) {
        const auto value = parseBoolean(text);
        if (!value) {
            err << "qamarly settings: "
                << platform::localized("cli.settings.takesBoolean").arg(key, platform::printable(text))
                << '\n';
            return exitUsage;
        }
        s.*(field->boolean) = *value;
    } else {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        if (!ok || value < field->minimum || value > field->maximum) {
            err << "qamarly settings: "
                << (field->minimum != anyMin
                        ? platform::localized("cli.settings.takesNumberBetween")
                              .arg(key, QString::number(field->minimum), QString::number(field->maximum),
                                   platform::printable(text))
                        : platform::localized("cli.settings.takesNumber").arg(key, platform::printable(text)))
                << '\n';
            return exitUsage;
        }
        s.*(field->integer) = value;
    }
    const auto &suite = s.suite();
    // A command may wait for another process's lock (the window's thread never does).
    if (!s.save() || !suite->waitForWrites(commandLockWaitMs) || !suite->flush()) {
        err << "qamarly settings: "
            << platform::localized(suite->canSave() ? "cli.settings.notStored"
                                                    : "cli.settings.notStoredReadOnly")
                   .arg(key, suite->path())
            << '\n';
        return exitFailure;
    }
    // Read back, so the report is what the file holds and not what was meant.
    out << key << " = " << describeStored(suite->value(key)) << ' '
        << platform::localized("cli.settings.storedAt").arg(suite->path()) << '\n';
    out.flush();
    applyChange(key, err);
    return exitOk;
}

} // namespace

int runSettings(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {});
    if (!args.ok()) {
        call.err << "qamarly settings: " << args.error() << '\n';
        return exitUsage;
    }
    const QStringList &pos = args.positionals();
    if (pos.isEmpty())
        return printSettings(args.flag(QStringLiteral("json")), call.out);
    if (const auto folders =
            runCalendarFoldersSetting(pos, args.flag(QStringLiteral("json")), call.out, call.err))
        return *folders;
    if (pos.first() != QLatin1String("set")) {
        call.err << "qamarly settings: "
                 << platform::localized("cli.settings.unknownAction").arg(platform::printable(pos.first()))
                 << '\n';
        return exitUsage;
    }
    if (pos.size() != 3) {
        call.err
            << "qamarly settings: "
            << platform::localized("cli.help.usage").arg(QStringLiteral("qamarly settings set KEY VALUE"))
            << '\n';
        return exitUsage;
    }
    return setSetting(pos.at(1), pos.at(2), call.out, call.err);
}

} // namespace app::cli
