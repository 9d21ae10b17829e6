// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The store's kept copy of the pending rows: a plan renewed in place must
// leave exactly what replacing it would, and no copy may outlive a change
// made through another connection or a write that was rolled back.
#include "platform/notifications/NotificationStore.h"

#include "platform/notifications/NotificationRequests.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <vector>

using namespace platform;
using State = NotificationStore::State;

namespace {

using testrequests::request;

QList<NotificationRequest> requestsOf(const QList<NotificationStore::Entry> &entries)
{
    QList<NotificationRequest> result;
    for (const auto &e : entries)
        result << e.request;
    return result;
}

class NotificationStoreTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env;
    QString path = env.configHome() + QStringLiteral("/notifications.sqlite");
    std::unique_ptr<NotificationStore> store = NotificationStore::open(path);
    // As the agent holds one: its own connection to the same file.
    std::unique_ptr<NotificationStore> agent = NotificationStore::open(path, true);
    const Instant t1 = testenv::gregorianInstant(2026, 12, 5, 12, 0);
    const Instant t2 = testenv::gregorianInstant(2026, 12, 5, 13, 0);
    const QList<NotificationRequest> plan{
        request(QStringLiteral("badge-0"), QString(), 24, TimeIntervalTrigger{60, false}),
        request(QStringLiteral("badge-1"), QString(), 25,
                CalendarTrigger{2026, 12, 6, 0, 0, 0, std::nullopt, false}),
        request(QStringLiteral("daily-1"), QStringLiteral("Today"), 25,
                CalendarTrigger{2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false}),
    };

    // What a connection that never read the file before finds in it.
    QList<NotificationStore::Entry> fresh(State state)
    {
        return NotificationStore::open(path)->entries(state);
    }
    // Runs statements through a plain connection, as another program would;
    // the first column of the last row, if any.
    qint64 sql(const char *statements)
    {
        sqlite3 *db = nullptr;
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_busy_timeout(db, 1000);
        qint64 last = -1;
        char *error = nullptr;
        const auto keep = [](void *out, int, char **values, char **) {
            *static_cast<qint64 *>(out) = values[0] ? QByteArray(values[0]).toLongLong() : -1;
            return 0;
        };
        EXPECT_EQ(sqlite3_exec(db, statements, keep, &last, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
        return last;
    }
    // The store's pending rows agree with the file's and are `expected`, all added at `at`.
    void expectPending(const QList<NotificationRequest> &expected, Instant at, const char *what)
    {
        const auto mine = store->entries(State::pending);
        const auto file = fresh(State::pending);
        EXPECT_EQ(requestsOf(mine), expected) << what;
        EXPECT_EQ(requestsOf(file), expected) << what;
        ASSERT_EQ(mine.size(), file.size()) << what;
        for (qsizetype i = 0; i < mine.size(); ++i) {
            EXPECT_EQ(mine[i].seq, file[i].seq) << what;
            EXPECT_EQ(mine[i].addedAt, at) << what;
            EXPECT_EQ(file[i].addedAt, at) << what;
            EXPECT_EQ(file[i].state, State::pending) << what;
            EXPECT_EQ(file[i].serverId, 0u) << what;
            EXPECT_EQ(file[i].deliveredAt, std::nullopt) << what;
        }
    }
};

TEST_F(NotificationStoreTest, TheSamePlanAgainKeepsItsRowsWithTheNewTimeOfAddition)
{
    ASSERT_TRUE(store->replacePending(plan, t1));
    const auto before = store->entries(State::pending);
    ASSERT_TRUE(store->replacePending(plan, t2));
    expectPending(plan, t2, "renewed");
    // Renewed in place, not replaced: the rows keep their order of addition.
    const auto after = store->entries(State::pending);
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].seq, before[i].seq);
    // The agent's connection, which had read the rows before, sees the renewal.
    ASSERT_TRUE(store->replacePending(plan, t1));
    EXPECT_EQ(agent->entries(State::pending).first().addedAt, t1);
    ASSERT_TRUE(store->replacePending(plan, t2));
    EXPECT_EQ(agent->entries(State::pending).first().addedAt, t2);
}

