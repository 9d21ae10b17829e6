// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/localization/Localization.h"

#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <memory>

namespace platform {

namespace {
std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QString tableOf(const QString &language)
{
    return QStringLiteral(":/i18n/qamarly_") + language + QStringLiteral(".qm");
}
} // namespace

void installTranslations()
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
    QString table = tableOf(Device::languageName());
    if (!QFile::exists(table))
        table = tableOf(QStringLiteral("en"));
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(table)) {
        consoleLog(QStringLiteral("Could not load the string table ") + table);
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
}

QString localized(const char *key)
{
    return qtTrId(key);
}

} // namespace platform
