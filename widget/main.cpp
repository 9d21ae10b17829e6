#include "core/SharedDefaults.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "widget/WidgetCommandLine.h"
#include "widget/WidgetHost.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void prepare()
{
    platform::Device::reload();
    platform::installTranslations();
    // The extension only reads the app group's suite: it never creates,
    // repairs or writes it. No suite yet means adjustment 0.
    core::setSharedDefaults(platform::UserDefaults::openReadOnly(
        platform::UserDefaults::suitePath(QString::fromLatin1(core::appGroupIdentifier))));
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const widget::Mode mode = widget::modeOf(arguments);
    switch (mode) {
    case widget::Mode::help:
        out << widget::usage(arguments.value(0));
        return widget::exitOk;
    case widget::Mode::version:
        out << widget::versionText() << '\n';
        return widget::exitOk;
    case widget::Mode::timeline: {
        QCoreApplication app(argc, argv);
        prepare();
        return widget::runTimeline(arguments.mid(1), out, err);
    }
    case widget::Mode::render: {
        // Drawing a picture needs no screen.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        prepare();
        return widget::runRender(arguments.mid(1), out, err);
    }
    case widget::Mode::host:
        break;
    }

    // A mistake is told in the user's language, which needs the string
    // tables and so an application object; the window's comes after.
    std::optional<widget::HostOptions> options;
    {
        QCoreApplication reader(argc, argv);
        prepare();
        options = widget::readHostOptions(arguments, err);
        if (!options)
            return widget::exitUsage;
        if (!hasDisplay()) {
            err << "qamarly-widget: " << platform::localized("widget.error.noDisplay") << '\n';
            return widget::exitFailure;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qamarly-widget"));
    // Closing the widget ends the host.
    QApplication::setQuitOnLastWindowClosed(true);
    prepare();
    widget::HostWindow window(options->kind, options->family, options->appearance,
                              platform::UserDefaults::openReadOnly(platform::UserDefaults::suitePath(
                                  widget::HostWindow::standardDefaultsName())));
    window.show();
    return app.exec();
}
