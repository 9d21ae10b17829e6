// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/TimelineJson.h"

#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "support/TestEnvironment.h"
#include "widget/Provider.h"
#include "widget/WidgetCommandLine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

struct RoundTripCase
{
    const char *locale;
    const char *zone;
    int adjustment;
};

class TimelineJsonRoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
};

// What the host reads back from the timeline command is what the provider
// made: same dates, same records, and the numbers as the views would write them.
TEST_P(TimelineJsonRoundTrip, TheCommandsJsonReadsBackAsTheProvidersEntries)
{
    const RoundTripCase &c = GetParam();
    testenv::ScopedEnvironment env(QString::fromLatin1(c.locale), QString::fromLatin1(c.zone));
    env.suite()->setInteger(core::keys::adjustmentNumber, c.adjustment);
    widget::Provider::resetSharedConverter();
    // Across the last days of a Hijri month and a daylight-saving change.
    env.setNow(testenv::gregorianInstant(2026, 10, 20, 23, 59));

    widget::Timeline made;
    widget::Provider().getTimeline({}, [&](const widget::Timeline &t) { made = t; });
    QString printed;
    {
        QTextStream out(&printed), err(stderr);
        ASSERT_EQ(widget::runTimeline({QStringLiteral("--json")}, out, err), widget::exitOk);
    }

    QString error;
    const auto read = widget::timelineFromJson(printed.toUtf8(), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->policy, made.policy);
    ASSERT_EQ(read->entries.size(), made.entries.size());
    for (std::size_t i = 0; i < made.entries.size(); ++i) {
        const widget::SimpleEntry &a = read->entries[i];
        const widget::SimpleEntry &b = made.entries[i];
        EXPECT_EQ(a.date, b.date) << i;
        EXPECT_EQ(*a.gregorianDate, *b.gregorianDate) << i;
        EXPECT_EQ(*a.hijriDate, *b.hijriDate) << i;
        for (const std::int64_t n : {a.hijriDate->day(), a.hijriDate->year(), a.gregorianDate->day()})
            EXPECT_EQ(a.numberTexts.value(n), core::localizedNumber(n)) << i;
    }
    widget::Provider::resetSharedConverter();
}

INSTANTIATE_TEST_SUITE_P(Locales, TimelineJsonRoundTrip,
                         ::testing::Values(RoundTripCase{"en_US", "Europe/London", 0},
                                           RoundTripCase{"ar_SA", "Asia/Riyadh", 1},
                                           RoundTripCase{"ar_SA", "America/New_York", -1}),
                         [](const ::testing::TestParamInfo<RoundTripCase> &param) {
                             return std::string(param.param.locale) + "_" + std::to_string(param.index);
                         });

TEST(TimelineJson, AnythingButAWholeTimelineIsRefusedWithAReason)
{
    testenv::ScopedEnvironment env;
    widget::Provider::resetSharedConverter();
    widget::Timeline made;
    widget::Provider().getTimeline({}, [&](const widget::Timeline &t) { made = t; });
    const QJsonObject good = widget::timelineToJson(made);
    widget::Provider::resetSharedConverter();

    const auto edited = [&](const std::function<void(QJsonObject &)> &edit) {
        QJsonObject root = good;
        edit(root);
        return QJsonDocument(root).toJson();
    };
    const auto editFirstEntry = [&](const std::function<void(QJsonObject &)> &edit) {
        return edited([&](QJsonObject &root) {
            QJsonArray entries = root[QStringLiteral("entries")].toArray();
            QJsonObject first = entries[0].toObject();
            edit(first);
            entries[0] = first;
            root[QStringLiteral("entries")] = entries;
        });
    };
    const struct
    {
        const char *name;
        QByteArray json;
    } cases[] = {
        {"empty output", QByteArray()},
        {"cut short", QJsonDocument(good).toJson().left(500)},
        {"an array", QByteArrayLiteral("[1, 2]")},
        {"no policy", edited([](QJsonObject &r) { r.remove(QStringLiteral("policy")); })},
        {"no entries", edited([](QJsonObject &r) { r[QStringLiteral("entries")] = QJsonArray(); })},
        {"entry without date", editFirstEntry([](QJsonObject &e) { e.remove(QStringLiteral("date")); })},
        {"record without month name", editFirstEntry([](QJsonObject &e) {
             QJsonObject h = e[QStringLiteral("hijri")].toObject();
             h.remove(QStringLiteral("monthName"));
             e[QStringLiteral("hijri")] = h;
         })},
        {"day as text", editFirstEntry([](QJsonObject &e) {
             QJsonObject g = e[QStringLiteral("gregorian")].toObject();
             g[QStringLiteral("day")] = QStringLiteral("5");
             e[QStringLiteral("gregorian")] = g;
         })},
        {"fractional day", editFirstEntry([](QJsonObject &e) {
             QJsonObject g = e[QStringLiteral("gregorian")].toObject();
             g[QStringLiteral("day")] = 5.5;
             e[QStringLiteral("gregorian")] = g;
         })},
        {"out of order", editFirstEntry([](QJsonObject &e) {
             e[QStringLiteral("date")] = QStringLiteral("2099-01-01T00:00:00Z");
         })},
        {"ends before its last day",
         edited([](QJsonObject &r) { r[QStringLiteral("end")] = QStringLiteral("2000-01-01T00:00:00Z"); })},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_FALSE(widget::timelineFromJson(c.json, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
    // Without the number texts (an older command) the timeline still reads.
    const QByteArray withoutNumbers = edited([](QJsonObject &r) {
        QJsonArray entries = r[QStringLiteral("entries")].toArray();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            QJsonObject o = entries[i].toObject();
            o.remove(QStringLiteral("numbers"));
            entries[i] = o;
        }
        r[QStringLiteral("entries")] = entries;
    });
    EXPECT_TRUE(widget::timelineFromJson(withoutNumbers));
}

} // namespace
