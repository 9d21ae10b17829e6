// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// The text of calendar files as the store tests write them, and the folder
// they write them into.
#include "platform/system/Console.h"
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringBuilder>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testcal {

inline QByteArray calendarText(const QByteArray &body)
{
    return QByteArrayLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n") + body +
           QByteArrayLiteral("END:VCALENDAR\r\n");
}

inline QByteArray eventText(const QByteArray &uid, const QByteArray &lines)
{
    return QByteArrayLiteral("BEGIN:VEVENT\r\nUID:") + uid +
           QByteArrayLiteral("\r\nDTSTAMP:20260101T000000Z\r\n") + lines +
           QByteArrayLiteral("END:VEVENT\r\n");
}

// One calendar, calendars/home, in a fresh temporary folder; what the store
// says on the console is kept in log_.
class CalendarFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousSink_ = platform::setConsoleSink([this](const QString &line) { log_ << line; });
        QDir().mkpath(folder());
    }
    void TearDown() override { platform::setConsoleSink(previousSink_); }

    QString base() const { return dir_.path() + QStringLiteral("/calendars"); }
    QString folder() const { return base() + QStringLiteral("/home"); }

    void put(const QString &name, const QByteArray &data)
    {
        QFile file(folder() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    testenv::ScopedEnvironment env_{QStringLiteral("en_US"), QStringLiteral("UTC")};
    QTemporaryDir dir_;
    QStringList log_;
    platform::ConsoleSink previousSink_;
};

} // namespace testcal
