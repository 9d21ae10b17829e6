// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Help, version and mistyped options of both programs, run as a user would
// from a shell, in English and in Arabic.
#include "support/RowName.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

Outcome runProgram(const QString &program, const QStringList &args,
                   const QString &locale = QStringLiteral("en_US.UTF-8"))
{
    static QTemporaryDir home;
    static QTemporaryDir runtime; // private to its owner, as the session's is
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Riyadh"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    // With a display at hand a wrongly opened window would show as a hang.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString(), QStringLiteral("did not finish: a window opened?")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Outcome qamarly(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"))
{
    return runProgram(QStringLiteral(QAMARLY_EXECUTABLE), args, locale);
}

Outcome qamarlyWidget(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"))
{
    return runProgram(QStringLiteral(QAMARLY_WIDGET_EXECUTABLE), args, locale);
}

// A command line as typed into a shell, which hands the program UTF-8.
using Typed = std::vector<const char *>;

QStringList words(const Typed &typed)
{
    QStringList out;
    for (const char *word : typed)
        out << QString::fromUtf8(word);
    return out;
}

struct HelpRow
{
    Typed args;
    const char *usageStart;
};

TEST(Help, EveryCommandAndSubcommandPrintsItsUsageAndSucceeds)
{
    const HelpRow rows[] = {
        {{"--help"}, "usage: qamarly [COMMAND"},
        {{"-h"}, "usage: qamarly [COMMAND"},
        {{"today", "--help"}, "usage: qamarly today"},
        {{"convert", "--help"}, "usage: qamarly convert"},
        {{"convert", "2026-01-01", "-h"}, "usage: qamarly convert"},
        {{"range", "--help"}, "usage: qamarly range"},
        {{"settings", "--help"}, "usage: qamarly settings"},
        {{"settings", "set", "--help"}, "usage: qamarly settings"},
        {{"notifications", "--help"}, "usage: qamarly notifications"},
        {{"notifications", "plan", "--help"}, "usage: qamarly notifications"},
        {{"notifications", "reschedule", "--help"}, "usage: qamarly notifications"},
        {{"occasions", "--help"}, "usage: qamarly occasions"},
    };
    for (const HelpRow &row : rows) {
        SCOPED_TRACE(words(row.args).join(QLatin1Char(' ')).toStdString());
        const Outcome r = qamarly(words(row.args));
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QLatin1String(row.usageStart))) << r.out.toStdString();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    }
    // Help changes nothing: `settings set --help` stored nothing.
    EXPECT_TRUE(qamarly({QStringLiteral("settings")}).out.contains(QStringLiteral("adjustmentNumber = 0")));
}

TEST(Help, WidgetProgramPrintsUsageForEachCommand)
{
    const HelpRow rows[] = {
        {{"--help"}, "usage:\n  qamarly-widget [--kind"},
        {{"help"}, "usage:\n  qamarly-widget [--kind"},
        {{"--kind", "complex", "--help"}, "usage:\n  qamarly-widget [--kind"},
        {{"timeline", "--help"}, "usage:\n  qamarly-widget timeline"},
        {{"render", "-h"}, "usage:\n  qamarly-widget render"},
    };
    for (const HelpRow &row : rows) {
        SCOPED_TRACE(words(row.args).join(QLatin1Char(' ')).toStdString());
        const Outcome r = qamarlyWidget(words(row.args));
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(QLatin1String(row.usageStart))) << r.out.toStdString();
    }
}

TEST(Version, ComesFromTheProjectVersion)
{
    const Outcome app = qamarly({QStringLiteral("--version")});
    EXPECT_EQ(app.status, 0);
    EXPECT_EQ(app.out, QStringLiteral("qamarly " QAMARLY_VERSION "\n"));
    const Outcome widget = qamarlyWidget({QStringLiteral("--version")});
    EXPECT_EQ(widget.status, 0);
    EXPECT_EQ(widget.out, QStringLiteral("qamarly-widget " QAMARLY_VERSION "\n"));
}

struct MistakeRow
{
    bool widget;
    const char *what; // the arguments, split at spaces
    const char *locale;
    const char *errorPart;
};

const MistakeRow mistakeRows[] = {
    {false, "--frobnicate", "en_US.UTF-8", "unknown option '--frobnicate'"},
    {false, "-x", "en_US.UTF-8", "unknown option '-x'"},
    {false, "-platform offscreen --json", "en_US.UTF-8", "unknown option '--json'"},
    {false, "--frobnicate", "ar_SA.UTF-8", "خيار غير معروف '--frobnicate'"},
    {false, "today --verbose", "ar_SA.UTF-8", "خيار غير معروف '--verbose'"},
    {false, "convert 2026-02-30", "ar_SA.UTF-8", "'2026-02-30' ليس يومًا في التقويم الميلادي"},
    {false, "convert 2026-02-30", "en_US.UTF-8", "'2026-02-30' is not a day on the Gregorian calendar"},
    {false, "range 2026-01-01", "ar_SA.UTF-8", "ينقص التاريخان"},
    {true, "--colour red", "en_US.UTF-8", "unknown option '--colour'"},
    {true, "--kind fancy", "ar_SA.UTF-8", "نوع أداة غير معروف 'fancy'"},
    {true, "render --kind simple -o picture.jpg", "en_US.UTF-8", "'picture.jpg' does not end in .png"},
    {true, "render --kind simple -o picture", "ar_SA.UTF-8", "'picture' لا ينتهي بـ"},
    {true, "timeline --yaml", "ar_SA.UTF-8", "خيار غير معروف '--yaml'"},
};

class Mistake : public ::testing::TestWithParam<MistakeRow>
{
};

TEST_P(Mistake, GivesOneLineInTheUsersLanguageAndStatusTwoWithoutAWindow)
{
    const MistakeRow &row = GetParam();
    const QStringList args = QString::fromLatin1(row.what).split(QLatin1Char(' '));
    const Outcome r = row.widget ? qamarlyWidget(args, QLatin1String(row.locale))
                                 : qamarly(args, QLatin1String(row.locale));
    EXPECT_EQ(r.status, 2) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.errorPart))) << r.err.toStdString();
}

// Named by program, arguments and language: e.g. .../widget_render_kind_simple_o_picture_ar.
INSTANTIATE_TEST_SUITE_P(Mistakes, Mistake, ::testing::ValuesIn(mistakeRows),
                         [](const ::testing::TestParamInfo<MistakeRow> &row) {
                             return std::string(row.param.widget ? "widget_" : "qamarly_") +
                                    testenv::rowName(row.param.what) + "_" + std::string(row.param.locale, 2);
                         });

} // namespace
