// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/net/UrlSession.h"

class QNetworkAccessManager;

namespace platform {

// Requests through Qt Network. Redirects are followed only within the same
// scheme, host and port; a body is taken as it arrives and cut off at
// maxBodyBytes; a request still running at its time-out is stopped.
class NetworkUrlSession final : public UrlSession
{
public:
    NetworkUrlSession();
    ~NetworkUrlSession() override;

    void dataTask(const UrlRequest &request, QObject *context, Completion completion) override;

private:
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace platform
