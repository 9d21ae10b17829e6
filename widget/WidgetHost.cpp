// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/WidgetHost.h"

#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/system/ProgramPart.h"
#include "widget/TimelineJson.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <limits>

namespace widget {

namespace {

// Thirty entries take some 30 KB; a child printing more has gone wrong.
constexpr qint64 maxTimelineBytes = 1024 * 1024;
// Only the first line of what a failed child says is logged.
constexpr qint64 keptErrorBytes = 4096;

// The first line a failed child wrote, to say why in the host's one line,
// with its control characters escaped: they would reach the log as they are.
QString firstLine(const QByteArray &output)
{
    return platform::printable(QString::fromUtf8(output).section(QLatin1Char('\n'), 0, 0).trimmed());
}

} // namespace

TimelineSource childTimelineSource(QObject *owner, int timeoutMs, const QString &program,
                                   const QStringList &arguments)
{
    QPointer<QObject> guard(owner);
    return [guard, timeoutMs, program, arguments](const TimelineContext &, TimelineReply reply) {
        if (!guard) {
            reply({std::nullopt, QStringLiteral("the host is closing")});
            return;
        }
        auto *child = new QProcess(guard);
        auto *timeout = new QTimer(child);
        timeout->setSingleShot(true);
        // One answer per request, whichever of exit, failure, overflow and timeout comes first.
        auto answer = std::make_shared<TimelineReply>(std::move(reply));
        auto finish = [timeout, answer](TimelineResult result) {
            if (!*answer)
                return;
            timeout->stop();
            const TimelineReply once = std::move(*answer);
            *answer = nullptr;
            once(std::move(result));
        };
        // Taken from the pipes as it comes, so a child that prints without end
        // costs no more than the cap before it is stopped.
        auto output = std::make_shared<QByteArray>();
        auto errors = std::make_shared<QByteArray>();
        auto takeOutput = [child, output, answer, finish]() {
            const QByteArray chunk = child->readAllStandardOutput();
            if (!*answer)
                return false;
            if (output->size() + chunk.size() > maxTimelineBytes) {
                output->clear();
                finish({std::nullopt,
                        QStringLiteral("the timeline command printed more than %1 bytes; stopped it")
                            .arg(maxTimelineBytes)});
                child->kill();
                return false;
            }
            output->append(chunk);
            return true;
        };
        auto takeErrors = [child, errors] {
            const QByteArray chunk = child->readAllStandardError();
            errors->append(chunk.left(keptErrorBytes - errors->size()));
        };
        QObject::connect(child, &QProcess::readyReadStandardOutput, child, takeOutput);
        QObject::connect(child, &QProcess::readyReadStandardError, child, takeErrors);
        // Gone once it has ended, also after a kill.
        QObject::connect(child, &QProcess::finished, child, &QObject::deleteLater);
        QObject::connect(
            child, &QProcess::finished, child,
            [output, errors, takeOutput, takeErrors, finish](int code, QProcess::ExitStatus status) {
                if (!takeOutput())
                    return;
                takeErrors();
                if (status != QProcess::NormalExit || code != 0) {
                    const QString why = firstLine(*errors);
                    finish({std::nullopt, QStringLiteral("the timeline command ended with status %1%2")
                                              .arg(code)
                                              .arg(why.isEmpty() ? QString() : QStringLiteral(": ") + why)});
                    return;
                }
                QString error;
                std::optional<Timeline> timeline = timelineFromJson(*output, &error);
                if (!timeline)
                    finish({std::nullopt, QStringLiteral("the timeline command printed ") + error});
                else
                    finish({std::move(timeline), QString()});
            });
        QObject::connect(child, &QProcess::errorOccurred, child, [child, finish](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart)
                return;
            finish({std::nullopt,
                    QStringLiteral("the timeline command did not start: ") + child->errorString()});
            child->deleteLater();
        });
        QObject::connect(timeout, &QTimer::timeout, child, [child, finish, timeoutMs] {
            child->kill();
            finish({std::nullopt, QStringLiteral("the timeline command gave no answer in %1 s; stopped it")
                                      .arg(timeoutMs / 1000)});
        });
        timeout->start(timeoutMs);
        child->start(program.isEmpty() ? platform::launcherPath() : program, arguments);
    };
}

