#pragma once

#include "platform/UserDefaults.h"
#include "platform/WidgetCenter.h"
#include "widget/EntryViews.h"
#include "widget/Provider.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

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

// A placed widget on the desktop: a small frameless window below the others,
// draggable, with a Close item in its context menu. Remembers where it was
// left, per kind and family, in the widget's own standard defaults.
class HostWindow : public QWidget
{
    Q_OBJECT
public:
    HostWindow(WidgetKind kind, WidgetFamily family, std::optional<Appearance> appearance,
               std::shared_ptr<platform::UserDefaults> standardDefaults, QWidget *parent = nullptr);

    HostController &controller() { return controller_; }
    // The appearance drawn now: the override, or the desktop palette's.
    Appearance appearance() const;
    QString positionKey(const char *axis) const;
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
    QPoint dragOffset_;
    bool dragging_ = false;
};

} // namespace widget
