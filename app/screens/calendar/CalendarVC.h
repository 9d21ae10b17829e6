// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarDataSource.h"
#include "components/calendar/MonthCalendarDelegate.h"
#include "components/calendar/OtherCalendarDaySource.h"
#include "core/RGConv.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/events/EventStore.h"
#include "platform/ui/ViewController.h"

#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class CalendarVC;
}

namespace app::screens {

class EventRowView;

// The month calendar tab: the grid on either calendar with the other
// calendar's day under every day, and the events of the selected day below.
// The event query runs off the main thread; the list and the table change
// together on the main thread, and only with the answer to the latest request.
class CalendarVC : public platform::ViewController,
                   public components::MonthCalendarDataSource,
                   public components::MonthCalendarDelegate
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
    // True while an event query is under way.
    bool loading() const { return pending_ > 0; }
    // Runs the row entrances to their end (tests, screenshots).
    void finishRowAnimations();

    // User actions.
    void todayButtonAction();
    void calTypeChanged();
    void addEventButtonAction();

    void selectToday();
    void applyCalendarType();
    void loadEventsForSelectedDate();

    // Month calendar data source and delegate.
    QString subtitleForDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    int numberOfEventsForDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    std::shared_ptr<const QImage> imageForDate(components::MonthCalendarView *calendar,
                                               platform::Instant date) override;
    std::optional<platform::Instant> minimumDateForCalendar(components::MonthCalendarView *calendar) override;
    std::optional<platform::Instant> maximumDateForCalendar(components::MonthCalendarView *calendar) override;
    void didSelectDate(components::MonthCalendarView *calendar, platform::Instant date) override;
    void calendarCurrentPageDidChange(components::MonthCalendarView *calendar) override;
    void boundingRectWillChange(components::MonthCalendarView *calendar, const QRectF &bounds,
                                bool animated) override;

signals:
    // The table shows a new list (after the query and the reload).
    void eventsReloaded();

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

    std::unique_ptr<Ui::CalendarVC> ui_;
    std::shared_ptr<platform::EventStore> eventStore_;
    std::optional<std::vector<platform::CalendarEvent>> events_;
    platform::DateFormatter eventDateFormater;
    bool animateCells_ = true;
    core::RGConv conv_;
    // Subtitles are worked out with a converter of their own.
    components::OtherCalendarDaySource subtitles_;
    std::optional<platform::Instant> listedDay_;
    quint64 generation_ = 0;
    bool appeared_ = false;
    int pending_ = 0;
    std::optional<std::int64_t> shownAdjustment_;
    std::optional<int> shownFirstWeekday_;
    QTimer *adjustmentWatch_ = nullptr;
    // Keeps this screen's answers from outliving it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace app::screens