TEST_F(NotificationStoreTest, AnIntervalCountsFromTheRenewedTimeAndAnEntryReadBeforeCannotBeClaimed)
{
    ASSERT_TRUE(store->replacePending(plan, t1));
    store->entries(State::pending);
    const NotificationStore::Entry planned = agent->entries(State::pending).first();
    EXPECT_EQ(triggerDate(planned.request.trigger, planned.addedAt, planned.addedAt),
              t1 + std::chrono::seconds(60));

    ASSERT_TRUE(store->replacePending(plan, t2));
    const NotificationStore::Entry renewed = agent->entries(State::pending).first();
    EXPECT_EQ(triggerDate(renewed.request.trigger, renewed.addedAt, renewed.addedAt),
              t2 + std::chrono::seconds(60));
    // What the agent planned from the old rows fails, as it would on replaced rows.
    EXPECT_FALSE(agent->claim(planned));
    EXPECT_TRUE(agent->markSkipped(planned, t2, std::nullopt));
    EXPECT_TRUE(agent->entries(State::skipped).isEmpty());
    EXPECT_TRUE(agent->claim(renewed));
    EXPECT_EQ(store->entries(State::pending).size(), plan.size() - 1);
}

TEST_F(NotificationStoreTest, APlanThatDiffersInAnyWayTakesEffect)
{
    struct Change
    {
        const char *what;
        std::function<void(QList<NotificationRequest> &)> apply;
        QList<NotificationRequest> expected; // empty: the changed plan itself, as it reads back
    };
    const QString half = QString(QChar(0xd800)) + QStringLiteral("x");
    NotificationRequest halfRead = plan[2];
    halfRead.content.body = QString::fromUtf8(half.toUtf8());
    ASSERT_NE(halfRead.content.body, half);
    const std::vector<Change> changes{
        {"a title", [](auto &p) { p[2].content.title = QStringLiteral("Tomorrow"); }, {}},
        {"a body", [](auto &p) { p[2].content.body = QString(); }, {}},
        {"a badge", [](auto &p) { p[0].content.badge = 26; }, {}},
        {"no badge", [](auto &p) { p[1].content.badge.reset(); }, {}},
        {"the sound", [](auto &p) { p[2].content.sound = true; }, {}},
        {"an interval",
         [](auto &p) {
             p[0].trigger = TimeIntervalTrigger{61, false};
         },
         {}},
        {"a repeat",
         [](auto &p) {
             p[0].trigger = TimeIntervalTrigger{60, true};
         },
         {}},
        {"a calendar", [](auto &p) { std::get<CalendarTrigger>(p[1].trigger).calendar.reset(); }, {}},
        {"an hour", [](auto &p) { std::get<CalendarTrigger>(p[2].trigger).hour = 10; }, {}},
        {"an identifier", [](auto &p) { p[1].identifier = QStringLiteral("badge-2"); }, {}},
        {"the order", [](auto &p) { p.swapItemsAt(0, 1); }, {}},
        {"one fewer", [](auto &p) { p.removeLast(); }, {}},
        {"one more",
         [](auto &p) {
             p << request(QStringLiteral("x"), QStringLiteral("X"), 1, TimeIntervalTrigger{5, false});
         },
         {}},
        {"none", [](auto &p) { p.clear(); }, {}},
        // Text that is not whole UTF-16 reads back as its UTF-8 does.
        {"half a character", [&](auto &p) { p[2].content.body = half; }, {plan[0], plan[1], halfRead}},
        {"an Arabic title",
         [](auto &p) { p[2].content.title = QStringLiteral("اليوم: ٢٦ جمادى الآخرة"); },
         {}},
    };
    for (const Change &change : changes) {
        ASSERT_TRUE(store->replacePending(plan, t1)) << change.what;
        store->entries(State::pending);
        QList<NotificationRequest> changed = plan;
        change.apply(changed);
        ASSERT_TRUE(store->replacePending(changed, t2)) << change.what;
        expectPending(change.expected.isEmpty() ? changed : change.expected, t2, change.what);
    }
    // The same plan with a later duplicate is a different plan: that one moves to the end.
    ASSERT_TRUE(store->replacePending(plan, t1));
    store->entries(State::pending);
    QList<NotificationRequest> duplicated = plan;
    duplicated << plan[0];
    ASSERT_TRUE(store->replacePending(duplicated, t2));
    expectPending({plan[1], plan[2], plan[0]}, t2, "a later duplicate");
    // And its duplicate-free form, which equals the rows now, is renewed in place.
    ASSERT_TRUE(store->replacePending(duplicated, t1));
    expectPending({plan[1], plan[2], plan[0]}, t1, "the same duplicate again");
}

