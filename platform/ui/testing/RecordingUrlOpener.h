#pragma once

#include "platform/ui/UrlOpener.h"

#include <QList>

namespace platform {

// Keeps the addresses it is asked to open and answers as told.
class RecordingUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened.append(url);
        return succeeds;
    }

    QList<QUrl> opened;
    bool succeeds = true;
};

} // namespace platform
