// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/EventDialogs.h"

#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"
#include "platform/ui/AlertController.h"
#include "platform/ui/PermissionDialog.h"
#include "platform/ui/UrlOpener.h"

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeZone>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

namespace {

using namespace std::chrono_literals;

constexpr QLatin1StringView lastCalendarKey("LastEventCalendar");

EventDayNote &dayNote()
{
    static EventDayNote note;
    return note;
}

EventDayPicker &dayPicker()
{
    static EventDayPicker picker;
    return picker;
}

// The zones a person picks from: the regions' cities and UTC, not the
// aliases and legacy names the database also knows.
QStringList pickableZones()
{
    static const QStringList zones = [] {
        static const QStringList regions = {
            QStringLiteral("Africa/"), QStringLiteral("America/"),  QStringLiteral("Antarctica/"),
            QStringLiteral("Asia/"),   QStringLiteral("Atlantic/"), QStringLiteral("Australia/"),
            QStringLiteral("Europe/"), QStringLiteral("Indian/"),   QStringLiteral("Pacific/")};
        QStringList found{QStringLiteral("UTC")};
        for (const QByteArray &id : QTimeZone::availableTimeZoneIds()) {
            const QString name = QString::fromUtf8(id);
            if (std::any_of(regions.begin(), regions.end(),
                            [&name](const QString &region) { return name.startsWith(region); }))
                found << name;
        }
        found.sort();
        return found;
    }();
    return zones;
}

// Asks as the calendar tab does (which occurrences, or whether at all),
// then removes; `done` hears the outcome, and nothing on Cancel.
void confirmAndRemove(QWidget *over, const std::shared_ptr<EventStore> &store, const CalendarEvent &event,
                      const std::function<void(bool removed, const QString &error)> &done)
{
    const auto remove = [store, event, done](EventSpan span) {
        QString error;
        const bool removed = store->removeEvent(event, span, &error);
        done(removed, error);
    };
    if (event.recurring) {
        askEventSpan(over, localized("calendarscreen.deleteTitle"),
                     localized("calendarscreen.deleteRepeatingMessage").arg(event.title), true, remove);
        return;
    }
    auto *alert = new AlertController(localized("calendarscreen.deleteTitle"),
                                      localized("calendarscreen.deleteMessage").arg(event.title), over);
    alert->setObjectName(QStringLiteral("eventDeleteAlert"));
    alert->addAction(localized("events.editor.cancel"), AlertController::ActionStyle::Cancel);
    alert->addAction(localized("calendarscreen.deleteConfirm"), AlertController::ActionStyle::Destructive,
                     [remove] { remove(EventSpan::allEvents); });
    alert->showOver(over);
}

// What the alert choices hold besides minutes before the start.
constexpr int noAlert = -1;
// An alert the event has that the choices do not offer: -2 - its index.
constexpr int firstKeptAlert = -2;

void fillAlertChoice(QComboBox *choice)
{
    choice->addItem(localized("events.alert.none"), noAlert);
    for (const auto &[minutes, key] :
         {std::pair{0, "events.alert.atStart"}, std::pair{5, "events.alert.5minutes"},
          std::pair{15, "events.alert.15minutes"}, std::pair{30, "events.alert.30minutes"},
          std::pair{60, "events.alert.1hour"}, std::pair{24 * 60, "events.alert.1day"}})
        choice->addItem(localized(key), minutes);
}

// Shows `alert` in `choice`: one of its own, or the event's alert kept as it is.
void selectAlert(QComboBox *choice, const std::optional<EventAlert> &alert, int index)
{
    if (!alert) {
        choice->setCurrentIndex(0);
        return;
    }
    if (!alert->at && !alert->fromEnd && alert->offsetSeconds <= 0 && alert->offsetSeconds % 60 == 0) {
        const int found = choice->findData(static_cast<int>(-alert->offsetSeconds / 60));
        if (found >= 0) {
            choice->setCurrentIndex(found);
            return;
        }
    }
    choice->addItem(localized("events.alert.custom"), firstKeptAlert - index);
    choice->setCurrentIndex(choice->count() - 1);
}

// A first end for a repeat that lets it happen a few times: a yearly one
// ending a month after its start would happen only once.
QDate suggestedEnd(EventRepeat::Kind kind, QDate start)
{
    using Kind = EventRepeat::Kind;
    switch (kind) {
    case Kind::weekly:
        return start.addMonths(3);
    case Kind::monthly:
    case Kind::hijriMonthly:
        return start.addYears(1);
    case Kind::yearly:
    case Kind::hijriYearly:
        return start.addYears(5);
    default:
        return start.addMonths(1);
    }
}

QDateTime localTime(Instant instant)
{
    return toQDateTime(instant).toLocalTime();
}

// The locale's own order and separators, with the year written out.
QString withFullYears(QString format)
{
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

} // namespace

QString eventWhenText(const CalendarEvent &event)
{
    const QLocale locale;
    const QDateTime start = localTime(event.startDate);
    const QDateTime end = localTime(event.endDate);
    if (event.allDay) {
        if (start.date() == end.date())
            return locale.toString(start.date(), QLocale::LongFormat);
        return locale.toString(start.date(), QLocale::LongFormat) + QStringLiteral(" – ") +
               locale.toString(end.date(), QLocale::LongFormat);
    }
    if (start.date() == end.date())
        return locale.toString(start.date(), QLocale::LongFormat) + QLatin1Char('\n') +
               locale.toString(start.time(), QLocale::ShortFormat) + QStringLiteral(" – ") +
               locale.toString(end.time(), QLocale::ShortFormat);
    return locale.toString(start, QLocale::ShortFormat) + QStringLiteral(" – ") +
           locale.toString(end, QLocale::ShortFormat);
}

QString eventZoneText(const CalendarEvent &event)
{
    if (event.allDay || event.timeZone.isEmpty() || event.timeZone == Device::timeZoneId())
        return {};
    const QTimeZone zone(event.timeZone.toUtf8());
    if (!zone.isValid())
        return {};
    const QLocale locale;
    const QDateTime start = toQDateTime(event.startDate).toTimeZone(zone);
    const QDateTime end = toQDateTime(event.endDate).toTimeZone(zone);
    const QString times = locale.toString(start, QLocale::ShortFormat) + QStringLiteral(" – ") +
                          (start.date() == end.date() ? locale.toString(end.time(), QLocale::ShortFormat)
                                                      : locale.toString(end, QLocale::ShortFormat));
    return localized("events.viewer.inZone").arg(event.timeZone, times);
}

QString eventDayNote(QDate day)
{
    return dayNote() ? dayNote()(day) : QString();
}

void addWritableCalendars(QComboBox *choice, EventStore &store)
{
    for (const auto &calendar : store.calendars()) {
        if (!calendar->allowsContentModifications)
            continue;
        QPixmap swatch(12, 12);
        swatch.fill(QColor::isValidColorName(calendar->color) ? QColor::fromString(calendar->color)
                                                              : choice->palette().color(QPalette::Mid));
        choice->addItem(QIcon(swatch), calendar->title, calendar->identifier);
    }
    choice->setCurrentIndex(
        std::max(0, choice->findData(UserDefaults::standard()->string(lastCalendarKey).value_or(QString()))));
}

EventEditDialog::EventEditDialog(std::shared_ptr<EventStore> store, std::optional<CalendarEvent> editing,
                                 std::optional<Instant> day, QWidget *parent)
    : QDialog(parent), store_(std::move(store)), editing_(std::move(editing))
{
    setObjectName(QStringLiteral("eventEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(localized(editing_ ? "events.editor.editTitle" : "events.editor.newTitle"));

    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("titleField"));
    title_->setPlaceholderText(localized("events.editor.titlePlaceholder"));
    location_ = new QLineEdit(this);
    location_->setObjectName(QStringLiteral("locationField"));
    location_->setPlaceholderText(localized("events.editor.locationPlaceholder"));
    url_ = new QLineEdit(this);
    url_->setObjectName(QStringLiteral("urlField"));
    url_->setPlaceholderText(localized("events.editor.urlPlaceholder"));
    url_->setInputMethodHints(Qt::ImhUrlCharactersOnly);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("notesField"));
    notes_->setPlaceholderText(localized("events.editor.notes"));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 3 + 12);
    const auto noteLabel = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setVisible(static_cast<bool>(dayNote()));
        QPalette muted = label->palette();
        muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText));
        label->setPalette(muted);
        return label;
    };
    startNote_ = noteLabel("startHijriLabel");
    endNote_ = noteLabel("endHijriLabel");
    untilNote_ = noteLabel("untilHijriLabel");
    allDay_ = new QCheckBox(localized("events.editor.allDay"), this);
    allDay_->setObjectName(QStringLiteral("allDaySwitch"));
    start_ = new QDateTimeEdit(this);
    start_->setObjectName(QStringLiteral("startField"));
    start_->setCalendarPopup(true);
    end_ = new QDateTimeEdit(this);
    end_->setObjectName(QStringLiteral("endField"));
    end_->setCalendarPopup(true);
    const auto pickButton = [this](const char *name, QDateTimeEdit *field) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setText(localized("events.editor.pickHijri"));
        button->setVisible(static_cast<bool>(dayPicker()));
        connect(button, &QToolButton::clicked, this, [this, field] { pickDay(field); });
        return button;
    };
    startPick_ = pickButton("startHijriButton", start_);
    endPick_ = pickButton("endHijriButton", end_);
    zone_ = new QComboBox(this);
    zone_->setObjectName(QStringLiteral("zoneChoice"));
    for (const QString &zone : pickableZones())
        zone_->addItem(QString(zone).replace(QLatin1Char('_'), QLatin1Char(' ')), zone);
    // An event's zone is its own: shown, and its times read in it.
    const QString eventZone =
        editing_ && !editing_->timeZone.isEmpty() && QTimeZone(editing_->timeZone.toUtf8()).isValid()
            ? editing_->timeZone
            : Device::timeZoneId();
    if (zone_->findData(eventZone) < 0)
        zone_->insertItem(0, eventZone, eventZone);
    zone_->setCurrentIndex(zone_->findData(eventZone));
    zone_->setEnabled(!editing_);
    calendar_ = new QComboBox(this);
    calendar_->setObjectName(QStringLiteral("calendarChoice"));
    using Kind = EventRepeat::Kind;
    repeat_ = new QComboBox(this);
    repeat_->setObjectName(QStringLiteral("repeatChoice"));
    for (const auto &[kind, key] :
         {std::pair{Kind::never, "events.repeat.never"}, std::pair{Kind::daily, "events.repeat.daily"},
          std::pair{Kind::weekly, "events.repeat.weekly"}, std::pair{Kind::monthly, "events.repeat.monthly"},
          std::pair{Kind::yearly, "events.repeat.yearly"},
          std::pair{Kind::hijriMonthly, "events.repeat.hijriMonthly"},
          std::pair{Kind::hijriYearly, "events.repeat.hijriYearly"}})
        repeat_->addItem(localized(key), static_cast<int>(kind));
    weekdayRow_ = new QWidget(this);
    auto *weekdayLayout = new QHBoxLayout(weekdayRow_);
    weekdayLayout->setContentsMargins(0, 0, 0, 0);
    // In the order of the locale's week.
    const int firstDay = QLocale().firstDayOfWeek();
    for (int i = 0; i < 7; ++i) {
        const int weekday = (firstDay - 1 + i) % 7 + 1;
        auto *box = new QCheckBox(QLocale().dayName(weekday, QLocale::ShortFormat), weekdayRow_);
        box->setObjectName(QStringLiteral("weekday%1").arg(weekday));
        weekdays_[static_cast<std::size_t>(weekday - 1)] = box;
        weekdayLayout->addWidget(box);
    }
    skip_ = new QComboBox(this);
    skip_->setObjectName(QStringLiteral("skipChoice"));
    skip_->addItem(localized("events.repeat.skipForward"), true);
    skip_->addItem(localized("events.repeat.skipBackward"), false);
    repeatEnd_ = new QComboBox(this);
    repeatEnd_->setObjectName(QStringLiteral("repeatEndChoice"));
    repeatEnd_->addItem(localized("events.repeat.endNever"));
    repeatEnd_->addItem(localized("events.repeat.endOn"));
    repeatEnd_->addItem(localized("events.repeat.endAfter"));
    until_ = new QDateEdit(this);
    until_->setObjectName(QStringLiteral("untilField"));
    until_->setCalendarPopup(true);
    until_->setDisplayFormat(withFullYears(QLocale().dateFormat(QLocale::ShortFormat)));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("countField"));
    count_->setRange(1, maximumRepeatCount);
    count_->setValue(10);
    count_->setSuffix(localized("events.repeat.times"));
    alert_ = new QComboBox(this);
    alert_->setObjectName(QStringLiteral("alertChoice"));
    fillAlertChoice(alert_);
    secondAlert_ = new QComboBox(this);
    secondAlert_->setObjectName(QStringLiteral("secondAlertChoice"));
    fillAlertChoice(secondAlert_);
    auto *endRowWidget = new QWidget(this);
    auto *endRow = new QHBoxLayout(endRowWidget);
    endRow->setContentsMargins(0, 0, 0, 0);
    endRow->addWidget(repeatEnd_);
    endRow->addWidget(until_);
    endRow->addWidget(count_);
    endRow->addWidget(untilNote_);
    endRow->addStretch();

    error_ = new QLabel(this);
    error_->setObjectName(QStringLiteral("errorLabel"));
    error_->setWordWrap(true);
    error_->setStyleSheet(QStringLiteral("color: #c00000;"));
    error_->hide();

    auto *form = new QFormLayout;
    form_ = form;
    form->addRow(localized("events.editor.title"), title_);
    form->addRow(localized("events.editor.location"), location_);
    form->addRow(localized("events.editor.url"), url_);
    form->addRow(QString(), allDay_);
    const auto dayRow = [this](QLabel *note, QToolButton *pick) {
        auto *row = new QWidget(this);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(note);
        layout->addWidget(pick);
        layout->addStretch();
        return row;
    };
    form->addRow(localized("events.editor.starts"), start_);
    form->addRow(QString(), dayRow(startNote_, startPick_));
    form->addRow(localized("events.editor.ends"), end_);
    form->addRow(QString(), dayRow(endNote_, endPick_));
    form->addRow(localized("events.editor.timeZone"), zone_);
    form->addRow(localized("events.editor.repeat"), repeat_);
    form->addRow(QString(), weekdayRow_);
    form->addRow(QString(), skip_);
    form->addRow(localized("events.editor.endRepeat"), endRowWidget);
    endRow_ = endRowWidget;
    form->addRow(localized("events.editor.alert"), alert_);
    form->addRow(localized("events.editor.secondAlert"), secondAlert_);
    form->addRow(localized("events.editor.calendar"), calendar_);
    form->addRow(localized("events.editor.notes"), notes_);

    auto *buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton(localized("events.editor.save"), QDialogButtonBox::AcceptRole);
    save_->setObjectName(QStringLiteral("saveButton"));
    cancel_ = buttons->addButton(localized("events.editor.cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    if (editing_)
        addDeleteButton(buttons);
    connect(save_, &QPushButton::clicked, this, &EventEditDialog::save);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(allDay_, &QCheckBox::toggled, this, &EventEditDialog::allDayToggled);
    connect(repeat_, &QComboBox::currentIndexChanged, this, &EventEditDialog::showRepeatFields);
    // Picking "weekly" starts on the start's own day, until the user picks others.
    connect(repeat_, &QComboBox::activated, this, [this] {
        if (static_cast<EventRepeat::Kind>(repeat_->currentData().toInt()) == EventRepeat::Kind::weekly &&
            std::none_of(weekdays_.begin(), weekdays_.end(),
                         [](const QCheckBox *box) { return box->isChecked(); }))
            weekdayBox(start_->date().dayOfWeek())->setChecked(true);
    });
    connect(repeatEnd_, &QComboBox::currentIndexChanged, this, &EventEditDialog::showRepeatFields);
    connect(alert_, &QComboBox::currentIndexChanged, this, &EventEditDialog::showAlertFields);
    connect(start_, &QDateTimeEdit::dateChanged, this, &EventEditDialog::showDayNotes);
    connect(end_, &QDateTimeEdit::dateChanged, this, &EventEditDialog::showDayNotes);
    connect(until_, &QDateEdit::dateChanged, this, &EventEditDialog::showDayNotes);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(error_);
    layout->addWidget(buttons);

    // Only calendars that can be written are offered, each with its colour;
    // a new event goes where the last one went.
    addWritableCalendars(calendar_, *store_);
    if (editing_)
        showEditedEvent();
    else
        showNewEvent(day);
    showRepeatFields();
    showAlertFields();
    showDayNotes();
    if (calendar_->count() == 0) {
        error_->setText(localized("events.editor.noCalendar"));
        error_->show();
        save_->setEnabled(false);
    }
    allDayToggled(allDay_->isChecked());
}

void EventEditDialog::addDeleteButton(QDialogButtonBox *buttons)
{
    delete_ =
        buttons->addButton(localized("calendarscreen.deleteConfirm"), QDialogButtonBox::DestructiveRole);
    delete_->setObjectName(QStringLiteral("deleteButton"));
    connect(delete_, &QPushButton::clicked, this, [this] {
        const QPointer<EventEditDialog> self(this);
        confirmAndRemove(this, store_, *editing_, [self](bool removed, const QString &error) {
            if (!self)
                return;
            if (removed) {
                self->accept();
                return;
            }
            self->error_->setText(localized("events.editor.deleteFailed").arg(error));
            self->error_->show();
        });
    });
}

void EventEditDialog::showEditedEvent()
{
    using Kind = EventRepeat::Kind;
    title_->setText(editing_->title);
    location_->setText(editing_->location);
    url_->setText(editing_->url);
    urlShown_ = url_->text();
    notes_->setPlainText(editing_->notes);
    notesShown_ = notes_->toPlainText();
    allDay_->setChecked(editing_->allDay);
    start_->setDateTime(wallTime(editing_->startDate));
    end_->setDateTime(wallTime(editing_->endDate));
    const int index = editing_->calendar ? calendar_->findData(editing_->calendar->identifier) : -1;
    calendar_->setCurrentIndex(std::max(0, index));
    calendar_->setEnabled(false);
    const EventRepeat &rule = editing_->repeat;
    // A rule this editor cannot show is kept as it is unless another is chosen.
    if (rule.kind == Kind::other)
        repeat_->addItem(localized("events.repeat.other"), static_cast<int>(Kind::other));
    repeat_->setCurrentIndex(std::max(0, repeat_->findData(static_cast<int>(rule.kind))));
    for (const int weekday : rule.weekdays) {
        if (weekday >= 1 && weekday <= 7)
            weekdayBox(weekday)->setChecked(true);
    }
    skip_->setCurrentIndex(rule.skipForward ? 0 : 1);
    repeatEnd_->setCurrentIndex(rule.count > 0 ? 2 : rule.until ? 1 : 0);
    if (rule.count > 0)
        count_->setValue(std::min(rule.count, maximumRepeatCount));
    if (rule.until) {
        until_->setDate(*rule.until);
    } else {
        suggestedUntil_ = suggestedEnd(rule.kind, localTime(editing_->startDate).date());
        until_->setDate(*suggestedUntil_);
    }
    const auto &alerts = editing_->alerts;
    selectAlert(alert_, alerts.empty() ? std::nullopt : std::optional(alerts[0]), 0);
    selectAlert(secondAlert_, alerts.size() < 2 ? std::nullopt : std::optional(alerts[1]), 1);
}

void EventEditDialog::showNewEvent(std::optional<Instant> day)
{
    // The next whole hour of the day being looked at, for an hour.
    const QDateTime now = localTime(Clock::current());
    QDateTime start(day ? localTime(*day).date() : now.date(), QTime(now.time().hour(), 0));
    start = start.addSecs(3600);
    start_->setDateTime(start);
    end_->setDateTime(start.addSecs(3600));
    suggestedUntil_ = suggestedEnd(EventRepeat::Kind::never, start.date());
    until_->setDate(*suggestedUntil_);
}

void EventEditDialog::allDayToggled(bool allDay)
{
    form_->setRowVisible(zone_, !allDay);
    // A date-only format drops the times: they come back when the event is
    // timed again, rather than as midnight to midnight.
    if (allDay)
        shownTimes_ = {start_->time(), end_->time()};
    const QString format = withFullYears(allDay ? QLocale().dateFormat(QLocale::ShortFormat)
                                                : QLocale().dateTimeFormat(QLocale::ShortFormat));
    start_->setDisplayFormat(format);
    end_->setDisplayFormat(format);
    if (!allDay && shownTimes_) {
        start_->setTime(shownTimes_->first);
        end_->setTime(shownTimes_->second);
        shownTimes_.reset();
    }
}

void EventEditDialog::showDayNotes()
{
    if (!dayNote())
        return;
    startNote_->setText(dayNote()(start_->date()));
    endNote_->setText(dayNote()(end_->date()));
    untilNote_->setText(dayNote()(until_->date()));
}

// The fields show wall-clock times in the chosen zone, which the date-time
// fields themselves know nothing of.
QDateTime EventEditDialog::wallTime(Instant at) const
{
    const QTimeZone zone(zone_->currentData().toString().toUtf8());
    const QDateTime there = zone.isValid() ? toQDateTime(at).toTimeZone(zone) : localTime(at);
    return QDateTime(there.date(), there.time());
}

Instant EventEditDialog::instantOf(QDateTimeEdit *field) const
{
    if (allDay_->isChecked())
        return fromQDateTime(field->date().startOfDay());
    const QTimeZone zone(zone_->currentData().toString().toUtf8());
    const QDateTime wall = field->dateTime();
    return fromQDateTime(zone.isValid() ? QDateTime(wall.date(), wall.time(), zone) : wall);
}

void EventEditDialog::pickDay(QDateTimeEdit *field)
{
    if (!dayPicker())
        return;
    const QPointer<EventEditDialog> self(this);
    dayPicker()(this, field->date(), [self, field](QDate day) {
        if (!self || !day.isValid())
            return;
        // A new start takes the end along, so the event keeps its length.
        if (field == self->start_) {
            const qint64 length = self->start_->dateTime().secsTo(self->end_->dateTime());
            self->start_->setDate(day);
            self->end_->setDateTime(self->start_->dateTime().addSecs(std::max<qint64>(0, length)));
        } else {
            field->setDate(day);
        }
        field->setFocus(Qt::OtherFocusReason);
    });
}

void EventEditDialog::showRepeatFields()
{
    using Kind = EventRepeat::Kind;
    const auto kind = static_cast<Kind>(repeat_->currentData().toInt());
    const bool repeats = kind != Kind::never && kind != Kind::other;
    // The suggested end follows the kind until the user picks one.
    if (suggestedUntil_ && until_->date() == *suggestedUntil_) {
        suggestedUntil_ = suggestedEnd(kind, start_->date());
        until_->setDate(*suggestedUntil_);
    }
    // Whole rows, labels included, come and go with the choice.
    form_->setRowVisible(weekdayRow_, kind == Kind::weekly);
    form_->setRowVisible(skip_, kind == Kind::hijriMonthly || kind == Kind::hijriYearly);
    form_->setRowVisible(endRow_, repeats);
    until_->setVisible(repeats && repeatEnd_->currentIndex() == 1);
    untilNote_->setVisible(dayNote() && until_->isVisibleTo(this));
    count_->setVisible(repeats && repeatEnd_->currentIndex() == 2);
}

void EventEditDialog::showAlertFields()
{
    form_->setRowVisible(secondAlert_, alert_->currentData().toInt() != noAlert);
}

std::vector<EventAlert> EventEditDialog::chosenAlerts() const
{
    const std::vector<EventAlert> had = editing_ ? editing_->alerts : std::vector<EventAlert>();
    std::vector<EventAlert> alerts;
    for (const QComboBox *choice : {alert_, secondAlert_}) {
        const int value = choice->currentData().toInt();
        if (value == noAlert || (choice == secondAlert_ && alert_->currentData().toInt() == noAlert))
            continue;
        const std::size_t kept = static_cast<std::size_t>(firstKeptAlert - value);
        const EventAlert alert = value >= 0 ? EventAlert::minutesBefore(value) : had.at(kept);
        if (std::find(alerts.begin(), alerts.end(), alert) == alerts.end())
            alerts.push_back(alert);
    }
    // Alerts beyond the two the editor shows stay as they are.
    for (std::size_t i = 2; i < had.size(); ++i)
        alerts.push_back(had[i]);
    return alerts;
}

EventRepeat EventEditDialog::chosenRepeat() const
{
    using Kind = EventRepeat::Kind;
    const auto kind = static_cast<Kind>(repeat_->currentData().toInt());
    if (kind == Kind::other && editing_)
        return editing_->repeat;
    EventRepeat repeat;
    repeat.kind = kind;
    if (kind == Kind::never)
        return repeat;
    if (kind == Kind::weekly) {
        for (int day = 1; day <= 7; ++day) {
            if (weekdayBox(day)->isChecked())
                repeat.weekdays.push_back(day);
        }
    }
    if (kind == Kind::hijriMonthly || kind == Kind::hijriYearly)
        repeat.skipForward = skip_->currentData().toBool();
    if (repeatEnd_->currentIndex() == 1)
        repeat.until = until_->date();
    else if (repeatEnd_->currentIndex() == 2)
        repeat.count = count_->value();
    return repeat;
}

void EventEditDialog::save()
{
    EventDraft draft;
    draft.title = title_->text().trimmed();
    if (draft.title.isEmpty())
        draft.title = localized("events.editor.untitled");
    draft.location = location_->text().trimmed();
    // Untouched, the address stays as the file has it, whatever it is.
    if (editing_ && url_->text() == urlShown_) {
        draft.url = editing_->url;
    } else {
        draft.url = linkAddressFrom(url_->text());
        if (draft.url->isEmpty() && !url_->text().trimmed().isEmpty()) {
            error_->setText(localized("events.editor.badUrl"));
            error_->show();
            return;
        }
    }
    draft.allDay = allDay_->isChecked();
    draft.startDate = instantOf(start_);
    draft.endDate = instantOf(end_);
    // A new event's times are written in its zone, so that a repeat keeps
    // its hour across daylight-saving changes.
    if (!editing_ && !draft.allDay)
        draft.timeZone = zone_->currentData().toString();
    if (draft.endDate < draft.startDate) {
        error_->setText(localized("events.editor.endBeforeStart"));
        error_->show();
        return;
    }
    draft.calendarIdentifier = calendar_->currentData().toString();
    EventRepeat repeat = chosenRepeat();
    // A weekly rule on chosen days names the start's day too, so that the
    // start is one of them.
    if (repeat.kind == EventRepeat::Kind::weekly && !repeat.weekdays.empty()) {
        const int startDay = start_->date().dayOfWeek();
        if (std::find(repeat.weekdays.begin(), repeat.weekdays.end(), startDay) == repeat.weekdays.end()) {
            repeat.weekdays.push_back(startDay);
            std::sort(repeat.weekdays.begin(), repeat.weekdays.end());
        }
        // The start's day alone is what a weekly rule means anyway.
        if (repeat.weekdays == std::vector{startDay})
            repeat.weekdays.clear();
    }
    draft.repeat = repeat;
    draft.alerts = chosenAlerts();
    if (const QString problem = repeatProblem(repeat, start_->date()); !problem.isEmpty()) {
        error_->setText(localized("events.editor.repeatEndsBeforeStart"));
        error_->show();
        return;
    }
    // Untouched notes stay as the file has them, line ends and all.
    draft.notes = editing_ && notes_->toPlainText() == notesShown_ ? editing_->notes : notes_->toPlainText();
    if (editing_ && editing_->recurring) {
        const QPointer<EventEditDialog> self(this);
        askEventSpan(this, localized("events.span.saveTitle"),
                     localized("events.span.saveMessage").arg(editing_->title), false,
                     [self, draft](EventSpan span) {
                         if (self)
                             self->commit(draft, span);
                     });
        return;
    }
    commit(draft, EventSpan::allEvents);
}

void EventEditDialog::commit(const EventDraft &draft, EventSpan span)
{
    if (editing_ && span == EventSpan::thisEvent && draft.repeat != editing_->repeat) {
        error_->setText(localized("events.editor.repeatForSeries"));
        error_->show();
        return;
    }
    QString error;
    const bool saved =
        editing_ ? store_->updateEvent(*editing_, draft, span, &error) : store_->saveNewEvent(draft, &error);
    if (!saved) {
        error_->setText(localized("events.editor.saveFailed").arg(error));
        error_->show();
        return;
    }
    if (!editing_) {
        const auto defaults = UserDefaults::standard();
        defaults->setString(lastCalendarKey, draft.calendarIdentifier);
        defaults->flush();
    }
    accept();
}

EventViewDialog::EventViewDialog(std::shared_ptr<EventStore> store, CalendarEvent event, bool allowsEditing,
                                 QWidget *parent)
    : QDialog(parent), store_(std::move(store)), event_(std::move(event)), allowsEditing_(allowsEditing)
{
    setObjectName(QStringLiteral("eventViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(localized("events.viewer.windowTitle"));
    setMinimumWidth(320);

    auto *layout = new QVBoxLayout(this);
    title_ = new QLabel(event_.title, this);
    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setWordWrap(true);
    QFont big = title_->font();
    big.setPixelSize(20);
    big.setBold(true);
    title_->setFont(big);
    layout->addWidget(title_);
    if (!event_.location.isEmpty()) {
        auto *location = new QLabel(event_.location, this);
        location->setObjectName(QStringLiteral("locationLabel"));
        location->setWordWrap(true);
        layout->addWidget(location);
    }
    if (!event_.url.isEmpty()) {
        url_ = new QLabel(this);
        url_->setObjectName(QStringLiteral("urlLabel"));
        url_->setWordWrap(true);
        if (isLinkAddress(event_.url)) {
            url_->setTextFormat(Qt::RichText);
            url_->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(event_.url.toHtmlEscaped()));
            url_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
            // The address as the event has it, not as the label's text gives it back.
            connect(url_, &QLabel::linkActivated, this,
                    [this] { UrlOpener::shared().open(QUrl(event_.url)); });
        } else {
            // Anything else another program wrote (a file, a script) is only shown.
            url_->setTextFormat(Qt::PlainText);
            url_->setText(event_.url);
        }
        layout->addWidget(url_);
    }
    auto *when = new QLabel(eventWhenText(event_), this);
    when->setObjectName(QStringLiteral("whenLabel"));
    layout->addWidget(when);
    if (const QString zoneText = eventZoneText(event_); !zoneText.isEmpty()) {
        auto *zone = new QLabel(zoneText, this);
        zone->setObjectName(QStringLiteral("zoneLabel"));
        zone->setWordWrap(true);
        layout->addWidget(zone);
    }
    if (event_.repeat.repeats()) {
        static constexpr const char *kinds[] = {"events.repeat.never",       "events.repeat.daily",
                                                "events.repeat.weekly",      "events.repeat.monthly",
                                                "events.repeat.yearly",      "events.repeat.hijriMonthly",
                                                "events.repeat.hijriYearly", "events.repeat.other"};
        // A rule that could not be followed is said so, not hidden.
        const bool unfollowed = event_.repeat.kind == EventRepeat::Kind::other && !event_.recurring;
        auto *repeat = new QLabel(localized(unfollowed ? "events.viewer.unfollowedRule"
                                                       : kinds[static_cast<int>(event_.repeat.kind)]),
                                  this);
        repeat->setObjectName(QStringLiteral("repeatLabel"));
        repeat->setWordWrap(true);
        layout->addWidget(repeat);
    }
    if (event_.calendar) {
        auto *calendar = new QLabel(localized("events.viewer.calendar").arg(event_.calendar->title), this);
        calendar->setObjectName(QStringLiteral("calendarLabel"));
        layout->addWidget(calendar);
    }
    if (!event_.notes.isEmpty()) {
        auto *notes = new QLabel(event_.notes, this);
        notes->setWordWrap(true);
        layout->addWidget(notes);
    }
    auto *buttons = new QDialogButtonBox(this);
    if (allowsEditing_) {
        edit_ = buttons->addButton(localized("events.viewer.edit"), QDialogButtonBox::ActionRole);
        edit_->setObjectName(QStringLiteral("editButton"));
        connect(edit_, &QPushButton::clicked, this, [this] {
            auto *editor = new EventEditDialog(store_, event_, std::nullopt, this);
            connect(editor, &QDialog::accepted, this, &QDialog::accept);
            editor->open();
        });
    }
    if (allowsEditing_) {
        delete_ =
            buttons->addButton(localized("calendarscreen.deleteConfirm"), QDialogButtonBox::DestructiveRole);
        delete_->setObjectName(QStringLiteral("deleteButton"));
        connect(delete_, &QPushButton::clicked, this, [this] {
            const QPointer<EventViewDialog> self(this);
            confirmAndRemove(this, store_, event_, [self](bool removed, const QString &error) {
                if (!self)
                    return;
                if (removed) {
                    self->accept();
                    return;
                }
                auto *alert =
                    new AlertController(localized("calendarscreen.deleteTitle"),
                                        localized("events.editor.deleteFailed").arg(error), self.data());
                alert->addAction(localized("events.viewer.done"), AlertController::ActionStyle::Cancel);
                alert->showOver(self.data());
            });
        });
    }
    done_ = buttons->addButton(localized("events.viewer.done"), QDialogButtonBox::AcceptRole);
    done_->setObjectName(QStringLiteral("doneButton"));
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void askEventSpan(QWidget *over, const QString &title, const QString &message, bool destructive,
                  const std::function<void(EventSpan)> &chosen)
{
    auto *alert = new AlertController(title, message, over);
    alert->setObjectName(QStringLiteral("eventSpanAlert"));
    const auto style =
        destructive ? AlertController::ActionStyle::Destructive : AlertController::ActionStyle::Default;
    alert->addAction(localized("events.span.thisEvent"), style, [chosen] { chosen(EventSpan::thisEvent); });
    alert->addAction(localized("events.span.futureEvents"), style,
                     [chosen] { chosen(EventSpan::futureEvents); });
    alert->addAction(localized("events.span.allEvents"), style, [chosen] { chosen(EventSpan::allEvents); });
    alert->addAction(localized("events.editor.cancel"), AlertController::ActionStyle::Cancel);
    alert->showOver(over);
}

void setEventDayNote(EventDayNote note)
{
    dayNote() = std::move(note);
}

void setEventDayPicker(EventDayPicker picker)
{
    dayPicker() = std::move(picker);
}

void showEventAccessDialog(std::function<void(bool)> answer)
{
    askPermission(QStringLiteral("calendarAccessDialog"), QStringLiteral("events.access"), std::move(answer));
}

void installEventAccessDialog()
{
    setEventAccessPrompt(showEventAccessDialog);
}

} // namespace platform
