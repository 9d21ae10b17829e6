// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/RGDateJson.h"
#include "core/SharedDefaults.h"
#include "support/TestEnvironment.h"
#include "widget/Provider.h"
#include "widget/RenderCommand.h"
#include "widget/WidgetCommandLine.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class WidgetCommandLineTest : public ::testing::Test
{
protected:
    WidgetCommandLineTest() : env(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"))
    {
        widget::Provider::resetSharedConverter();
        env.setNow(testenv::gregorianInstant(2026, 12, 6, 10, 0));
    }
    ~WidgetCommandLineTest() override { widget::Provider::resetSharedConverter(); }

    int run(int (*command)(const QStringList &, QTextStream &, QTextStream &), const QStringList &arguments)
    {
        out.clear();
        err.clear();
        QTextStream o(&out), e(&err);
        const int status = command(arguments, o, e);
        o.flush();
        e.flush();
        return status;
    }

    testenv::ScopedEnvironment env;
    QString out, err;
};

TEST_F(WidgetCommandLineTest, TimelineJsonHasThePolicyAndThirtyEntriesWithTheDateCoresRecords)
{
    env.suite()->setInteger(core::keys::adjustmentNumber, 1);
    ASSERT_EQ(run(widget::runTimeline, {QStringLiteral("--json")}), widget::exitOk);
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("policy")).toString(), QStringLiteral("atEnd"));
    const QJsonArray entries = root.value(QStringLiteral("entries")).toArray();
    ASSERT_EQ(entries.size(), 30);
    const QJsonObject first = entries.first().toObject();
    EXPECT_EQ(first.value(QStringLiteral("date")).toString(), QStringLiteral("2026-12-06T00:00:00+03:00"));

    core::RGConv conv(testenv::gregorianInstant(2026, 12, 6));
    EXPECT_EQ(first.value(QStringLiteral("gregorian")).toObject(), core::toJson(*conv.gregorianDate()));
    EXPECT_EQ(first.value(QStringLiteral("hijri")).toObject(), core::toJson(*conv.hijriDate()));
    EXPECT_EQ(first.value(QStringLiteral("hijri")).toObject().value(QStringLiteral("day")).toInt(), 27);
    EXPECT_EQ(entries.last().toObject().value(QStringLiteral("date")).toString(),
              QStringLiteral("2027-01-04T00:00:00+03:00"));
}

TEST_F(WidgetCommandLineTest, TimelineAtAnInstantStartsOnThatLocalDay)
{
    ASSERT_EQ(run(widget::runTimeline,
                  {QStringLiteral("--json"), QStringLiteral("--at"), QStringLiteral("2026-04-05T20:59:00Z")}),
              widget::exitOk)
        << err.toStdString();
    const QJsonArray entries =
        QJsonDocument::fromJson(out.toUtf8()).object()[QStringLiteral("entries")].toArray();
    ASSERT_EQ(entries.size(), 30);
    EXPECT_EQ(entries.first()[QStringLiteral("date")].toString(),
              QStringLiteral("2026-04-05T00:00:00+03:00"));
    EXPECT_EQ(entries.last()[QStringLiteral("date")].toString(), QStringLiteral("2026-05-04T00:00:00+03:00"));
}

TEST_F(WidgetCommandLineTest, TimelineTextHasOneLinePerEntry)
{
    ASSERT_EQ(run(widget::runTimeline, {}), widget::exitOk);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 31);
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("2026-12-06T00:00:00+03:00")));
    EXPECT_TRUE(lines.first().contains(QStringLiteral("26 Jumada II (6), 1448")));
    EXPECT_EQ(lines.last(), QStringLiteral("policy: atEnd"));
    EXPECT_NE(run(widget::runTimeline, {QStringLiteral("--yaml")}), widget::exitOk);
}

TEST_F(WidgetCommandLineTest, RenderWritesThePictureOfTheEntryInForce)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("w.png"));
    ASSERT_EQ(run(widget::runRender,
                  {QStringLiteral("--kind"), QStringLiteral("complex"), QStringLiteral("--family=medium"),
                   QStringLiteral("-o"), file, QStringLiteral("--at"),
                   QStringLiteral("2026-12-06T23:30:00+03:00"), QStringLiteral("--appearance"),
                   QStringLiteral("dark"), QStringLiteral("--scale"), QStringLiteral("1")}),
              widget::exitOk)
        << err.toStdString();
    const QImage image(file);
    EXPECT_EQ(image.size(), QSize(364, 170));
    EXPECT_LT(image.pixelColor(182, 165).lightness(), 60);
}

TEST_F(WidgetCommandLineTest, UnsupportedChoicesGiveOneLineAndStatusTwo)
{
    const QStringList o{QStringLiteral("-o"), QStringLiteral("/nonexistent/x.png")};
    const QList<QStringList> wrong{
        QStringList{QStringLiteral("--kind"), QStringLiteral("complex"), QStringLiteral("--family"),
                    QStringLiteral("small")} +
            o,
        QStringList{QStringLiteral("--kind"), QStringLiteral("fancy")} + o,
        QStringList{QStringLiteral("--family"), QStringLiteral("large")} + o,
        QStringList{QStringLiteral("--appearance"), QStringLiteral("sepia")} + o,
        QStringList{QStringLiteral("--at"), QStringLiteral("yesterday")} + o,
        QStringList{QStringLiteral("--kind"), QStringLiteral("simple")},
        QStringList{QStringLiteral("--scale"), QStringLiteral("nan")} + o,
        QStringList{QStringLiteral("--scale"), QStringLiteral("inf")} + o,
        QStringList{QStringLiteral("--kind"), QStringLiteral("a\nb\x1b[2J")} + o,
    };
    for (const QStringList &arguments : wrong) {
        EXPECT_EQ(run(widget::runRender, arguments), widget::exitUsage)
            << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_EQ(run(widget::runTimeline, {QStringLiteral("--at"), QStringLiteral("soon")}), widget::exitUsage);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
    // What the user typed comes back escaped, never as terminal control.
    run(widget::runRender, QStringList{QStringLiteral("--kind"), QStringLiteral("a\nb\x1b[2J")} + o);
    EXPECT_TRUE(err.contains(QStringLiteral("a\\nb\\x{1b}[2J"))) << err.toStdString();
    QString hostErr;
    QTextStream e(&hostErr);
    EXPECT_FALSE(
        widget::readHostOptions({QStringLiteral("--family"), QStringLiteral("huge")}, e).has_value());
    const auto host = widget::readHostOptions({QStringLiteral("--kind=complex")}, e);
    ASSERT_TRUE(host.has_value());
    EXPECT_EQ(host->family, widget::WidgetFamily::systemMedium);
    EXPECT_EQ(widget::modeOf({}), widget::Mode::host);
    EXPECT_EQ(widget::modeOf({QStringLiteral("render")}), widget::Mode::render);
    // The host's own menu command is no part of what users are told.
    EXPECT_EQ(widget::modeOf({QStringLiteral("menu"), QStringLiteral("--at"), QStringLiteral("1,2")}),
              widget::Mode::menu);
    EXPECT_FALSE(widget::usage().contains(QStringLiteral("menu")));
}

} // namespace
