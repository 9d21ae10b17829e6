// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// The text of calendar files as the store tests write them.
#include <QByteArray>
#include <QStringBuilder>

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

} // namespace testcal