TEST_F(NotificationStoreTest, ChangesBetweenTwoPassesAreSeenByTheNextReadAndReplace)
{
    struct Change
    {
        const char *what;
        std::function<void()> apply;
        QList<NotificationRequest> pendingAfter; // what the next read finds
    };
    const std::vector<Change> changes{
        {"the agent claims one",
         [this] { ASSERT_TRUE(agent->claim(agent->entries(State::pending)[1])); },
         {plan[0], plan[2]}},
        {"the agent skips one",
         [this] { ASSERT_TRUE(agent->markSkipped(agent->entries(State::pending)[0], t1, std::nullopt)); },
         {plan[1], plan[2]}},
        {"another writer adds one",
         [this] {
             ASSERT_TRUE(agent->add(
                 request(QStringLiteral("late"), QStringLiteral("L"), 1, TimeIntervalTrigger{5, false}), t1));
         },
         {plan[0], plan[1], plan[2],
          request(QStringLiteral("late"), QStringLiteral("L"), 1, TimeIntervalTrigger{5, false})}},
        {"another writer removes them", [this] { ASSERT_TRUE(agent->removePending()); }, {}},
        {"another program rewrites a title",
         [this] { sql("UPDATE requests SET title = 'Changed' WHERE identifier = 'daily-1'"); },
         {plan[0], plan[1],
          request(QStringLiteral("daily-1"), QStringLiteral("Changed"), 25, plan[2].trigger)}},
        {"another program marks one shown",
         [this] { sql("UPDATE requests SET server_id = 7 WHERE seq > 0"); }, plan},
        {"this store adds one",
         [this] {
             ASSERT_TRUE(store->add(
                 request(QStringLiteral("late"), QStringLiteral("L"), 1, TimeIntervalTrigger{5, false}), t1));
         },
         {plan[0], plan[1], plan[2],
          request(QStringLiteral("late"), QStringLiteral("L"), 1, TimeIntervalTrigger{5, false})}},
        {"this store drops one",
         [this] { ASSERT_TRUE(store->drop(store->entries(State::pending)[0].seq)); },
         {plan[1], plan[2]}},
    };
    for (const Change &change : changes) {
        for (bool readBetween : {true, false}) {
            sql("DELETE FROM requests");
            ASSERT_TRUE(store->replacePending(plan, t1)) << change.what;
            store->entries(State::pending);
            change.apply();
            if (readBetween) {
                EXPECT_EQ(requestsOf(store->entries(State::pending)), change.pendingAfter) << change.what;
            }
            // The same plan again must replace what the other connection left.
            ASSERT_TRUE(store->replacePending(plan, t2)) << change.what;
            expectPending(plan, t2, change.what);
        }
    }
}

TEST_F(NotificationStoreTest, AnUnreadableRowIsReplacedEvenWhenThePlanMatchesTheRest)
{
    ASSERT_TRUE(store->replacePending(plan, t1));
    sql("INSERT INTO requests(identifier, title, body, badge, sound, trigger, added_at, state)"
        " VALUES('broken', '', '', NULL, 0, 'not json', 0, 'pending')");
    EXPECT_EQ(requestsOf(store->entries(State::pending)), plan);
    ASSERT_TRUE(store->replacePending(plan, t2));
    expectPending(plan, t2, "after an unreadable row");
    EXPECT_EQ(sql("SELECT count(*) FROM requests WHERE identifier = 'broken'"), 0);
}

TEST_F(NotificationStoreTest, AWriteThatFailsPartWayLeavesTheRowsAndTheCopyAsTheyWere)
{
    ASSERT_TRUE(store->replacePending(plan, t1));
    // Refused after the first rows were already changed, so the statement is undone.
    sql("CREATE TRIGGER refuse_renewal AFTER UPDATE OF added_at ON requests WHEN NEW.identifier = 'daily-1'"
        " BEGIN SELECT RAISE(ABORT, 'refused'); END;"
        "CREATE TRIGGER refuse_insert BEFORE INSERT ON requests WHEN NEW.identifier = 'x'"
        " BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    store->entries(State::pending);
    EXPECT_FALSE(store->replacePending(plan, t2));
    expectPending(plan, t1, "after a refused renewal");
    // A full replace refused half-way: the old rows are back.
    QList<NotificationRequest> changed = plan;
    changed << request(QStringLiteral("x"), QStringLiteral("X"), 1, TimeIntervalTrigger{5, false});
    EXPECT_FALSE(store->replacePending(changed, t2));
    expectPending(plan, t1, "after a refused replace");
    // A renewal undone as a whole, by a rollback.
    sql("DROP TRIGGER refuse_renewal;"
        "CREATE TRIGGER refuse_all AFTER UPDATE OF added_at ON requests WHEN NEW.identifier = 'daily-1'"
        " BEGIN SELECT RAISE(ROLLBACK, 'refused'); END;");
    store->entries(State::pending);
    EXPECT_FALSE(store->replacePending(plan, t2));
    expectPending(plan, t1, "after a rolled-back renewal");
    sql("DROP TRIGGER refuse_all; DROP TRIGGER refuse_insert;");
    ASSERT_TRUE(store->replacePending(plan, t2));
    expectPending(plan, t2, "once allowed");
}

} // namespace
