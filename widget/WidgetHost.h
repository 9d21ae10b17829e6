#pragma once

#include "platform/defaults/UserDefaults.h"
#include "platform/widgets/WidgetCenter.h"
#include "widget/EntryViews.h"
#include "widget/Provider.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace widget {

// What a widget system does for one placed widget: keeps a timeline from the
// provider, shows each entry from its date on, asks for the next timeline
// when the policy says so and when the application requests a reload.
//
// A single-shot timer waits for the next entry; since timers stop counting
// during a suspend and clocks jump, a check every minute also compares the
// entry in force with the one shown.
class HostController : public QObject
{
    Q_OBJECT
public:
    static constexpr int checkIntervalMs = 60 * 1000;

    explicit HostController(WidgetFamily family, QObject *parent = nullptr);

    // Builds the first timeline and starts the timers.
    void start();
    // Draws for another size from now on: the next timeline is asked for it.
    void setFamily(WidgetFamily family) { context_.family = family; }
    const Timeline &timeline() const { return timeline_; }
    // The entry shown now (undefined before start()).
    const SimpleEntry &shownEntry() const { return timeline_.entries.at(shown_); }
    std::size_t shownIndex() const { return shown_; }
    int timelinesBuilt() const { return timelinesBuilt_; }
    // Milliseconds until the armed entry timer fires; -1 when none is armed.
    int msecsToNextEntry() const { return nextEntry_.isActive() ? nextEntry_.remainingTime() : -1; }

public slots:
    // Brings the shown entry in line with the clock; asks for a new timeline
    // once the last entry's date has come (policy atEnd).
    void evaluate();
    // Asks the provider for a new timeline and shows its entry in force.
    void reloadTimeline();

signals:
    void entryChanged();

private:
    void arm(platform::Instant now);

    Provider provider_;
    TimelineContext context_;
    Timeline timeline_;
    std::size_t shown_ = 0;
    int timelinesBuilt_ = 0;
    QTimer nextEntry_;
    QTimer check_;
    platform::TimelineReloadListener listener_;
};

// One widget the host can show: a kind in one of its families.
struct WidgetChoice
{
    WidgetKind kind;
    WidgetFamily family;
    const char *menuKey;
};
// Every kind in every family it comes in, in the bundle's order.
const std::vector<WidgetChoice> &widgetChoices();

// A placed widget on the desktop: a small frameless window below the others,
// draggable. Its context menu turns it into another kind or family, opens
// Qamarly, or closes it. Remembers where it was left, per kind and family,
// in the widget's own standard defaults (given open for reading only, the
// suite is opened for writing at the first drag); a first start puts each
// kind and family at its own place, so two widgets never open on top of each
// other.
class HostWindow : public QWidget
{
    Q_OBJECT
public:
    HostWindow(WidgetKind kind, WidgetFamily family, std::optional<Appearance> appearance,
               std::shared_ptr<platform::UserDefaults> standardDefaults, QWidget *parent = nullptr);

    HostController &controller() { return controller_; }
    WidgetKind kind() const { return kind_; }
    WidgetFamily family() const { return family_; }
    // The appearance drawn now: the override, or the desktop palette's.
    Appearance appearance() const;
    QString positionKey(const char *axis) const;
    // Where a widget goes the first time: stacked down the right edge of
    // `area`, each choice in its own slot.
    static QPoint defaultPosition(WidgetKind kind, WidgetFamily family, const QRect &area);
    // Shows `kind` in `family` from now on, at that choice's own place.
    void switchTo(WidgetKind kind, WidgetFamily family);
    // What "Open Qamarly" runs; by default the qamarly beside this program,
    // else the one on the PATH. False when it could not be started.
    void setApplicationOpener(std::function<bool()> opener) { openApplication_ = std::move(opener); }
    static bool startApplication();
    // The widget's own suite, never the shared one.
    static QString standardDefaultsName() { return QStringLiteral("org.qamarly.QamarlyWidget"); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void restorePosition();
    void savePosition();

    WidgetKind kind_;
    WidgetFamily family_;
    std::optional<Appearance> appearance_;
    std::shared_ptr<platform::UserDefaults> defaults_;
    HostController controller_;
    std::unique_ptr<EntryView> view_;
    std::function<bool()> openApplication_ = &HostWindow::startApplication;
    QPoint dragOffset_;
    bool dragging_ = false;
};

} // namespace widget
