// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Puts the application together: which screens its tabs show and the
// application services each screen is handed.
#include "app/Composition.h"

#include "app/notifications/NotificationScheduler.h"
#include "app/screens/calendar/CalendarVC.h"
#include "app/screens/daterange/DateRangeVC.h"
#include "app/screens/occasions/EventsVC.h"
#include "app/screens/pickerconverter/PickerConverterVC.h"
#include "app/screens/settings/SettingsVC.h"
#include "app/screens/wallpaper/MoreSettingsVC.h"
#include "app/shell/AppDelegate.h"
#include "platform/widgets/WidgetCenter.h"

#include <type_traits>

namespace app {

namespace {
// Where a change of the Hijri adjustment reaches in the running application:
// the watch link, the notification scheduler and the widgets.
template <typename Services> Services reachingEverySurface(Services services)
{
    static_assert(std::is_base_of_v<screens::AdjustmentServices, Services>);
    services.sendAdjustmentToWatch = [] { shell::sendAdjustmentToWatch(); };
    services.rescheduleNotifications = [] {
        notifications::NotificationScheduler::shared().rescheduleNotifications();
    };
    services.reloadWidgetTimelines = [] { platform::WidgetCenter::shared().reloadAllTimelines(); };
    return services;
}
} // namespace

screens::ConverterServices converterServices()
{
    auto services = reachingEverySurface(screens::ConverterServices{});
    services.settingsTabShown = true;
    return services;
}

screens::SettingsServices settingsServices()
{
    auto services = reachingEverySurface(screens::SettingsServices{});
    services.presentMoreSettings = [](platform::ViewController &presenter) {
        wallpaper::MoreSettingsVC::presentOver(&presenter);
    };
    return services;
}

const std::vector<shell::TabScreen> &tabScreens()
{
    static const std::vector<shell::TabScreen> tabs = {
        {[] { return new screens::CalendarVC; }, "calendarscreen.tabTitle", QString()},
        {[] {
             auto *converter = new screens::PickerConverterVC;
             converter->setServices(converterServices());
             return converter;
         },
         "converter.tabTitle", QString()},
        {[] { return new screens::DateRangeVC; }, "daterange.tabTitle", QString()},
        {[] {
             auto *settings = new screens::SettingsVC;
             settings->setServices(settingsServices());
             return settings;
         },
         "settings.tabTitle", QString()},
        {[] { return new occasions::EventsVC; }, "occasions.tabTitle", QString()},
    };
    return tabs;
}

} // namespace app
