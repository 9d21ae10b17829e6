#include "platform/notifications/LocalNotificationCenter.h"

#include "platform/calendar/Clock.h"
#include "platform/system/Console.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

namespace platform {

namespace {
ForegroundLinkFactory &linkFactory()
{
    static ForegroundLinkFactory factory = nullptr;
    return factory;
}
} // namespace

void setForegroundLinkFactory(ForegroundLinkFactory factory)
{
    linkFactory() = factory;
}

ForegroundLinkFactory foregroundLinkFactory()
{
    return linkFactory();
}

namespace {

const QString storeUnavailable = QStringLiteral("the notification store cannot be opened");

bool isMainThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

LocalNotificationCenter::LocalNotificationCenter(QString storePath, QString busAddress)
    : storePath_(std::move(storePath)), busAddress_(std::move(busAddress))
{
}

LocalNotificationCenter::~LocalNotificationCenter() = default;

NotificationStore *LocalNotificationCenter::store()
{
    std::lock_guard lock(storeMutex_);
    // Opened at first use, and again when the config home moved (tests give
    // every case a home of its own), so the home in force is the one used.
    const QString path = storePath_.isEmpty() ? NotificationStore::defaultPath() : storePath_;
    if (!storeTried_ || (store_ && store_->path() != path) || (!store_ && path != failedPath_)) {
        storeTried_ = true;
        // Another thread may still hold the old one: keep it until the centre goes.
        if (store_)
            retired_.push_back(std::move(store_));
        QString why;
        store_ = NotificationStore::open(path, false, &why);
        failedPath_ = store_ ? QString() : path;
        failure_ = why;
    }
    return store_.get();
}

void LocalNotificationCenter::requestAuthorization(AuthorizationOptions options,
                                                   std::function<void(bool)> completion)
{
    NotificationStore *s = store();
    const NotificationSettings current = s ? s->settings() : NotificationSettings{};
    if (current.authorizationStatus != AuthorizationStatus::notDetermined) {
        if (completion)
            completion(current.authorizationStatus == AuthorizationStatus::authorized);
        return;
    }
    const AuthorizationPrompt prompt = authorizationPrompt();
    if (!prompt || !s) {
        // Nobody can be asked (no window, or the store is unusable): undecided stays undecided.
        if (completion)
            completion(false);
        return;
    }
    auto ask = [s, prompt, options, completion] {
        prompt(options, [s, options, completion](bool granted) {
            NotificationSettings decided;
            decided.authorizationStatus =
                granted ? AuthorizationStatus::authorized : AuthorizationStatus::denied;
            decided.options = granted ? options : 0;
            if (!s->setSettings(decided))
                consoleLog(QStringLiteral("Cannot keep the notification permission in %1").arg(s->path()));
            if (completion)
                completion(granted);
        });
    };
    // The dialog belongs to the user interface thread.
    if (isMainThread() || !QCoreApplication::instance())
        ask();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), ask, Qt::QueuedConnection);
}

void LocalNotificationCenter::getNotificationSettings(
    std::function<void(const NotificationSettings &)> completion)
{
    NotificationStore *s = store();
    const NotificationSettings settings = s ? s->settings() : NotificationSettings{};
    if (completion)
        completion(settings);
}

bool LocalNotificationCenter::setNotificationSettings(const NotificationSettings &settings)
{
    NotificationStore *s = store();
    if (s && s->setSettings(settings))
        return true;
    consoleLog(QStringLiteral("Cannot keep the notification permission in %1")
                   .arg(s ? s->path() : QStringLiteral("the notification store")));
    return false;
}

void LocalNotificationCenter::addNotificationRequest(
    const NotificationRequest &request, std::function<void(const std::optional<QString> &)> completion)
{
    auto finish = [&completion](const std::optional<QString> &error) {
        if (completion)
            completion(error);
    };
    NotificationStore *s = store();
    if (!s)
        return finish(storeUnavailable);
    const Instant now = Clock::current();
    TriggerCalendars calendars;
    if (const auto refused = refusal(request, now, calendars))
        return finish(refused);
    if (!s->add(request, now))
        return finish(QStringLiteral("cannot write %1 to the notification store").arg(request.identifier));
    finish(std::nullopt);
}

std::optional<QString> LocalNotificationCenter::refusal(const NotificationRequest &request, Instant now,
                                                        TriggerCalendars &calendars) const
{
    if (request.identifier.isEmpty())
        return QStringLiteral("a notification request needs an identifier");
    const auto fireAt = triggerDate(request.trigger, now, now, calendars);
    // A calendar moment already past never fires; refusing it keeps the agent
    // from showing it at once.
    if (!fireAt || (std::holds_alternative<CalendarTrigger>(request.trigger) && *fireAt < now))
        return QStringLiteral("the trigger of %1 never fires").arg(request.identifier);
    return std::nullopt;
}

