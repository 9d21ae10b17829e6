// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/testing/ScriptedUrlSession.h"

#include <QPointer>
#include <QTimer>

namespace platform {

void ScriptedUrlSession::dataTask(const UrlRequest &request, QObject *context, Completion completion)
{
    requests_.append(request);
    UrlResponse response;
    if (script_.isEmpty())
        response.error = QStringLiteral("no scripted response");
    else
        response = script_.takeFirst();
    QPointer<QObject> guard(context);
    QTimer::singleShot(0, &anchor_, [guard, hasContext = context != nullptr, completion, response] {
        if ((!hasContext || guard) && completion)
            completion(response);
    });
}

} // namespace platform
