#include "app/screens/pickerconverter/ConverterServices.h"

#include "app/notifications/NotificationScheduler.h"
#include "app/shell/AppDelegate.h"
#include "platform/WidgetCenter.h"

namespace screens {

ConverterServices ConverterServices::application()
{
    ConverterServices services;
    services.sendAdjustmentToWatch = [] { shell::sendAdjustmentToWatch(); };
    services.rescheduleNotifications = [] {
        notifications::NotificationScheduler::shared().rescheduleNotifications();
    };
    services.reloadWidgetTimelines = [] { platform::WidgetCenter::shared().reloadAllTimelines(); };
    return services;
}

} // namespace screens