bool LocalNotificationCenter::replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                                                 const PlanBasis &basis)
{
    NotificationStore *s = store();
    if (!s)
        return false;
    const Instant now = Clock::current();
    QList<NotificationRequest> accepted;
    accepted.reserve(requests.size());
    TriggerCalendars calendars;
    for (const NotificationRequest &r : requests) {
        if (const auto refused = refusal(r, now, calendars))
            consoleLog(*refused);
        else
            accepted.append(r);
    }
    if (!s->replacePending(accepted, now, basis.suitePath.isEmpty() ? QByteArray() : basis.toJson())) {
        consoleLog(QStringLiteral("Cannot replace the pending notifications in %1").arg(s->path()));
        return false;
    }
    return true;
}

std::optional<PlanBasis> LocalNotificationCenter::pendingPlanBasis()
{
    NotificationStore *s = store();
    const std::optional<QByteArray> json = s ? s->planBasis() : std::nullopt;
    return json ? PlanBasis::fromJson(*json) : std::nullopt;
}

std::optional<QString> LocalNotificationCenter::unavailableReason()
{
    if (store())
        return std::nullopt;
    std::lock_guard lock(storeMutex_);
    return QStringLiteral("the notification store %1 cannot be opened (%2)").arg(failedPath_, failure_);
}

void LocalNotificationCenter::getPendingNotificationRequests(
    std::function<void(const QList<NotificationRequest> &)> completion)
{
    QList<NotificationRequest> result;
    if (NotificationStore *s = store()) {
        // Copied, not moved: the entries are the store's kept copy, and
        // writing to them would copy the whole list first.
        const QList<NotificationStore::Entry> entries = s->entries(NotificationStore::State::pending);
        result.reserve(entries.size());
        for (const auto &e : entries)
            result.append(e.request);
    }
    if (completion)
        completion(result);
}

void LocalNotificationCenter::getDeliveredNotifications(
    std::function<void(const QList<Notification> &)> completion)
{
    QList<Notification> result;
    if (NotificationStore *s = store()) {
        for (const auto &e : s->entries(NotificationStore::State::delivered))
            result.append(Notification{e.request, e.deliveredAt.value_or(e.addedAt)});
    }
    if (completion)
        completion(result);
}

void LocalNotificationCenter::removeAllPendingNotificationRequests()
{
    if (NotificationStore *s = store(); s && !s->removePending())
        consoleLog(QStringLiteral("Cannot remove the pending notifications from %1").arg(s->path()));
}

void LocalNotificationCenter::removeAllDeliveredNotifications()
{
    if (NotificationStore *s = store(); s && !s->removeDelivered())
        consoleLog(QStringLiteral("Cannot remove the delivered notifications from %1").arg(s->path()));
}

void LocalNotificationCenter::setApplicationIconBadgeNumber(int number)
{
    // The agent keeps the launcher entry equal to the stored badge.
    if (NotificationStore *s = store(); s && !s->setBadge(number))
        consoleLog(QStringLiteral("Cannot keep the badge in %1").arg(s->path()));
}

int LocalNotificationCenter::applicationIconBadgeNumber()
{
    NotificationStore *s = store();
    return s ? s->badge() : 0;
}

void LocalNotificationCenter::setForegroundProbe(std::function<bool()> probe)
{
    foregroundProbe_ = std::move(probe);
}

namespace {
// Only a process with a window can be in front; the agent and the command
// line never install one.
std::function<bool()> &defaultForegroundProbe()
{
    static std::function<bool()> probe;
    return probe;
}
} // namespace

void LocalNotificationCenter::setDefaultForegroundProbe(std::function<bool()> probe)
{
    defaultForegroundProbe() = std::move(probe);
}

bool LocalNotificationCenter::isInForeground() const
{
    if (foregroundProbe_)
        return foregroundProbe_();
    const std::function<bool()> &probe = defaultForegroundProbe();
    return probe && probe();
}

bool LocalNotificationCenter::isPresenterRegistered() const
{
    return foregroundLink_ != nullptr;
}

void LocalNotificationCenter::delegateChanged()
{
    if (!delegate()) {
        foregroundLink_.reset();
        return;
    }
    if (foregroundLink_)
        return;
    // No link: the agent shows every delivery, as it does while Qamarly is closed.
    if (const ForegroundLinkFactory makeLink = foregroundLinkFactory())
        foregroundLink_ = makeLink(*this, busAddress_);
}

} // namespace platform
