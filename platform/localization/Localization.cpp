#include "platform/localization/Localization.h"

#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

namespace {
std::vector<std::unique_ptr<QTranslator>> &translators()
{
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

QStringList tablesFor(const QString &language)
{
    // Matched by hand: a name filter would compile a regular expression,
    // which costs a command more than reading the tables.
    const QString ending = QLatin1Char('_') + language + QStringLiteral(".qm");
    QStringList tables;
    // Unsorted, then sorted here: the folder's own sort goes by file
    // information of every entry.
    for (QDirIterator it(QStringLiteral(":/i18n"), QDir::Files); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (name.endsWith(ending) && name.size() > ending.size())
            tables << name;
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}
} // namespace

void installTranslations()
{
    for (auto &t : translators())
        QCoreApplication::removeTranslator(t.get());
    translators().clear();

    const QString language = Device::localeName().section(QLatin1Char('_'), 0, 0);
    QStringList files = tablesFor(language);
    if (files.isEmpty())
        files = tablesFor(QStringLiteral("en"));
    for (const QString &file : files) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral(":/i18n/") + file)) {
            QCoreApplication::installTranslator(translator.get());
            translators().push_back(std::move(translator));
        } else {
            consoleLog(QStringLiteral("Could not load the string table ") + file);
        }
    }
}

QString localized(const char *key)
{
    return qtTrId(key);
}

} // namespace platform
