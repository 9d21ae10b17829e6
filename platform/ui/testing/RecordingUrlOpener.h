// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/UrlOpener.h"

#include <QList>
#include <QSet>

namespace platform {

// Keeps the addresses it is asked to open and answers as told. It has a
// handler for every scheme unless `openableSchemes` names some.
class RecordingUrlOpener final : public UrlOpener
{
public:
    bool canOpen(const QUrl &url) override
    {
        asked.append(url);
        return openableSchemes.isEmpty() || openableSchemes.contains(url.scheme().toLower());
    }
    bool open(const QUrl &url) override
    {
        if (!openableSchemes.isEmpty() && !openableSchemes.contains(url.scheme().toLower()))
            return false;
        opened.append(url);
        return succeeds;
    }

    // Only these schemes have a handler; none named means every scheme has.
    void onlyOpens(QSet<QString> schemes)
    {
        openableSchemes = std::move(schemes);
        // An empty set would read as "every scheme".
        if (openableSchemes.isEmpty())
            openableSchemes.insert(QStringLiteral("-none-"));
    }

    QList<QUrl> asked;
    QList<QUrl> opened;
    QSet<QString> openableSchemes;
    bool succeeds = true;
};

} // namespace platform
