// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QObject;

namespace platform {

struct UrlRequest
{
    enum class CachePolicy
    {
        useProtocolCachePolicy,
        reloadIgnoringLocalCacheData
    };

    QUrl url;
    CachePolicy cachePolicy = CachePolicy::useProtocolCachePolicy;
    // For the whole request, from sending it to the last byte of the body.
    std::chrono::milliseconds timeout{60000};
};

struct UrlResponse
{
    // The HTTP status, 0 when no response arrived.
    int statusCode = 0;
    // The body; none when nothing was received.
    std::optional<QByteArray> data;
    // Why the request failed before a whole response arrived (refused
    // address, no connection, time-out, bad certificate, redirect to another
    // host, body over the size limit). An HTTP error status is not one.
    std::optional<QString> error;
};

// Sends requests without ever waiting for them: dataTask() returns at once
// and the completion runs later on the thread that called it, unless
// `context` has been deleted by then.
class UrlSession
{
public:
    using Completion = std::function<void(const UrlResponse &)>;

    // Bodies longer than this are cut off as they arrive and reported as an
    // error; nothing we ask for comes close.
    static constexpr qint64 maxBodyBytes = 1024 * 1024;

    virtual ~UrlSession() = default;
    virtual void dataTask(const UrlRequest &request, QObject *context, Completion completion) = 0;

    // Only https leaves the machine; plain http is for loopback addresses.
    static bool isAllowedAddress(const QUrl &url, QString *why = nullptr);

    // The process's session: the installed one, else the network's.
    static UrlSession &shared();
    // Replaces the shared session; nullptr returns to the network's.
    static void install(std::shared_ptr<UrlSession> session);

protected:
    // Hands `response` to `completion` on a later turn of `anchor`'s thread,
    // unless `context` was given and has been deleted by then.
    static void completeLater(QObject *anchor, QObject *context, Completion completion, UrlResponse response);
};

} // namespace platform
