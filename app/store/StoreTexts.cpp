// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/StoreTexts.h"

#include <QFile>
#include <QHash>
#include <QTranslator>
#include <memory>
#include <mutex>

namespace app::store {

namespace {
QString tablePath(const QString &table, const QString &folder)
{
    return QStringLiteral(":/i18n/") + table + QLatin1Char('-') + folder + QStringLiteral(".qm");
}

QTranslator *translatorFor(const QString &table, const QString &folder)
{
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<QTranslator>> loaded;
    std::lock_guard lock(mutex);
    const QString path = tablePath(table, folder);
    auto found = loaded.constFind(path);
    if (found != loaded.constEnd())
        return found->get();
    auto translator = std::make_shared<QTranslator>();
    if (!translator->load(path))
        translator.reset();
    loaded.insert(path, translator);
    return translator.get();
}
} // namespace

bool StoreTexts::tableExists(const QString &table, const QString &folder)
{
    return !folder.isEmpty() && QFile::exists(tablePath(table, folder));
}

QString StoreTexts::folderFor(const QString &table, const QString &localeName)
{
    const QString name = QString(localeName).replace(QLatin1Char('_'), QLatin1Char('-'));
    const QString language = name.section(QLatin1Char('-'), 0, 0);
    QStringList candidates{name};
    if (language == QLatin1String("zh")) {
        const bool traditional = name.contains(QLatin1String("Hant")) || name.endsWith(QLatin1String("TW")) ||
                                 name.endsWith(QLatin1String("HK")) || name.endsWith(QLatin1String("MO"));
        candidates << (traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans"));
    } else if (language == QLatin1String("nb") || language == QLatin1String("no")) {
        candidates << QStringLiteral("nb-NO");
    }
    candidates << language;
    for (const QString &candidate : candidates) {
        if (tableExists(table, candidate))
            return candidate;
    }
    return {};
}

QString StoreTexts::lookup(const QString &table, const QString &folder, const QString &key,
                           const QString &fallback)
{
    if (folder.isEmpty())
        return fallback;
    QTranslator *translator = translatorFor(table, folder);
    if (!translator)
        return fallback;
    const QString text = translator->translate(nullptr, key.toUtf8().constData());
    return text.isEmpty() ? fallback : text;
}

} // namespace app::store
