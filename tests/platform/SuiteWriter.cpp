// Writes `count` keys named "<prefix>-<n>" into the suite at `path`, one commit
// each, so a test can run two of these against one file at once.
#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    auto suite = platform::UserDefaults::open(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    for (int i = 0; i < count; ++i) {
        suite->setInteger(prefix + QLatin1Char('-') + QString::number(i), i);
        suite->setInteger(QStringLiteral("shared"), i);
    }
    return suite->flush() && suite->isPersistent() ? 0 : 1;
}
