// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/RenderCommand.h"

#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "widget/EntryViews.h"
#include "widget/WidgetCommandLine.h"

namespace widget {

int runRender(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const std::optional<RenderOptions> options = readRenderOptions(arguments, err);
    if (!options)
        return exitUsage;

    const Timeline timeline = timelineAt(options->at);
    const SimpleEntry &entry = timeline.entries.at(indexInForce(timeline, options->at).value_or(0));
    const auto view = makeEntryView(options->choice.kind, options->choice.family, entry);
    const ViewEnvironment environment{options->choice.appearance.value_or(Appearance::light),
                                      platform::Device::isRightToLeft()};
    const QImage image = renderEntryView(*view, environment, options->scale);
    if (!image.save(options->output, "PNG")) {
        err << "qamarly-widget render: "
            << platform::localized("widget.error.write").arg(platform::printable(options->output)) << '\n';
        return exitFailure;
    }
    out << options->output << '\n';
    return exitOk;
}

} // namespace widget
