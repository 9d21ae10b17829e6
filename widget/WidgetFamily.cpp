// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/WidgetFamily.h"

#include <algorithm>

namespace widget {

QString familyArgumentName(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        return QStringLiteral("small");
    case WidgetFamily::systemMedium:
        return QStringLiteral("medium");
    case WidgetFamily::systemLarge:
        return QStringLiteral("large");
    case WidgetFamily::systemExtraLarge:
        return QStringLiteral("extraLarge");
    }
    return {};
}

std::optional<WidgetFamily> familyFromArgument(const QString &name)
{
    for (WidgetFamily f : {WidgetFamily::systemSmall, WidgetFamily::systemMedium, WidgetFamily::systemLarge,
                           WidgetFamily::systemExtraLarge}) {
        if (name.compare(familyArgumentName(f), Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

QSizeF familySize(WidgetFamily family)
{
    // The phone's home-screen sizes, which the layouts were made for.
    switch (family) {
    case WidgetFamily::systemSmall:
        return {170, 170};
    case WidgetFamily::systemMedium:
        return {364, 170};
    case WidgetFamily::systemLarge:
        return {364, 382};
    case WidgetFamily::systemExtraLarge:
        return {715, 382};
    }
    return {170, 170};
}

bool WidgetConfiguration::supports(WidgetFamily family) const
{
    return std::find(supportedFamilies.begin(), supportedFamilies.end(), family) != supportedFamilies.end();
}

const WidgetConfiguration &simpleWidget()
{
    // Identifiers stay stable across releases: hosts remember placed widgets by them.
    static const WidgetConfiguration c{QStringLiteral("org.qamarly.QamarlyWidget.QamloSimpleWidget"),
                                       QStringLiteral("simple"),
                                       "Qamarly Widget",
                                       "This widget will display today's Hijri date",
                                       {WidgetFamily::systemSmall, WidgetFamily::systemMedium}};
    return c;
}

const WidgetConfiguration &complexWidget()
{
    static const WidgetConfiguration c{QStringLiteral("org.qamarly.QamarlyWidget.QamloComplexWidget"),
                                       QStringLiteral("complex"),
                                       "Qamarly Widget",
                                       "This widget will display both Hijri and Gregorian dates",
                                       {WidgetFamily::systemMedium}};
    return c;
}

const WidgetConfiguration &configuration(WidgetKind kind)
{
    return kind == WidgetKind::simple ? simpleWidget() : complexWidget();
}

std::optional<WidgetKind> kindFromArgument(const QString &name)
{
    for (WidgetKind k : QamloWidgetBundle::body()) {
        if (name.compare(configuration(k).argumentName, Qt::CaseInsensitive) == 0)
            return k;
    }
    return std::nullopt;
}

QString WidgetChoice::id() const
{
    return configuration(kind).argumentName + QLatin1Char('.') + familyArgumentName(family);
}

const std::vector<WidgetChoice> &widgetChoices()
{
    static const std::vector<WidgetChoice> list{
        {WidgetKind::simple, WidgetFamily::systemSmall, "widget.menu.simpleSmall"},
        {WidgetKind::simple, WidgetFamily::systemMedium, "widget.menu.simpleMedium"},
        {WidgetKind::complex, WidgetFamily::systemMedium, "widget.menu.complexMedium"},
    };
    return list;
}

std::optional<WidgetChoice> choiceFromId(const QString &id)
{
    for (const WidgetChoice &choice : widgetChoices()) {
        if (choice.id() == id)
            return choice;
    }
    return std::nullopt;
}

} // namespace widget
