// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The desktop widget's context menu, run by qamarly-widget only for its
// `menu` command: the one part of the widget that needs the widget toolkit,
// kept out of the host so that the host never maps it.
#include "platform/system/Device.h"
#include "platform/system/ProgramPart.h"
#include "widget/WidgetCommandLine.h"
#include "widget/WidgetMenu.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    const QStringList arguments = platform::programArguments(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qamarly-widget"));
    widget::prepareHost();
    QApplication::setLayoutDirection(platform::Device::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    return widget::runMenuCommand(arguments.mid(1), out, err);
}
