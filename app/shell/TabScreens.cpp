// The main window's tabs, in order. Each screen adds one entry here (and
// links its library into qamarly in app/CMakeLists.txt). The settings screen
// must end up at settingsTabIndex (3).
#include "app/shell/TabScreens.h"

#include "app/screens/calendar/CalendarVC.h"
#include "app/screens/daterange/DateRangeVC.h"
#include "app/screens/events/EventsVC.h"
#include "app/screens/pickerconverter/PickerConverterVC.h"

namespace shell {

const std::vector<TabScreen> &tabScreens()
{
    static const std::vector<TabScreen> tabs = {
        {[] { return new screens::CalendarVC; }, "calendarscreen.tabTitle", QString()},
        {[] { return new screens::PickerConverterVC; }, "converter.tabTitle", QString()},
        {[] { return new screens::DateRangeVC; }, "daterange.tabTitle", QString()},
        {[] { return new events::EventsVC; }, "occasions.tabTitle", QString()},
    };
    return tabs;
}

} // namespace shell
