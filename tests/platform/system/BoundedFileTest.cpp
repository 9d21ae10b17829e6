// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/BoundedFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using platform::readRegularFile;
using platform::readRegularFileHead;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(BoundedFile, ReadsARegularFileWithinItsCapWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ics"));
    writeFile(path, QByteArray(10000, 'x'));
    const auto data = readRegularFile(path, 10000);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 10000);
    const auto empty = dir.filePath(QStringLiteral("empty"));
    writeFile(empty, {});
    const auto none = readRegularFile(empty, 0);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isEmpty());
}

TEST(BoundedFile, RefusesAFileOverItsCapButCutsAHead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ics"));
    writeFile(path, QByteArray(10001, 'x'));
    QString error;
    EXPECT_FALSE(readRegularFile(path, 10000, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("10000"))) << error.toStdString();
    const auto head = readRegularFileHead(path, 16);
    ASSERT_TRUE(head);
    EXPECT_EQ(*head, QByteArray(16, 'x'));
}

// Each of these once hung the reader in open() or read() for good, or read
// until memory ran out; the test would hang or be killed instead of failing.
TEST(BoundedFile, RefusesFifosDevicesFoldersAndLinksToThemAtOnce)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("displayname"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString toFifo = dir.filePath(QStringLiteral("x.ics"));
    const QString toZero = dir.filePath(QStringLiteral("zero.ics"));
    const QString toRandom = dir.filePath(QStringLiteral("random.ics"));
    ASSERT_TRUE(QFile::link(fifo, toFifo));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), toZero));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), toRandom));
    for (const QString &path : {fifo, toFifo, toZero, toRandom, dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        EXPECT_FALSE(readRegularFile(path, 1 << 20, &error));
        EXPECT_FALSE(readRegularFileHead(path, 1 << 20));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(readRegularFile(dir.filePath(QStringLiteral("missing")), 100));
}

TEST(BoundedFile, FollowsALinkToARegularFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.ics"));
    writeFile(target, "BEGIN:VCALENDAR\r\n");
    const QString link = dir.filePath(QStringLiteral("link.ics"));
    ASSERT_TRUE(QFile::link(target, link));
    const auto data = readRegularFile(link, 100);
    ASSERT_TRUE(data);
    EXPECT_EQ(*data, QByteArray("BEGIN:VCALENDAR\r\n"));
}
