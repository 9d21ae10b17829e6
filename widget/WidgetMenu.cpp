// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/WidgetMenu.h"

#include "platform/localization/Localization.h"

#include <QAction>
#include <QMenu>

namespace widget {

std::unique_ptr<QMenu> makeWidgetMenu(WidgetKind kind, WidgetFamily family)
{
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName(QStringLiteral("widgetMenu"));
    for (const WidgetChoice &choice : widgetChoices()) {
        if (choice.kind == kind && choice.family == family)
            continue;
        menu->addAction(platform::localized(choice.menuKey))->setData(choice.id());
    }
    menu->addSeparator();
    menu->addAction(platform::localized("widget.menu.open"))->setData(QString::fromLatin1(menuOpenId));
    menu->addAction(platform::localized("widget.close"))->setData(QString::fromLatin1(menuCloseId));
    return menu;
}

QString runWidgetMenu(QMenu &menu, QPoint globalPosition)
{
    const QAction *chosen = menu.exec(globalPosition);
    return chosen ? chosen->data().toString() : QString();
}

int runMenuCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto options = readMenuOptions(arguments, err);
    if (!options)
        return exitUsage;
    const auto menu = makeWidgetMenu(options->kind, options->family);
    const QString answer = runWidgetMenu(*menu, options->at);
    if (!answer.isEmpty())
        out << answer << '\n';
    out.flush();
    return exitOk;
}

} // namespace widget
