// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/net/UrlSession.h"

#include <QList>
#include <QObject>

namespace platform {

// Answers every request with the next scripted response (or a transport
// error when the script is empty), asynchronously like the real session,
// and keeps the requests it was given.
class ScriptedUrlSession final : public UrlSession
{
public:
    void dataTask(const UrlRequest &request, QObject *context, Completion completion) override;

    void enqueue(UrlResponse response) { script_.append(std::move(response)); }
    const QList<UrlRequest> &requests() const { return requests_; }

private:
    QObject anchor_;
    QList<UrlResponse> script_;
    QList<UrlRequest> requests_;
};

} // namespace platform
