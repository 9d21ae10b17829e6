#pragma once

#include <QUrl>
#include <memory>

namespace platform {

// Opens an address in the desktop's handler for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // True only when the desktop took the address.
    virtual bool open(const QUrl &url) = 0;

    static UrlOpener &shared();
    // nullptr returns to the desktop's.
    static void install(std::shared_ptr<UrlOpener> opener);
};

} // namespace platform
