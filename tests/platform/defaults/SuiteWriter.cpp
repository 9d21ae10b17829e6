// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Writes `count` keys named "<prefix>-<n>" into the suite at `path`, one commit
// each, so a test can run two of these against one file at once. With a
// fourth argument "die" it ends without closing the file, as a killed writer
// does, so the last commits stay in the log beside it.
#include "platform/defaults/UserDefaults.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return 2;
    auto suite = platform::UserDefaults::open(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    for (int i = 0; i < count; ++i) {
        suite->setInteger(prefix + QLatin1Char('-') + QString::number(i), i);
        suite->setInteger(QStringLiteral("shared"), i);
    }
    const int status = suite->waitForWrites(60000) && suite->flush() && suite->isPersistent() ? 0 : 1;
    if (argc == 5 && QByteArray(argv[4]) == "die")
        std::_Exit(status);
    return status;
}
