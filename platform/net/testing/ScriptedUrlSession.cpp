// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/testing/ScriptedUrlSession.h"

#include <utility>

namespace platform {

void ScriptedUrlSession::dataTask(const UrlRequest &request, QObject *context, Completion completion)
{
    requests_.append(request);
    UrlResponse response;
    if (script_.isEmpty())
        response.error = QStringLiteral("no scripted response");
    else
        response = script_.takeFirst();
    completeLater(&anchor_, context, std::move(completion), std::move(response));
}

} // namespace platform