HostController::HostController(WidgetFamily family, TimelineSource source, QObject *parent)
    : QObject(parent), source_(std::move(source))
{
    context_.family = family;
    nextEntry_.setSingleShot(true);
    // Entries change at midnight exactly; a coarse timer may fire early.
    nextEntry_.setTimerType(Qt::PreciseTimer);
    connect(&nextEntry_, &QTimer::timeout, this, &HostController::evaluate);
    check_.setInterval(checkIntervalMs);
    connect(&check_, &QTimer::timeout, this, &HostController::evaluate);
    connect(&listener_, &platform::TimelineReloadListener::reloadRequested, this,
            &HostController::reloadTimeline);
}

void HostController::start()
{
    check_.start();
    reloadTimeline();
}

void HostController::reloadTimeline()
{
    if (waiting_) {
        askAgain_ = true;
        return;
    }
    waiting_ = true;
    askAgain_ = false;
    ++requested_;
    QPointer<HostController> self(this);
    source_(context_, [self](TimelineResult result) {
        if (self)
            self->receive(std::move(result));
    });
}

void HostController::receive(TimelineResult result)
{
    waiting_ = false;
    if (!result.timeline || result.timeline->entries.empty()) {
        // The entry shown stays; the minute check asks again.
        retry_ = true;
        platform::consoleWarning(lcWidget(),
                                 QStringLiteral("qamarly-widget: no new timeline (%1); keeping the one shown")
                                     .arg(result.error.isEmpty() ? QStringLiteral("empty") : result.error));
        emit timelineFailed();
    } else {
        timeline_ = std::move(*result.timeline);
        ++received_;
        const platform::Instant now = platform::Clock::current();
        shown_ = indexInForce(timeline_, now);
        // Made for another moment (a child whose clock or zone differs): no
        // date rather than a wrong one, and the minute check asks again.
        retry_ = !shown_;
        if (!shown_) {
            auto utc = [](platform::Instant at) {
                return QDateTime::fromMSecsSinceEpoch(platform::msecsOf(at), Qt::UTC).toString(Qt::ISODate);
            };
            platform::consoleWarning(
                lcWidget(),
                QStringLiteral("qamarly-widget: the timeline runs from %1 to %2, not over the present; "
                               "showing no date")
                    .arg(utc(timeline_.entries.front().date), utc(timeline_.endDate())));
        }
        arm(now);
        emit entryChanged();
    }
    if (askAgain_)
        reloadTimeline();
}

void HostController::evaluate()
{
    const platform::Instant now = platform::Clock::current();
    if (retry_ || !indexInForce(timeline_, now) || needsNewTimeline(timeline_, now)) {
        if (!waiting_)
            reloadTimeline();
        // Until it comes, the entries in hand still follow the clock.
        if (!hasTimeline())
            return;
    }
    const std::optional<std::size_t> index = indexInForce(timeline_, now);
    arm(now);
    if (index != shown_) {
        shown_ = index;
        emit entryChanged();
    }
}

void HostController::arm(platform::Instant now)
{
    // The next entry; none when the timeline has run out (then the minute
    // check asks for the next timeline).
    std::optional<platform::Instant> next = nextEntryDate(timeline_, now);
    if (!next) {
        nextEntry_.stop();
        return;
    }
    using namespace std::chrono;
    const auto wait = std::clamp<std::int64_t>(duration_cast<milliseconds>(*next - now).count(), 0,
                                               std::numeric_limits<int>::max());
    nextEntry_.start(static_cast<int>(wait));
}

