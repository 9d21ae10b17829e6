// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarDataSource.h"
#include "components/calendar/MonthCalendarDelegate.h"
#include "components/calendar/MonthCalendarDelegateAppearance.h"
#include "components/calendar/OtherCalendarDaySource.h"
#include "core/RGConv.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/events/EventStore.h"
#include "platform/ui/ViewController.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class CalendarVC;
}

namespace app::screens {

class EventDots;
class EventRowView;

// The month calendar tab: the grid on either calendar with the other
// calendar's day under every day, and the events of the selected day below.
// The event query runs off the main thread; the list and the table change
// together on the main thread, and only with the answer to the latest request.
class CalendarVC : public platform::ViewController,
                   public components::MonthCalendarDataSource,
                   public components::MonthCalendarDelegate,
                   public components::MonthCalendarDelegateAppearance
{
    Q_OBJECT

public:
    explicit CalendarVC(QWidget *parent = nullptr);
    ~CalendarVC() override;

    void viewDidLoad() override;
    // The access may have been changed on the settings page meanwhile.
    void viewWillAppear() override;
    // Lays the grid out anew when the stored adjustment or first day of the
    // week changed; runs at every appearance and while the screen is shown.
    void followAdjustment();

    Ui::CalendarVC &outlets() { return *ui_; }
    platform::EventStore &eventStore() { return *eventStore_; }
    const std::optional<std::vector<platform::CalendarEvent>> &events() const { return events_; }
    int numberOfRows() const;
    EventRowView *rowView(int row) const;
    const core::RGConv &conv() const { return conv_; }
    bool animateCells() const { return animateCells_; }
    // The Gregorian day whose events are listed (or being fetched).
    std::optional<platform::Instant> listedDay() const { return listedDay_; }
    // True while an event query is under way (the list's or the dots').
    bool loading() const;
    // The heading over the list: which day it lists, and "No events".
    QLabel *listDayLabel() const { return listDayLabel_; }
    QLabel *listHijriDayLabel() const { return listHijriDayLabel_; }
    QLabel *noEventsLabel() const { return noEventsLabel_; }
    // Runs the row entrances to their end (tests, screenshots).
    void finishRowAnimations();

    // User actions.
    void todayButtonAction();
    void calTypeChanged();
    // Also the window's New Event (Ctrl+N), called by name from the shell.
    Q_INVOKABLE void addEventButtonAction();

    void selectToday();
    void applyCalendarType();
    void loadEventsForSelectedDate();

    // Month calendar data source and delegate.
    QString subtitleForDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    int numberOfEventsForDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    QString accessibleDescriptionForDate(components::MonthCalendarView *calendar,
                                         platform::Instant date) override;
    std::shared_ptr<const QImage> imageForDate(components::MonthCalendarView *calendar,
                                               platform::Instant date) override;
    std::optional<platform::Instant> minimumDateForCalendar(components::MonthCalendarView *calendar) override;
    std::optional<platform::Instant> maximumDateForCalendar(components::MonthCalendarView *calendar) override;
    void didSelectDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    void calendarCurrentPageDidChange(components::MonthCalendarView *calendar) override;
    void boundingRectWillChange(components::MonthCalendarView *calendar, const QRectF &bounds,
                                bool animated) override;
    // Each dot in its event's calendar colour.
    std::vector<QColor> eventColorsForDate(components::MonthCalendarView *calendar,
                                           platform::Instant date) override;

    // Where the grid and the list go for a screen of `size`: the list beside
    // the grid when the screen is wide, under it otherwise.
    void layoutForSize(QSize size);
    bool isSideBySide() const { return sideBySide_; }

signals:
    // The table shows a new list (after the query and the reload).
    void eventsReloaded();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void requestAccessAndLoad();
    void replaceEvents(std::vector<platform::CalendarEvent> events, quint64 generation);
    void reloadTable();
    void selectRow(int row);
    void deleteEvent(const platform::CalendarEvent &event);
    void shareEvent(const platform::CalendarEvent &event);
    void presentEditor();
    void presentViewer(const platform::CalendarEvent &event);
    void showError(const QString &message);
    void applyCalendarAppearance();
    void addListHeading();
    void showListHeading();
    // Asks for the dots of the page on screen and its neighbours.
    void refreshDots();

    std::unique_ptr<Ui::CalendarVC> ui_;
    std::shared_ptr<platform::EventStore> eventStore_;
    EventDots *dots_ = nullptr;
    QWidget *listHeading_ = nullptr;
    QLabel *listDayLabel_ = nullptr;
    QLabel *listHijriDayLabel_ = nullptr;
    QLabel *noEventsLabel_ = nullptr;
    std::optional<std::vector<platform::CalendarEvent>> events_;
    platform::DateFormatter eventDateFormater;
    bool animateCells_ = true;
    core::RGConv conv_;
    // Subtitles are worked out with a converter of their own.
    components::OtherCalendarDaySource subtitles_;
    std::optional<platform::Instant> listedDay_;
    // The latest list request; read on the store's thread too, so a request
    // overtaken while it waited there is dropped before its query runs.
    std::shared_ptr<std::atomic<quint64>> latestRequest_ = std::make_shared<std::atomic<quint64>>(0);
    bool appeared_ = false;
    bool sideBySide_ = false;
    int pending_ = 0;
    std::optional<std::int64_t> shownAdjustment_;
    std::optional<int> shownFirstWeekday_;
    QTimer *adjustmentWatch_ = nullptr;
    // Keeps this screen's answers from outliving it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace app::screens
