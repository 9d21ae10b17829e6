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

} // namespace widget
