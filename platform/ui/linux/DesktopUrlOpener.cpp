// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Console.h"
#include "platform/system/Logging.h"
#include "platform/ui/UrlOpener.h"
#include "platform/ui/linux/DesktopSchemeHandlers.h"

#include <QDesktopServices>

namespace platform {

namespace {
class DesktopUrlOpener final : public UrlOpener
{
public:
    bool canOpen(const QUrl &url) override
    {
        if (!url.isValid() || url.scheme().isEmpty())
            return false;
        const QString scheme = url.scheme().toLower();
        // A desktop without a browser or a file manager is not one we run on.
        if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("file"))
            return true;
        return !schemeHandler(scheme, XdgFolders::fromEnvironment()).isEmpty();
    }

    bool open(const QUrl &url) override
    {
        if (!canOpen(url)) {
            consoleWarning(lcWindow(), QStringLiteral("No application opens %1 addresses: %2")
                                           .arg(printable(url.scheme()), printable(url.toString())));
            return false;
        }
        return QDesktopServices::openUrl(url);
    }
};

std::shared_ptr<UrlOpener> &installedOpener()
{
    static std::shared_ptr<UrlOpener> opener;
    return opener;
}
} // namespace

UrlOpener &UrlOpener::shared()
{
    if (!installedOpener())
        installedOpener() = std::make_shared<DesktopUrlOpener>();
    return *installedOpener();
}

void UrlOpener::install(std::shared_ptr<UrlOpener> opener)
{
    installedOpener() = std::move(opener);
}

} // namespace platform
