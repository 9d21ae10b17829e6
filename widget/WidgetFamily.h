// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace widget {

// The sizes a widget host may draw a widget in.
enum class WidgetFamily
{
    systemSmall,
    systemMedium,
    systemLarge,
    systemExtraLarge
};

// "small", "medium", "large", "extraLarge" on the command line.
QString familyArgumentName(WidgetFamily family);
std::optional<WidgetFamily> familyFromArgument(const QString &name);
// In device-independent pixels.
QSizeF familySize(WidgetFamily family);

// A widget the extension offers: a stable identifier, its name and
// description (string keys) and the families it may be placed in.
struct WidgetConfiguration
{
    QString kind;
    QString argumentName; // "simple", "complex"
    const char *displayNameKey;
    const char *descriptionKey;
    std::vector<WidgetFamily> supportedFamilies;

    bool supports(WidgetFamily family) const;
};

enum class WidgetKind
{
    simple,
    complex
};

const WidgetConfiguration &simpleWidget();
const WidgetConfiguration &complexWidget();
const WidgetConfiguration &configuration(WidgetKind kind);
std::optional<WidgetKind> kindFromArgument(const QString &name);

// The extension's bundle: every widget it offers, in the order a gallery lists them.
struct QamloWidgetBundle
{
    static std::vector<WidgetKind> body() { return {WidgetKind::simple, WidgetKind::complex}; }
};

// One widget a desktop host can show: a kind in one of its families.
struct WidgetChoice
{
    WidgetKind kind;
    WidgetFamily family;
    const char *menuKey;

    // "simple.small": names the choice in the host's menu answers and
    // in its remembered positions.
    QString id() const;
};
// Every kind in every family it comes in, in the bundle's order.
const std::vector<WidgetChoice> &widgetChoices();
std::optional<WidgetChoice> choiceFromId(const QString &id);

} // namespace widget
