// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Every command's whole output, text and JSON, at noon on 1 Ramadan 1447 in
// Riyadh in English, compared with the files under golden/. A change in any
// record or line shows here; when it is meant, rerun with
// QAMARLY_UPDATE_GOLDEN=1 and review the difference in the files.
#include "app/cli/CommandLine.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct GoldenRow
{
    const char *file;
    QStringList arguments;
};

const GoldenRow goldenRows[] = {
    {"today.txt", {QStringLiteral("today")}},
    {"today.json", {QStringLiteral("today"), QStringLiteral("--json")}},
    {"convert-gregorian.txt", {QStringLiteral("convert"), QStringLiteral("2026-03-20")}},
    {"convert-hijri.json",
     {QStringLiteral("convert"), QStringLiteral("1447-12-10"), QStringLiteral("--from"),
      QStringLiteral("hijri"), QStringLiteral("--json")}},
    {"range.txt", {QStringLiteral("range"), QStringLiteral("2026-02-18"), QStringLiteral("2027-02-08")}},
    {"range-hijri.json",
     {QStringLiteral("range"), QStringLiteral("1447-09-01"), QStringLiteral("1448-09-01"),
      QStringLiteral("--calendar"), QStringLiteral("hijri"), QStringLiteral("--json")}},
    {"month.txt", {QStringLiteral("month")}},
    {"month-hijri.json",
     {QStringLiteral("month"), QStringLiteral("--calendar"), QStringLiteral("hijri"),
      QStringLiteral("--json")}},
    {"occasions.txt", {QStringLiteral("occasions")}},
    {"occasions.json", {QStringLiteral("occasions"), QStringLiteral("--json")}},
    {"notifications-plan.json",
     {QStringLiteral("notifications"), QStringLiteral("plan"), QStringLiteral("--json")}},
};

class GoldenOutput : public ::testing::TestWithParam<GoldenRow>
{
protected:
    void SetUp() override
    {
        platform::installTranslations();
        env.setNow(testenv::gregorianInstant(2026, 2, 18, 12));
    }
    void TearDown() override { platform::installTranslations(); }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

TEST_P(GoldenOutput, MatchesItsFile)
{
    const GoldenRow &row = GetParam();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const std::optional<int> status = app::cli::runCommandLine(row.arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    ASSERT_EQ(status, 0) << err.toStdString();
    EXPECT_EQ(err, QString());

    const QString path = QDir(QStringLiteral(QAMARLY_GOLDEN_DIR)).filePath(QString::fromLatin1(row.file));
    if (qEnvironmentVariableIsSet("QAMARLY_UPDATE_GOLDEN")) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(out.toUtf8());
        return;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString() << " is missing";
    EXPECT_EQ(out.toStdString(), QString::fromUtf8(file.readAll()).toStdString()) << row.file;
}

INSTANTIATE_TEST_SUITE_P(Commands, GoldenOutput, ::testing::ValuesIn(goldenRows),
                         [](const ::testing::TestParamInfo<GoldenRow> &row) {
                             std::string name = row.param.file;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
