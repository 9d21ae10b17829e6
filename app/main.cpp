#include "app/cli/CommandLine.h"
#include "platform/Device.h"
#include "platform/Localization.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    platform::Device::reload();
    platform::installTranslations();

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto status = cli::runCommandLine(arguments, out, err))
        return *status;
    // The window arrives with the application shell; until then say how to use us.
    out << cli::usage();
    return 0;
}
