// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Finding and running a part of the program that is a program of its own.
#include "platform/system/ProgramPart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CandidatesCase
{
    const char *why;
    QString executable;
    QString relative;
    QString install;
    QStringList expected;
};

TEST(ProgramPart, LooksBesideTheExecutableThenWhereItIsInstalled)
{
    const QString file = QStringLiteral("part");
    const std::vector<CandidatesCase> cases = {
        {"build tree and installed prefix",
         QStringLiteral("/src/build/app/qamarly"),
         QStringLiteral("../lib/qamarly"),
         QStringLiteral("/usr/local/lib/qamarly"),
         {QStringLiteral("/src/build/app/part"), QStringLiteral("/src/build/lib/qamarly/part"),
          QStringLiteral("/usr/local/lib/qamarly/part")}},
        {"an installed program names its own directory once",
         QStringLiteral("/usr/local/bin/qamarly"),
         QStringLiteral("../lib/qamarly"),
         QStringLiteral("/usr/local/lib/qamarly"),
         {QStringLiteral("/usr/local/bin/part"), QStringLiteral("/usr/local/lib/qamarly/part")}},
        {"a moved prefix is still found relative to the program",
         QStringLiteral("/opt/q/bin/qamarly"),
         QStringLiteral("../lib/x86_64-linux-gnu/qamarly"),
         QStringLiteral("/usr/lib/x86_64-linux-gnu/qamarly"),
         {QStringLiteral("/opt/q/bin/part"), QStringLiteral("/opt/q/lib/x86_64-linux-gnu/qamarly/part"),
          QStringLiteral("/usr/lib/x86_64-linux-gnu/qamarly/part")}},
        {"no known executable: the install directory alone",
         QString(),
         QStringLiteral("../lib/qamarly"),
         QStringLiteral("/usr/lib/qamarly"),
         {QStringLiteral("/usr/lib/qamarly/part")}},
        {"no install directories: beside the executable alone",
         QStringLiteral("/x/qamarly"),
         QString(),
         QString(),
         {QStringLiteral("/x/part")}},
    };
    for (const CandidatesCase &c : cases)
        EXPECT_EQ(platform::partCandidates(file, c.executable, c.relative, c.install), c.expected) << c.why;
}

TEST(ProgramPart, TheRunningProgramKnowsItsOwnFile)
{
    const QString self = platform::executablePath();
    EXPECT_TRUE(QFile::exists(self)) << self.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(self));
}

TEST(ProgramPart, AMissingOrBrokenPartIsAReasonAndThisProgramRunsOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("broken"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a program");
    file.close();
    ASSERT_TRUE(file.setPermissions(file.permissions() | QFile::ExeOwner));
    const QString missing = dir.filePath(QStringLiteral("missing"));

    char name[] = "qamarly";
    char *argv[] = {name, nullptr};
    QString error;
    platform::execPart({missing, broken}, argv, &error);
    EXPECT_TRUE(error.contains(missing + QStringLiteral(": not found"))) << error.toStdString();
    EXPECT_TRUE(error.contains(broken + QStringLiteral(": "))) << error.toStdString();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QAMARLY_LAUNCHER")) << "no part runs, so no launcher is named";
    platform::execPart({}, argv, &error);
    EXPECT_FALSE(error.isEmpty());
}

TEST(ProgramPart, APartFindsItsSiblingsBesideTheProgramThatRanIt)
{
    EXPECT_EQ(platform::launcherPath(), platform::executablePath());
    qputenv("QAMARLY_LAUNCHER", "/bin/sh");
    EXPECT_EQ(platform::launcherDirectory(), QStringLiteral("/bin"));
    // A launcher that is gone is no guide.
    qputenv("QAMARLY_LAUNCHER", "/nonexistent/qamarly");
    EXPECT_EQ(platform::launcherPath(), platform::executablePath());
    qunsetenv("QAMARLY_LAUNCHER");
}

} // namespace