MenuRunner childMenuRunner(QObject *owner)
{
    QPointer<QObject> guard(owner);
    return [guard](const WidgetChoice &choice, QPoint at, MenuAnswer answer) {
        if (!guard) {
            answer(QString());
            return;
        }
        auto *child = new QProcess(guard);
        auto once = std::make_shared<MenuAnswer>(std::move(answer));
        auto finish = [child, once](const QString &id) {
            if (!*once)
                return;
            const MenuAnswer a = std::move(*once);
            *once = nullptr;
            child->disconnect();
            child->deleteLater();
            a(id);
        };
        QObject::connect(
            child, &QProcess::finished, child, [child, finish](int code, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || code != 0) {
                    platform::consoleWarning(
                        lcWidget(),
                        QStringLiteral("qamarly-widget: the menu ended with status %1").arg(code));
                    finish(QString());
                    return;
                }
                finish(QString::fromUtf8(child->readAllStandardOutput()).trimmed());
            });
        QObject::connect(child, &QProcess::errorOccurred, child, [child, finish](QProcess::ProcessError e) {
            if (e != QProcess::FailedToStart)
                return;
            platform::consoleWarning(lcWidget(), QStringLiteral("qamarly-widget: the menu did not start: ") +
                                                     child->errorString());
            finish(QString());
        });
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(platform::launcherPath(),
                     {QStringLiteral("menu"), QStringLiteral("--kind"),
                      configuration(choice.kind).argumentName, QStringLiteral("--family"),
                      familyArgumentName(choice.family), QStringLiteral("--at"),
                      QStringLiteral("%1,%2").arg(at.x()).arg(at.y())});
    };
}

namespace {
// Under Wayland a window's position is the compositor's alone: setting it does
// nothing, and reading it gives 0,0.
bool compositorPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Distance from the screen's edge and between stacked widgets.
constexpr int screenMargin = 24;
constexpr int widgetGap = 16;

WidgetChoice choiceOf(WidgetKind kind, WidgetFamily family)
{
    for (const WidgetChoice &choice : widgetChoices()) {
        if (choice.kind == kind && choice.family == family)
            return choice;
    }
    return WidgetChoice{kind, family, ""};
}
} // namespace

HostWindow::HostWindow(const HostOptions &options, std::shared_ptr<HostPositions> positions,
                       HostServices services)
    : choice_(choiceOf(options.kind, options.family)), place_(choice_), appearance_(options.appearance),
      rightToLeft_(platform::Device::isRightToLeft()), positions_(std::move(positions)),
      services_(std::move(services)),
      controller_(options.family, services_.timelines ? services_.timelines : childTimelineSource(this))
{
    if (positions_)
        slot_ = positions_->claimSlot(place_, slotLock_);
    if (!services_.menu)
        services_.menu = childMenuRunner(this);
    if (!services_.openApplication)
        services_.openApplication = &HostWindow::startApplication;
    setFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool);
    QSurfaceFormat format = this->format();
    format.setAlphaBufferSize(8);
    setFormat(format);
    setTitle(platform::localized(configuration(choice_.kind).displayNameKey));
    const QSize size = familySize(choice_.family).toSize();
    resize(size);
    setMinimumSize(size);
    setMaximumSize(size);
    // The desktop switching between light and dark reaches the application.
    qGuiApp->installEventFilter(this);
    connect(&controller_, &HostController::entryChanged, this, &HostWindow::entryChanged);
    connect(&controller_, &HostController::timelineFailed, this, [this] {
        // Nothing to show yet: an empty card the user can still move or close.
        if (!view_ && !closed_ && !isVisible())
            show();
    });
    restorePosition();
    controller_.start();
}

HostWindow::~HostWindow()
{
    qGuiApp->removeEventFilter(this);
}

void HostWindow::entryChanged()
{
    if (!controller_.hasTimeline())
        return;
    // Without an entry for the present an empty card, which the user can still move or close.
    if (controller_.showsEntry())
        view_ = makeEntryView(choice_.kind, choice_.family, controller_.shownEntry());
    else
        view_.reset();
    if (!closed_ && !isVisible())
        show();
    update();
}

Appearance HostWindow::appearance() const
{
    if (appearance_)
        return *appearance_;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? Appearance::dark
                                                                                : Appearance::light;
}

QPoint HostWindow::defaultPosition(WidgetKind kind, WidgetFamily family, const QRect &area, int slot)
{
    int top = area.top() + screenMargin;
    int width = 0;
    for (const WidgetChoice &choice : widgetChoices()) {
        const QSize size = familySize(choice.family).toSize();
        if (choice.kind == kind && choice.family == family) {
            width = size.width();
            break;
        }
        top += size.height() + widgetGap;
    }
    const int left = area.right() + 1 - screenMargin - width - slot * (width + widgetGap);
    return {std::max(area.left() + screenMargin, left), top};
}

