#include "platform/notifications/ForegroundPresenter.h"

#include "platform/calendar/Clock.h"
#include "platform/notifications/LocalNotificationCenter.h"

namespace platform {

ForegroundPresenter::ForegroundPresenter(LocalNotificationCenter &center) : center_(center) {}

bool ForegroundPresenter::Present(const QString &identifier, const QString &title, const QString &body,
                                  int badge)
{
    if (!center_.isInForeground())
        return false;
    Notification notification;
    notification.request.identifier = identifier;
    notification.request.content.title = title;
    notification.request.content.body = body;
    if (badge >= 0)
        notification.request.content.badge = badge;
    notification.request.trigger = TimeIntervalTrigger{0, false};
    notification.date = Clock::current();
    const auto options = center_.presentInForeground(notification);
    if (!options)
        return false;
    const unsigned shown = PresentationOption::banner | PresentationOption::list;
    return (*options & shown) == 0;
}

} // namespace platform
