// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Commands run in the test's own process, and the files they read.
#pragma once

#include "app/cli/CommandLine.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTextStream>
#include <gtest/gtest.h>

namespace clitest {

// What a command ended with and wrote.
struct Outcome
{
    int status = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

inline Outcome run(const QStringList &arguments)
{
    Outcome r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.status = app::cli::runCommandLine(arguments, out, err).value_or(-1);
    out.flush();
    err.flush();
    return r;
}

inline void write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(data);
}

} // namespace clitest
