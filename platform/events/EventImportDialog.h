// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace platform {

// An iCalendar file opened from the desktop (an invitation, another
// program's export): its events listed with their dates, and added to the
// calendar the user picks. Nothing is written before "Add to Calendar".
class EventImportDialog : public QDialog
{
    Q_OBJECT

public:
    EventImportDialog(std::shared_ptr<EventStore> store, QByteArray calendarText, const QString &fileName,
                      QWidget *parent = nullptr);

    // Reads `path` and opens the dialog over `parent`; a file that cannot be
    // read or holds no events is said in an alert instead.
    static void openFile(const QString &path, QWidget *parent);
    // The same for iCalendar text made by the program, called `name`.
    static void openData(const QByteArray &data, const QString &name, QWidget *parent);

    QListWidget *eventList() const { return list_; }
    QComboBox *calendarChoice() const { return calendar_; }

private:
    void add();
    void showOutcome(const ImportOutcome &outcome);

    std::shared_ptr<EventStore> store_;
    QByteArray data_;
    QListWidget *list_;
    QComboBox *calendar_;
    QLabel *message_;
    QPushButton *add_;
    QPushButton *cancel_;
};

} // namespace platform
