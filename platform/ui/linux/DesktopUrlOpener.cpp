#include "platform/ui/UrlOpener.h"

#include <QDesktopServices>

namespace platform {

namespace {
class DesktopUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

std::shared_ptr<UrlOpener> &installed()
{
    static std::shared_ptr<UrlOpener> opener;
    return opener;
}
} // namespace

UrlOpener &UrlOpener::shared()
{
    if (!installed())
        installed() = std::make_shared<DesktopUrlOpener>();
    return *installed();
}

void UrlOpener::install(std::shared_ptr<UrlOpener> opener)
{
    installed() = std::move(opener);
}

} // namespace platform
