// The SQLite-backed suite: typed values, two writers, and files that are not
// what they should be.
#include "platform/Console.h"
#include "platform/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::UserDefaults;

namespace {

struct CapturedConsole
{
    CapturedConsole()
    {
        previous = platform::setConsoleSink([this](const QString &line) { lines << line; });
    }
    ~CapturedConsole() { platform::setConsoleSink(previous); }
    QStringList lines;
    platform::ConsoleSink previous;
};

TEST(UserDefaults, KeepsEachValueWithItsType)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    {
        auto suite = UserDefaults::open(path);
        suite->setInteger(QStringLiteral("i"), -9'000'000'000LL);
        suite->setBoolean(QStringLiteral("b"), false);
        suite->setString(QStringLiteral("s"), QStringLiteral("٢٠٢٦ text"));
        suite->setDate(QStringLiteral("d"), platform::instantFromMSecs(1'780'000'000'123));
        EXPECT_TRUE(suite->flush());
    }
    auto suite = UserDefaults::open(path);
    EXPECT_EQ(suite->integer(QStringLiteral("i")), -9'000'000'000LL);
    EXPECT_EQ(suite->boolean(QStringLiteral("b")), false);
    EXPECT_EQ(suite->string(QStringLiteral("s")), QStringLiteral("٢٠٢٦ text"));
    EXPECT_EQ(suite->date(QStringLiteral("d")), platform::instantFromMSecs(1'780'000'000'123));
    // Another type under the key is no value of the asked type.
    EXPECT_FALSE(suite->integer(QStringLiteral("b")).has_value());
    EXPECT_FALSE(suite->boolean(QStringLiteral("i")).has_value());
    EXPECT_FALSE(suite->string(QStringLiteral("missing")).has_value());
    suite->remove(QStringLiteral("i"));
    EXPECT_EQ(suite->type(QStringLiteral("i")), UserDefaults::Type::none);
    EXPECT_EQ(suite->keys(), (QStringList{QStringLiteral("b"), QStringLiteral("d"), QStringLiteral("s")}));
}

TEST(UserDefaults, TwoProcessesWritingAtOnceLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    UserDefaults::open(path); // both writers find the schema in place
    QProcess a, b;
    a.start(QStringLiteral(SUITE_WRITER), {path, QStringLiteral("a"), QStringLiteral("200")});
    b.start(QStringLiteral(SUITE_WRITER), {path, QStringLiteral("b"), QStringLiteral("200")});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    auto suite = UserDefaults::open(path);
    EXPECT_EQ(suite->keys().size(), 401);
    for (int i = 0; i < 200; i += 37) {
        EXPECT_EQ(suite->integer(QStringLiteral("a-%1").arg(i)), i);
        EXPECT_EQ(suite->integer(QStringLiteral("b-%1").arg(i)), i);
    }
    EXPECT_EQ(suite->integer(QStringLiteral("shared")), 199);
}

TEST(UserDefaults, ACorruptFileIsMovedAsideAndReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    }
    CapturedConsole console;
    auto suite = UserDefaults::open(path);
    EXPECT_TRUE(suite->isPersistent());
    suite->setInteger(QStringLiteral("k"), 1);
    EXPECT_EQ(suite->integer(QStringLiteral("k")), 1);
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("suite.sqlite.corrupt-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(QFile(dir.filePath(aside.first())).size(), 8192) << "the old file is kept, not deleted";
    ASSERT_EQ(console.lines.size(), 1);
    EXPECT_TRUE(console.lines.first().contains(aside.first()));
}

TEST(UserDefaults, AnUnwritablePlaceGivesAWorkingSuiteInMemory)
{
    QTemporaryDir dir;
    // A file where the folder should be: nothing can be created below it (even as root).
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile(blocker).open(QIODevice::WriteOnly);
    CapturedConsole console;
    auto suite = UserDefaults::open(blocker + QStringLiteral("/qamarly/suite.sqlite"));
    EXPECT_FALSE(suite->isPersistent());
    suite->setBoolean(QStringLiteral("b"), true);
    EXPECT_EQ(suite->boolean(QStringLiteral("b")), true);
    EXPECT_EQ(console.lines.size(), 1);
}

TEST(UserDefaults, ConfigDirectoryFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/qamarly-config-test");
    EXPECT_EQ(UserDefaults::suitePath(QStringLiteral("group.x")),
              QStringLiteral("/tmp/qamarly-config-test/qamarly/group.x.sqlite"));
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    EXPECT_EQ(UserDefaults::configDirectory(), QDir::homePath() + QStringLiteral("/.config/qamarly"));
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
