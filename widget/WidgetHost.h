// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/widgets/WidgetCenter.h"
#include "widget/EntryViews.h"
#include "widget/HostPositions.h"
#include "widget/WidgetCommandLine.h"

#include <QPoint>
#include <QRasterWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace widget {

// A timeline, or why there is none.
struct TimelineResult
{
    std::optional<Timeline> timeline;
    QString error;
};
// Where a host gets its timelines: asks, and answers once through the reply,
// later (never blocking the caller's event loop).
using TimelineReply = std::function<void(TimelineResult)>;
using TimelineSource = std::function<void(const TimelineContext &, TimelineReply)>;

// Runs this program's `timeline --json` (or `program` with `arguments`) and
// reads what it prints: the calendars, the settings and the formatters stay
// in that short-lived process. A child that runs longer than `timeoutMs` is
// killed. The child inherits the environment (zone, locale).
TimelineSource childTimelineSource(QObject *owner, int timeoutMs = 10'000, const QString &program = {},
                                   const QStringList &arguments = {QStringLiteral("timeline"),
                                                                   QStringLiteral("--json")});

// What a widget system does for one placed widget: keeps a timeline from its
// source, shows each entry from its date on, asks for the next timeline when
// the policy says so and when the application requests a reload.
//
// A single-shot timer waits for the next entry; since timers stop counting
// during a suspend and clocks jump, a check every minute also compares the
// entry in force with the one shown. A timeline that cannot be had leaves the
// one shown in place; the next minute check asks again. Whenever the timeline
// in hand does not cover the present moment, no entry is shown (never
// another day as today) and a new one is asked for.
class HostController : public QObject
{
    Q_OBJECT
public:
    static constexpr int checkIntervalMs = 60 * 1000;

    HostController(WidgetFamily family, TimelineSource source, QObject *parent = nullptr);

    // Asks for the first timeline and starts the timers.
    void start();
    // Draws for another size from now on: the next timeline is asked for it.
    void setFamily(WidgetFamily family) { context_.family = family; }
    const Timeline &timeline() const { return timeline_; }
    bool hasTimeline() const { return !timeline_.entries.empty(); }
    // Whether an entry is shown: none when the timeline in hand does not
    // cover the present moment.
    bool showsEntry() const { return shown_.has_value(); }
    // The entry shown now (only when showsEntry()).
    const SimpleEntry &shownEntry() const { return timeline_.entries.at(shown_.value()); }
    std::optional<std::size_t> shownIndex() const { return shown_; }
    int timelinesReceived() const { return received_; }
    int timelinesRequested() const { return requested_; }
    bool isWaitingForTimeline() const { return waiting_; }
    // Milliseconds until the armed entry timer fires; -1 when none is armed.
    int msecsToNextEntry() const { return nextEntry_.isActive() ? nextEntry_.remainingTime() : -1; }

public slots:
    // Brings the shown entry in line with the clock; asks for a new timeline
    // once the last entry's date has come (policy atEnd), or when the last
    // request failed.
    void evaluate();
    // Asks the source for a new timeline; it is shown when it arrives.
    void reloadTimeline();

signals:
    void entryChanged();
    void timelineFailed();

private:
    void receive(TimelineResult result);
    void arm(platform::Instant now);

    TimelineSource source_;
    TimelineContext context_;
    Timeline timeline_;
    std::optional<std::size_t> shown_;
    int requested_ = 0;
    int received_ = 0;
    bool waiting_ = false;
    // A reload was asked for while a request was out: its answer may predate
    // the change that prompted it.
    bool askAgain_ = false;
    bool retry_ = false;
    QTimer nextEntry_;
    QTimer check_;
    platform::TimelineReloadListener listener_;
};

// The host's context menu runs in a process of its own (the menu needs the
// widget toolkit, which the host does not load). Asks for the menu of
// `choice` at `globalPosition`; answers once with the chosen item's id, or
// an empty text when nothing was chosen or the menu could not be shown.
using MenuAnswer = std::function<void(const QString &id)>;
using MenuRunner = std::function<void(const WidgetChoice &choice, QPoint globalPosition, MenuAnswer)>;
// Runs this program's `menu` command.
MenuRunner childMenuRunner(QObject *owner);

struct HostServices
{
    // Both default to the child processes when empty.
    TimelineSource timelines;
    MenuRunner menu;
    // What "Open Qamarly" runs; false when it could not be started.
    std::function<bool()> openApplication;
};

// A placed widget on the desktop: a small frameless window below the others,
// draggable, drawn with the Qt GUI library alone. Its context menu turns it
// into another kind or family, opens Qamarly, or closes it. A first start
// puts each kind and family at its own place, so two widgets never open on
// top of each other. It shows itself when its first timeline arrives (or, if
// that fails, as an empty card).
class HostWindow : public QRasterWindow
{
    Q_OBJECT
public:
    HostWindow(const HostOptions &options, std::shared_ptr<HostPositions> positions,
               HostServices services = {});
    ~HostWindow() override;

    HostController &controller() { return controller_; }
    WidgetKind kind() const { return choice_.kind; }
    WidgetFamily family() const { return choice_.family; }
    bool isRightToLeft() const { return rightToLeft_; }
    // The appearance drawn now: the override, or the desktop palette's.
    Appearance appearance() const;
    // The view drawn now; null before the first timeline.
    const EntryView *view() const { return view_.get(); }
    bool isMenuOpen() const { return menuOpen_; }
    // Where a widget goes the first time: stacked down the right edge of
    // `area`, each choice in its own slot.
    // A second widget of one choice goes beside the first, to its left.
    static QPoint defaultPosition(WidgetKind kind, WidgetFamily family, const QRect &area, int slot = 0);
    // Shows `kind` in `family` from now on, at that choice's own place.
    void switchTo(WidgetKind kind, WidgetFamily family);
    // Opens the context menu at a global position (ignored while one is open).
    void requestMenu(QPoint globalPosition);
    // Acts on a menu answer: a widget choice's id, "open" or "close".
    void actOn(const QString &answer);
    static bool startApplication();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void entryChanged();
    void restorePosition();
    // Moves the widget back onto its screen's free area when a new size
    // made it stick out.
    void keepOnScreen();

    WidgetChoice choice_;
    // The choice this widget was started with: the name its place is kept
    // under, whatever kind and size it is switched to since, so it never
    // jumps onto another widget's place.
    WidgetChoice place_;
    // Which of several widgets started with the same choice this is.
    int slot_ = 0;
    std::unique_ptr<QLockFile> slotLock_;
    std::optional<Appearance> appearance_;
    bool rightToLeft_;
    std::shared_ptr<HostPositions> positions_;
    HostServices services_;
    HostController controller_;
    std::unique_ptr<EntryView> view_;
    QPoint dragOffset_;
    bool dragging_ = false;
    bool moved_ = false;
    bool menuOpen_ = false;
    bool closed_ = false;
};

} // namespace widget
