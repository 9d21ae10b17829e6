// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/UrlSession.h"

#include "platform/net/linux/LoadedUrlSession.h"

#include <QPointer>
#include <QTimer>

namespace platform {

namespace {
std::shared_ptr<UrlSession> &installed()
{
    static std::shared_ptr<UrlSession> session;
    return session;
}
} // namespace

UrlSession &UrlSession::shared()
{
    std::shared_ptr<UrlSession> &session = installed();
    if (!session)
        session = LoadedUrlSession::besideProgram();
    return *session;
}

void UrlSession::install(std::shared_ptr<UrlSession> session)
{
    installed() = std::move(session);
}

void UrlSession::completeLater(QObject *anchor, QObject *context, Completion completion, UrlResponse response)
{
    QPointer<QObject> guard(context);
    QTimer::singleShot(0, anchor,
                       [guard, hasContext = context != nullptr, completion = std::move(completion),
                        response = std::move(response)] {
                           if ((!hasContext || guard) && completion)
                               completion(response);
                       });
}

} // namespace platform
