// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Finding and loading a part of the program kept in a module of its own.
#include "platform/system/ProgramModule.h"

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

TEST(ProgramModule, LooksBesideTheExecutableThenWhereItIsInstalled)
{
    const QString file = QStringLiteral("libpart.so");
    const std::vector<CandidatesCase> cases = {
        {"build tree and installed prefix",
         "/src/build/app/qamarly",
         "../lib/qamarly",
         "/usr/local/lib/qamarly",
         {"/src/build/app/libpart.so", "/src/build/lib/qamarly/libpart.so",
          "/usr/local/lib/qamarly/libpart.so"}},
        {"an installed program names its own directory once",
         "/usr/local/bin/qamarly",
         "../lib/qamarly",
         "/usr/local/lib/qamarly",
         {"/usr/local/bin/libpart.so", "/usr/local/lib/qamarly/libpart.so"}},
        {"a moved prefix is still found relative to the program",
         "/opt/q/bin/qamarly",
         "../lib/x86_64-linux-gnu/qamarly",
         "/usr/lib/x86_64-linux-gnu/qamarly",
         {"/opt/q/bin/libpart.so", "/opt/q/lib/x86_64-linux-gnu/qamarly/libpart.so",
          "/usr/lib/x86_64-linux-gnu/qamarly/libpart.so"}},
        {"no known executable: the install directory alone",
         "",
         "../lib/qamarly",
         "/usr/lib/qamarly",
         {"/usr/lib/qamarly/libpart.so"}},
        {"no install directories: beside the executable alone", "/x/qamarly", "", "", {"/x/libpart.so"}},
    };
    for (const CandidatesCase &c : cases)
        EXPECT_EQ(platform::moduleCandidates(file, c.executable, c.relative, c.install), c.expected) << c.why;
}

TEST(ProgramModule, TheRunningProgramKnowsItsOwnFile)
{
    const QString self = platform::executablePath();
    EXPECT_TRUE(QFile::exists(self)) << self.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(self));
}

TEST(ProgramModule, AMissingOrBrokenModuleIsAReasonNotACrash)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("libbroken.so"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an ELF file");
    file.close();
    const QString missing = dir.filePath(QStringLiteral("libmissing.so"));

    QString error;
    EXPECT_EQ(platform::loadModuleMain({missing, broken}, "module_main", &error), nullptr);
    EXPECT_TRUE(error.contains(missing + QStringLiteral(": not found"))) << error.toStdString();
    EXPECT_TRUE(error.contains(broken)) << error.toStdString();
    EXPECT_EQ(platform::loadModuleMain({}, "module_main", &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
}

TEST(ProgramModule, ALibraryWithoutTheEntryIsPassedOverForTheNextCandidate)
{
    // libm is on every system and exports no module main; libc's `abs` stands
    // in for an entry that is there.
    const QStringList withoutEntry = {QStringLiteral("/lib/x86_64-linux-gnu/libm.so.6"),
                                      QStringLiteral("/usr/lib/x86_64-linux-gnu/libm.so.6")};
    QString error;
    EXPECT_EQ(platform::loadModuleMain(withoutEntry, "qamarly_no_such_main", &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("no qamarly_no_such_main"))) << error.toStdString();
}

} // namespace