void HostWindow::switchTo(WidgetKind kind, WidgetFamily family)
{
    if (!configuration(kind).supports(family) || (kind == choice_.kind && family == choice_.family))
        return;
    choice_ = choiceOf(kind, family);
    setTitle(platform::localized(configuration(kind).displayNameKey));
    const QSize size = familySize(family).toSize();
    setMinimumSize(size);
    setMaximumSize(size);
    resize(size);
    // Until the new timeline comes, today's entry in the new layout.
    if (controller_.showsEntry())
        view_ = makeEntryView(kind, family, controller_.shownEntry());
    update();
    controller_.setFamily(family);
    controller_.reloadTimeline();
    keepOnScreen();
}

void HostWindow::keepOnScreen()
{
    const QScreen *screen = QGuiApplication::screenAt(position() + QPoint(width() / 2, height() / 2));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || compositorPlacesWindows())
        return;
    const QRect area = screen->availableGeometry();
    QPoint at = position();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
    if (at != position())
        setPosition(at);
}

void HostWindow::requestMenu(QPoint globalPosition)
{
    if (menuOpen_)
        return;
    menuOpen_ = true;
    QPointer<HostWindow> self(this);
    services_.menu(choice_, globalPosition, [self](const QString &answer) {
        if (!self)
            return;
        self->menuOpen_ = false;
        self->actOn(answer);
    });
}

void HostWindow::actOn(const QString &answer)
{
    if (answer.isEmpty())
        return;
    if (answer == QLatin1String(menuCloseId)) {
        closed_ = true;
        close();
        return;
    }
    if (answer == QLatin1String(menuOpenId)) {
        if (!services_.openApplication())
            platform::consoleWarning(lcWidget(), QStringLiteral("Could not start qamarly"));
        return;
    }
    if (const auto choice = choiceFromId(answer)) {
        switchTo(choice->kind, choice->family);
        return;
    }
    platform::consoleWarning(lcWidget(),
                             QStringLiteral("qamarly-widget: the menu answered '%1', which is no item of it")
                                 .arg(platform::printable(answer)));
}

bool HostWindow::startApplication()
{
    const QString beside = platform::launcherDirectory() + QStringLiteral("/qamarly");
    const QString program = QFileInfo(beside).isExecutable() ? beside : QStringLiteral("qamarly");
    // A running Qamarly comes to the front; otherwise it starts.
    return QProcess::startDetached(program, {});
}

void HostWindow::restorePosition()
{
    if (const auto saved = positions_ ? positions_->position(place_, slot_) : std::nullopt) {
        // Only where a screen still shows it (a monitor may have gone).
        if (QGuiApplication::screenAt(*saved + QPoint(width() / 2, height() / 2))) {
            setPosition(*saved);
            return;
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setPosition(defaultPosition(choice_.kind, choice_.family, screen->availableGeometry(), slot_));
}

void HostWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The corners outside the card stay see-through.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const ViewEnvironment environment{appearance(), rightToLeft_};
    if (view_) {
        view_->paint(painter, size(), environment);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColor(environment.appearance));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size())), EntryView::cornerRadius,
                            EntryView::cornerRadius);
}

void HostWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && compositorPlacesWindows()) {
        // A Wayland client cannot place itself: the compositor moves it,
        // and never says where to, so there is nothing to remember.
        startSystemMove();
        event->accept();
    } else if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        moved_ = false;
        dragOffset_ = event->globalPosition().toPoint() - position();
        event->accept();
    } else if (event->button() == Qt::RightButton) {
        requestMenu(event->globalPosition().toPoint());
        event->accept();
    }
}

void HostWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        const QPoint to = event->globalPosition().toPoint() - dragOffset_;
        if (to != position()) {
            setPosition(to);
            moved_ = true;
        }
        event->accept();
    }
}

void HostWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        if (moved_ && positions_)
            positions_->save(place_, position(), slot_);
        event->accept();
    }
}

void HostWindow::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        requestMenu(mapToGlobal(QPoint(width() / 2, height() / 2)));
        event->accept();
        return;
    }
    QRasterWindow::keyPressEvent(event);
}

bool HostWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ThemeChange || event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QRasterWindow::event(event);
}

bool HostWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return QRasterWindow::eventFilter(watched, event);
}

} // namespace widget
