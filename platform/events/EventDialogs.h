// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QDialog>
#include <QTime>
#include <array>
#include <memory>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QDateEdit;
class QSpinBox;
class QToolButton;
class QWidget;

namespace platform {

// The event editor: a new event (starting empty, on `day` when given) or a
// change of `editing`. Save writes through the store and closes; a write that
// fails keeps the dialog open with the reason, so nothing typed is lost.
class EventEditDialog : public QDialog
{
    Q_OBJECT

public:
    EventEditDialog(std::shared_ptr<EventStore> store, std::optional<CalendarEvent> editing,
                    std::optional<Instant> day, QWidget *parent = nullptr);

    QLineEdit *titleField() const { return title_; }
    QLineEdit *locationField() const { return location_; }
    QLineEdit *urlField() const { return url_; }
    QPlainTextEdit *notesField() const { return notes_; }
    // The other calendar's date of the start, the end and the repeat's end.
    QLabel *startNote() const { return startNote_; }
    QLabel *endNote() const { return endNote_; }
    QDateTimeEdit *startField() const { return start_; }
    QDateTimeEdit *endField() const { return end_; }
    // Pick the start's or the end's day by its Hijri date (when a picker is set).
    QToolButton *startHijriButton() const { return startPick_; }
    QToolButton *endHijriButton() const { return endPick_; }
    // The zone the times are read in: the local one for a new event; an
    // event keeps the zone it has.
    QComboBox *zoneChoice() const { return zone_; }
    QCheckBox *allDaySwitch() const { return allDay_; }
    QComboBox *calendarChoice() const { return calendar_; }
    QComboBox *repeatChoice() const { return repeat_; }
    // 1 Monday ... 7 Sunday.
    QCheckBox *weekdayBox(int weekday) const { return weekdays_.at(static_cast<std::size_t>(weekday - 1)); }
    QComboBox *skipChoice() const { return skip_; }
    QComboBox *repeatEndChoice() const { return repeatEnd_; }
    QDateEdit *untilField() const { return until_; }
    QSpinBox *countField() const { return count_; }
    // The reminders: the second is offered once the first is chosen.
    QComboBox *alertChoice() const { return alert_; }
    QComboBox *secondAlertChoice() const { return secondAlert_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *cancelButton() const { return cancel_; }
    // Only when changing an event.
    QPushButton *deleteButton() const { return delete_; }
    QLabel *errorLabel() const { return error_; }

private:
    // The constructor's steps: the delete button of an event being edited,
    // and the fields filled from that event or for a new one on `day`.
    void addDeleteButton(QDialogButtonBox *buttons);
    void showEditedEvent();
    void showNewEvent(std::optional<Instant> day);
    void save();
    void commit(const EventDraft &draft, EventSpan span);
    void allDayToggled(bool allDay);
    void showRepeatFields();
    void showDayNotes();
    void pickDay(QDateTimeEdit *field);
    QDateTime wallTime(Instant at) const;
    Instant instantOf(QDateTimeEdit *field) const;
    EventRepeat chosenRepeat() const;
    std::vector<EventAlert> chosenAlerts() const;
    void showAlertFields();

    std::shared_ptr<EventStore> store_;
    std::optional<CalendarEvent> editing_;
    QLineEdit *title_;
    QLineEdit *location_;
    QLineEdit *url_;
    QString urlShown_;
    QPlainTextEdit *notes_;
    QString notesShown_;
    QLabel *startNote_;
    QLabel *endNote_;
    QLabel *untilNote_;
    QCheckBox *allDay_;
    QDateTimeEdit *start_;
    QDateTimeEdit *end_;
    QToolButton *startPick_;
    QToolButton *endPick_;
    QComboBox *zone_;
    // The times while the event is shown as all-day.
    std::optional<std::pair<QTime, QTime>> shownTimes_;
    QComboBox *calendar_;
    QFormLayout *form_;
    QComboBox *repeat_;
    QWidget *weekdayRow_;
    QWidget *endRow_;
    std::array<QCheckBox *, 7> weekdays_{};
    QComboBox *skip_;
    QComboBox *repeatEnd_;
    QDateEdit *until_;
    QSpinBox *count_;
    // The end offered while the user has not chosen one.
    std::optional<QDate> suggestedUntil_;
    QComboBox *alert_;
    QComboBox *secondAlert_;
    QLabel *error_;
    QPushButton *save_;
    QPushButton *cancel_;
    QPushButton *delete_ = nullptr;
};

// The event viewer: what the event is, where and when, in which calendar.
// Edit is offered only when editing is allowed.
class EventViewDialog : public QDialog
{
    Q_OBJECT

public:
    EventViewDialog(std::shared_ptr<EventStore> store, CalendarEvent event, bool allowsEditing,
                    QWidget *parent = nullptr);

    bool allowsEditing() const { return allowsEditing_; }
    QPushButton *editButton() const { return edit_; }
    QPushButton *doneButton() const { return done_; }
    QPushButton *deleteButton() const { return delete_; }
    QLabel *titleLabel() const { return title_; }
    // The event's address: a link for web pages and mail, text otherwise.
    QLabel *urlLabel() const { return url_; }

private:
    std::shared_ptr<EventStore> store_;
    CalendarEvent event_;
    bool allowsEditing_;
    QLabel *title_;
    QLabel *url_ = nullptr;
    QPushButton *edit_ = nullptr;
    QPushButton *delete_ = nullptr;
    QPushButton *done_;
};

// The other calendar's date of a day, shown beside the editor's date
// fields; the application installs the Hijri date. None by default.
using EventDayNote = std::function<QString(QDate day)>;
void setEventDayNote(EventDayNote note);
// How the editor lets a day be picked on the other calendar: over `over`,
// starting at `day`; `picked` hears the day chosen, and nothing on Cancel.
using EventDayPicker =
    std::function<void(QWidget *over, QDate day, const std::function<void(QDate)> &picked)>;
void setEventDayPicker(EventDayPicker picker);
// The installed note for `day`, or nothing.
QString eventDayNote(QDate day);

// When an event happens, in the locale's long dates with the year written out.
QString eventWhenText(const CalendarEvent &event);
// When it happens in its own zone, where that is not the local one; empty
// otherwise.
QString eventZoneText(const CalendarEvent &event);
// The calendars that can be written, each with its colour, into `choice`;
// the one the last new event went to is chosen.
void addWritableCalendars(QComboBox *choice, EventStore &store);

// The question desktop calendars ask before changing or deleting a repeating
// event: this occurrence, it and the following ones, or all of them. The
// answer arrives after the question has closed; Cancel gives none.
void askEventSpan(QWidget *over, const QString &title, const QString &message, bool destructive,
                  const std::function<void(EventSpan)> &chosen);

// The platform's question whether Qamarly may read the user's calendars;
// answers false when closed without a choice.
void showEventAccessDialog(std::function<void(bool granted)> answer);
// Installs showEventAccessDialog as the store's way of asking.
void installEventAccessDialog();

} // namespace platform
