#include "widget/WidgetHost.h"

#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <limits>

namespace widget {

HostController::HostController(WidgetFamily family, QObject *parent) : QObject(parent)
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
    reloadTimeline();
    check_.start();
}

void HostController::reloadTimeline()
{
    provider_.getTimeline(context_, [this](const Timeline &t) { timeline_ = t; });
    ++timelinesBuilt_;
    const platform::Instant now = platform::Clock::current();
    shown_ = indexInForce(timeline_, now).value_or(0);
    arm(now);
    emit entryChanged();
}

void HostController::evaluate()
{
    const platform::Instant now = platform::Clock::current();
    if (needsNewTimeline(timeline_, now)) {
        reloadTimeline();
        return;
    }
    const std::size_t index = indexInForce(timeline_, now).value_or(0);
    arm(now);
    if (index != shown_) {
        shown_ = index;
        emit entryChanged();
    }
}

void HostController::arm(platform::Instant now)
{
    // The next entry, or the last entry's date when the timeline runs out
    // (then evaluate() asks for the next timeline).
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

const std::vector<WidgetChoice> &widgetChoices()
{
    static const std::vector<WidgetChoice> list{
        {WidgetKind::simple, WidgetFamily::systemSmall, "widget.menu.simpleSmall"},
        {WidgetKind::simple, WidgetFamily::systemMedium, "widget.menu.simpleMedium"},
        {WidgetKind::complex, WidgetFamily::systemMedium, "widget.menu.complexMedium"},
    };
    return list;
}

namespace {
// Distance from the screen's edge and between stacked widgets.
constexpr int screenMargin = 24;
constexpr int widgetGap = 16;
} // namespace

HostWindow::HostWindow(WidgetKind kind, WidgetFamily family, std::optional<Appearance> appearance,
                       std::shared_ptr<platform::UserDefaults> standardDefaults, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::Tool), kind_(kind),
      family_(family), appearance_(appearance), defaults_(std::move(standardDefaults)), controller_(family)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(platform::localized(configuration(kind).displayNameKey));
    setLayoutDirection(platform::Device::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    setFixedSize(familySize(family).toSize());
    connect(&controller_, &HostController::entryChanged, this, [this] {
        view_ = makeEntryView(kind_, family_, controller_.shownEntry());
        update();
    });
    controller_.start();
    restorePosition();
}

Appearance HostWindow::appearance() const
{
    if (appearance_)
        return *appearance_;
    return palette().color(QPalette::Window).lightness() < 128 ? Appearance::dark : Appearance::light;
}

QString HostWindow::positionKey(const char *axis) const
{
    return configuration(kind_).argumentName + QLatin1Char('.') + familyArgumentName(family_) +
           QStringLiteral(".window") + QLatin1String(axis);
}

QPoint HostWindow::defaultPosition(WidgetKind kind, WidgetFamily family, const QRect &area)
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
    return {area.right() + 1 - screenMargin - width, top};
}

void HostWindow::switchTo(WidgetKind kind, WidgetFamily family)
{
    if (!configuration(kind).supports(family) || (kind == kind_ && family == family_))
        return;
    kind_ = kind;
    family_ = family;
    setWindowTitle(platform::localized(configuration(kind).displayNameKey));
    setFixedSize(familySize(family).toSize());
    controller_.setFamily(family);
    controller_.reloadTimeline();
    restorePosition();
}

bool HostWindow::startApplication()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/qamarly");
    const QString program = QFileInfo(beside).isExecutable() ? beside : QStringLiteral("qamarly");
    // A running Qamarly comes to the front; otherwise it starts.
    return QProcess::startDetached(program, {});
}

void HostWindow::restorePosition()
{
    const auto x = defaults_ ? defaults_->integer(positionKey("X")) : std::nullopt;
    const auto y = defaults_ ? defaults_->integer(positionKey("Y")) : std::nullopt;
    if (x && y) {
        const QPoint saved(static_cast<int>(*x), static_cast<int>(*y));
        // Only where a screen still shows it (a monitor may have gone).
        if (QGuiApplication::screenAt(saved + rect().center())) {
            move(saved);
            return;
        }
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(defaultPosition(kind_, family_, screen->availableGeometry()));
}

void HostWindow::savePosition()
{
    if (!defaults_)
        return;
    // The host starts with its suite open for reading, which keeps SQLite's
    // writing half out of a process that mostly idles; a drag is the only
    // write, and opens it for writing.
    if (defaults_->isReadOnly())
        defaults_ = platform::UserDefaults::open(defaults_->path());
    defaults_->setInteger(positionKey("X"), pos().x());
    defaults_->setInteger(positionKey("Y"), pos().y());
    defaults_->flush();
}

void HostWindow::paintEvent(QPaintEvent *)
{
    if (!view_)
        return;
    QPainter painter(this);
    view_->paint(painter, size(), ViewEnvironment{appearance(), layoutDirection() == Qt::RightToLeft});
}

void HostWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
    }
}

void HostWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
        event->accept();
    }
}

void HostWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        savePosition();
        event->accept();
    }
}

void HostWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("widgetMenu"));
    for (const WidgetChoice &choice : widgetChoices()) {
        if (choice.kind == kind_ && choice.family == family_)
            continue;
        menu.addAction(platform::localized(choice.menuKey), this,
                       [this, choice] { switchTo(choice.kind, choice.family); });
    }
    menu.addSeparator();
    menu.addAction(platform::localized("widget.menu.open"), this, [this] {
        if (!openApplication_ || !openApplication_())
            platform::consoleLog(QStringLiteral("Could not start qamarly"));
    });
    menu.addAction(platform::localized("widget.close"), this, &QWidget::close);
    menu.exec(event->globalPos());
}

void HostWindow::changeEvent(QEvent *event)
{
    // The desktop switched between light and dark.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace widget
