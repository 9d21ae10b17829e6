#include "platform/bundle/ImageAssets.h"

#include <QFile>

namespace platform {

QString ImageAssets::resourcePath(const QString &name)
{
    return QStringLiteral(":/images/") + name + QStringLiteral(".png");
}

bool ImageAssets::contains(const QString &name)
{
    return !name.isEmpty() && QFile::exists(resourcePath(name));
}

} // namespace platform
