// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/EventImportDialog.h"

#include "platform/events/EventDialogs.h"
#include "platform/events/linux/ICalendarFile.h"
#include "platform/localization/Localization.h"
#include "platform/system/BoundedFile.h"
#include "platform/ui/AlertController.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

namespace {

void sayCannotOpen(const QString &fileName, const QString &why, QWidget *parent)
{
    auto *alert = new AlertController(localized("events.import.cannotOpen").arg(fileName), why, parent);
    alert->setObjectName(QStringLiteral("importFailedAlert"));
    alert->addAction(localized("events.import.close"), AlertController::ActionStyle::Default);
    alert->showOver(parent);
}

QString rowText(const CalendarEvent &event)
{
    QStringList lines{event.title.isEmpty() ? localized("events.import.untitled") : event.title,
                      eventWhenText(event)};
    const QDateTime start = toQDateTime(event.startDate).toLocalTime();
    if (const QString hijri = eventDayNote(start.date()); !hijri.isEmpty())
        lines << hijri;
    if (event.recurring)
        lines << localized("events.import.repeats");
    if (!event.location.isEmpty())
        lines << event.location;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

EventImportDialog::EventImportDialog(std::shared_ptr<EventStore> store, QByteArray calendarText,
                                     const QString &fileName, QWidget *parent)
    : QDialog(parent), store_(std::move(store)), data_(std::move(calendarText))
{
    setObjectName(QStringLiteral("eventImport"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(localized("events.import.title"));

    auto *heading = new QLabel(localized("events.import.heading").arg(fileName), this);
    heading->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("importList"));
    list_->setAccessibleName(localized("events.import.title"));
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(true);
    QString error;
    for (const CalendarEvent &event : store_->eventsInData(data_, &error))
        list_->addItem(rowText(event));

    calendar_ = new QComboBox(this);
    calendar_->setObjectName(QStringLiteral("calendarChoice"));
    addWritableCalendars(calendar_, *store_);
    auto *form = new QFormLayout;
    form->addRow(localized("events.editor.calendar"), calendar_);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("importMessage"));
    message_->setWordWrap(true);
    message_->hide();

    auto *buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(localized("events.import.add"), QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("addButton"));
    add_->setDefault(true);
    cancel_ = buttons->addButton(localized("events.editor.cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    connect(add_, &QPushButton::clicked, this, &EventImportDialog::add);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addLayout(form);
    layout->addWidget(message_);
    layout->addWidget(buttons);
    resize(480, 420);

    if (list_->count() == 0 || calendar_->count() == 0) {
        message_->setText(list_->count() == 0 ? error : localized("events.editor.noCalendar"));
        message_->show();
        add_->setEnabled(false);
    }
}

void EventImportDialog::add()
{
    // Access is the user's to give once, as for the calendar tab; opening a
    // file does not grant it.
    const QPointer<EventImportDialog> self(this);
    add_->setEnabled(false);
    store_->requestAccess([self](bool granted, const QString &error) {
        QMetaObject::invokeMethod(qApp, [self, granted, error] {
            if (!self)
                return;
            if (!granted) {
                self->message_->setText(error.isEmpty() ? localized("events.import.noAccess") : error);
                self->message_->show();
                self->add_->setEnabled(true);
                return;
            }
            QString why;
            const auto outcome =
                self->store_->importEvents(self->data_, self->calendar_->currentData().toString(), &why);
            if (!outcome) {
                self->message_->setText(why);
                self->message_->show();
                self->add_->setEnabled(true);
                return;
            }
            self->showOutcome(*outcome);
        });
    });
}

void EventImportDialog::showOutcome(const ImportOutcome &outcome)
{
    if (outcome.problems.isEmpty() && outcome.unchanged == 0) {
        accept();
        return;
    }
    // Something to say: what was done, and what was not, before closing.
    QStringList lines{localized("events.import.done")
                          .arg(calendar_->currentText())
                          .arg(outcome.added)
                          .arg(outcome.updated)
                          .arg(outcome.unchanged)};
    lines << outcome.problems;
    message_->setText(lines.join(QLatin1Char('\n')));
    message_->show();
    add_->hide();
    cancel_->setText(localized("events.import.close"));
    cancel_->setDefault(true);
    cancel_->setFocus();
}

void EventImportDialog::openFile(const QString &path, QWidget *parent)
{
    QString error;
    const auto data = readRegularFile(path, ical::maximumFileSize, &error);
    if (!data) {
        sayCannotOpen(QFileInfo(path).fileName(), error, parent);
        return;
    }
    openData(*data, QFileInfo(path).fileName(), parent);
}

void EventImportDialog::openData(const QByteArray &data, const QString &name, QWidget *parent)
{
    auto store = makeEventStore();
    QString error;
    if (store->eventsInData(data, &error).empty()) {
        sayCannotOpen(name, error, parent);
        return;
    }
    auto *dialog = new EventImportDialog(std::move(store), data, name, parent);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace platform
