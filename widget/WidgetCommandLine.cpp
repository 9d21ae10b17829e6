// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/WidgetCommandLine.h"

#include "core/JsonSchema.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Clock.h"
#include "platform/commandline/ArgumentReader.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "widget/Provider.h"
#include "widget/TimelineJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <memory>

#ifndef QAMARLY_VERSION
#define QAMARLY_VERSION "unknown"
#endif

namespace widget {

namespace {

constexpr QLatin1StringView program("qamarly-widget");

// The widget's commands take options alone (--kind simple, --kind=simple, -o FILE).
platform::ArgumentReader read(const QStringList &arguments, const QSet<QString> &flags,
                              const QSet<QString> &options)
{
    platform::ArgumentReader args(arguments, flags, options,
                                  {{QStringLiteral("-o"), QStringLiteral("output")}});
    args.expectPositionals(0, 0, QString());
    return args;
}

std::optional<Appearance> appearanceFromArgument(const QString &name)
{
    if (name == QLatin1String("light"))
        return Appearance::light;
    if (name == QLatin1String("dark"))
        return Appearance::dark;
    return std::nullopt;
}

// Kind, family and appearance, checked against what the widget offers.
bool readWidgetChoice(const platform::ArgumentReader &args, HostOptions *choice, QString *error)
{
    const QString kindName = args.option(QStringLiteral("kind"), QStringLiteral("simple"));
    const auto kind = kindFromArgument(kindName);
    if (!kind) {
        *error = platform::localized("widget.error.kind").arg(platform::printable(kindName));
        return false;
    }
    const WidgetConfiguration &config = configuration(*kind);
    const QString familyName =
        args.option(QStringLiteral("family"), familyArgumentName(config.supportedFamilies.front()));
    const auto family = familyFromArgument(familyName);
    if (!family) {
        *error = platform::localized("widget.error.family").arg(platform::printable(familyName));
        return false;
    }
    if (!config.supports(*family)) {
        QStringList offered;
        for (WidgetFamily f : config.supportedFamilies)
            offered << familyArgumentName(f);
        *error = platform::localized("widget.error.unsupportedFamily")
                     .arg(config.argumentName, platform::printable(familyName),
                          offered.join(QStringLiteral(" | ")));
        return false;
    }
    choice->kind = *kind;
    choice->family = *family;
    if (args.hasOption(QStringLiteral("appearance"))) {
        const QString name = args.option(QStringLiteral("appearance"));
        choice->appearance = appearanceFromArgument(name);
        if (!choice->appearance) {
            *error = platform::localized("widget.error.appearance").arg(platform::printable(name));
            return false;
        }
    }
    return true;
}

Timeline currentTimeline()
{
    Timeline timeline;
    Provider().getTimeline(TimelineContext{}, [&](const Timeline &t) { timeline = t; });
    return timeline;
}

} // namespace

QString usage(const QString &command)
{
    // The synopses stay as typed; what each does is in the user's language.
    const auto described = [](const char *synopsis, const char *key) -> QString {
        return QString::fromLatin1(synopsis) + QStringLiteral("      ") + platform::localized(key) +
               QLatin1Char('\n');
    };
    const QString host = described(
        "  qamarly-widget [--kind simple|complex] [--family small|medium] [--appearance light|dark]\n",
        "widget.help.host");
    const QString timeline =
        described("  qamarly-widget timeline [--json] [--at ISO-INSTANT]\n", "widget.help.timeline");
    const QString render =
        described("  qamarly-widget render --kind simple|complex --family small|medium -o FILE.png\n"
                  "                        [--at ISO-INSTANT] [--appearance light|dark] [--scale N]\n",
                  "widget.help.render");
    const QString heading = platform::localized("widget.help.usage") + QLatin1Char('\n');
    if (command == QLatin1String("timeline"))
        return heading + timeline;
    if (command == QLatin1String("render"))
        return heading + render;
    return heading + host + timeline + render + QStringLiteral("  qamarly-widget --help | --version\n");
}

QString versionText()
{
    return QString(program) + QLatin1Char(' ') + QStringLiteral(QAMARLY_VERSION);
}

void prepareExtension()
{
    platform::Device::reload();
    platform::installTranslations();
    // The extension only reads the app group's suite: it never creates,
    // repairs or writes it. No suite yet means adjustment 0.
    core::setSharedDefaults(platform::UserDefaults::openReadOnly(
        platform::UserDefaults::suitePath(QString::fromLatin1(core::appGroupIdentifier))));
}

void prepareHost()
{
    platform::Device::reload();
    platform::installTranslations();
}

Mode modeOf(const QStringList &arguments)
{
    // Help after any command or option (`render --help`) is still help.
    for (const QString &word : arguments) {
        if (word == QLatin1String("--"))
            break;
        if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            return Mode::help;
    }
    if (arguments.isEmpty())
        return Mode::host;
    const QString &word = arguments.first();
    if (word == QLatin1String("timeline"))
        return Mode::timeline;
    if (word == QLatin1String("render"))
        return Mode::render;
    if (word == QLatin1String("menu"))
        return Mode::menu;
    if (word == QLatin1String("help"))
        return Mode::help;
    if (word == QLatin1String("--version"))
        return Mode::version;
    return Mode::host;
}

std::optional<HostOptions> readHostOptions(const QStringList &arguments, QTextStream &err)
{
    const platform::ArgumentReader args =
        read(arguments, {}, {QStringLiteral("kind"), QStringLiteral("family"), QStringLiteral("appearance")});
    HostOptions options;
    QString error = args.error();
    if (error.isEmpty() && readWidgetChoice(args, &options, &error))
        return options;
    err << program << ": " << error << '\n';
    return std::nullopt;
}

int runTimeline(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const platform::ArgumentReader args = read(arguments, {QStringLiteral("json")}, {QStringLiteral("at")});
    QString error = args.error();
    platform::Instant at = platform::Clock::current();
    if (error.isEmpty() && args.hasOption(QStringLiteral("at")) &&
        !platform::parseIsoInstant(args.option(QStringLiteral("at")), &at))
        error = platform::localized("widget.error.instant")
                    .arg(platform::printable(args.option(QStringLiteral("at"))));
    if (!error.isEmpty()) {
        err << program << " timeline: " << error << '\n';
        return exitUsage;
    }
    const Timeline timeline = timelineAt(at);
    const QString zone = platform::Device::timeZoneId();
    if (args.flag(QStringLiteral("json"))) {
        QJsonObject root = timelineToJson(timeline);
        root.insert(QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion);
        out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    for (const SimpleEntry &e : timeline.entries) {
        out << platform::isoString(e.date, zone) << "  " << e.gregorianDate->weekDayName() << ", "
            << e.gregorianDate->dateFullString() << "  |  " << e.hijriDate->dateFullString() << '\n';
    }
    out << "policy: " << policyName(timeline.policy) << '\n';
    return exitOk;
}

std::optional<MenuOptions> readMenuOptions(const QStringList &arguments, QTextStream &err)
{
    const platform::ArgumentReader args =
        read(arguments, {}, {QStringLiteral("kind"), QStringLiteral("family"), QStringLiteral("at")});
    QString error = args.error();
    HostOptions choice;
    if (error.isEmpty())
        readWidgetChoice(args, &choice, &error);
    MenuOptions options{choice.kind, choice.family, {}};
    const QStringList at = args.option(QStringLiteral("at")).split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    if (at.size() == 2)
        options.at = QPoint(at.at(0).toInt(&xOk), at.at(1).toInt(&yOk));
    if (error.isEmpty() && !(xOk && yOk))
        error = platform::localized("widget.error.position");
    if (!error.isEmpty()) {
        err << program << " menu: " << error << '\n';
        return std::nullopt;
    }
    return options;
}

std::optional<RenderOptions> readRenderOptions(const QStringList &arguments, QTextStream &err)
{
    const platform::ArgumentReader args =
        read(arguments, {},
             {QStringLiteral("kind"), QStringLiteral("family"), QStringLiteral("output"),
              QStringLiteral("at"), QStringLiteral("appearance"), QStringLiteral("scale")});
    QString error = args.error();
    RenderOptions options;
    if (error.isEmpty())
        readWidgetChoice(args, &options.choice, &error);
    options.output = args.option(QStringLiteral("output"));
    if (error.isEmpty() && options.output.isEmpty())
        error = platform::localized("widget.error.noOutput");
    // The picture is always a PNG; another ending would mislead whoever opens it.
    if (error.isEmpty() && !options.output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        error = platform::localized("widget.error.notPng").arg(options.output);
    options.at = platform::Clock::current();
    if (error.isEmpty() && args.hasOption(QStringLiteral("at")) &&
        !platform::parseIsoInstant(args.option(QStringLiteral("at")), &options.at))
        error = platform::localized("widget.error.instant")
                    .arg(platform::printable(args.option(QStringLiteral("at"))));
    bool scaleOk = true;
    options.scale = args.option(QStringLiteral("scale"), QStringLiteral("2")).toDouble(&scaleOk);
    // Written so that NaN fails too.
    if (error.isEmpty() && (!scaleOk || !(options.scale >= 0.25 && options.scale <= 8)))
        error = platform::localized("widget.error.scale");
    if (!error.isEmpty()) {
        err << program << " render: " << error << '\n';
        return std::nullopt;
    }
    return options;
}

Timeline timelineAt(platform::Instant at)
{
    // The timeline as the provider would build it at that instant.
    platform::Clock::install(std::make_shared<platform::FixedClock>(at));
    Timeline timeline = currentTimeline();
    platform::Clock::install(nullptr);
    return timeline;
}

} // namespace widget
