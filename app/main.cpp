#include "app/Composition.h"
#include "app/cli/CommandLine.h"
#include "app/shell/ApplicationMain.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {
int runCommand(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    platform::Device::reload();
    platform::installTranslations();

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto status = app::cli::runCommandLine(arguments, out, err))
        return *status;
    out << app::cli::usage();
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // --version, --help and a mistyped option answer on the terminal; only
    // the toolkit's own options and addresses reach the window.
    if (!app::shell::wantsWindow(arguments) || !app::cli::onlyWindowArguments(arguments))
        return runCommand(argc, argv, arguments);
    if (!app::shell::displayAvailable(arguments)) {
        std::fputs("No display is available, so Qamarly's window cannot open. Today's dates:\n", stderr);
        return runCommand(argc, argv, {QStringLiteral("today")});
    }
    return app::shell::applicationMain(argc, argv, app::tabScreens());
}
