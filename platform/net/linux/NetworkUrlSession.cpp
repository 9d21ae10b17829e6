// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/linux/NetworkUrlSession.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace platform {

namespace {
// What Qt may hold for us between two reads of a reply.
constexpr qint64 readChunkBytes = 64 * 1024;
} // namespace

NetworkUrlSession::NetworkUrlSession() : manager_(std::make_unique<QNetworkAccessManager>()) {}

NetworkUrlSession::~NetworkUrlSession() = default;

void NetworkUrlSession::dataTask(const UrlRequest &request, QObject *context, Completion completion)
{
    QPointer<QObject> guard(context);
    auto finish = [guard, hasContext = context != nullptr, completion](const UrlResponse &response) {
        if (hasContext && !guard)
            return;
        if (completion)
            completion(response);
    };

    QString why;
    if (!isAllowedAddress(request.url, &why)) {
        // Still asynchronous, so callers see one behaviour.
        QTimer::singleShot(0, manager_.get(), [finish, why] { finish(UrlResponse{0, std::nullopt, why}); });
        return;
    }

    QNetworkRequest networkRequest(request.url);
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::SameOriginRedirectPolicy);
    networkRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                                request.cachePolicy == UrlRequest::CachePolicy::reloadIgnoringLocalCacheData
                                    ? QNetworkRequest::AlwaysNetwork
                                    : QNetworkRequest::PreferNetwork);
    QNetworkReply *reply = manager_->get(networkRequest);
    // Qt stops reading from the connection while this much waits for us, so
    // a server that sends without end fills no buffer but ours, which is capped.
    reply->setReadBufferSize(readChunkBytes);

    struct Transfer
    {
        QByteArray body;
        bool tooLarge = false;
        bool timedOut = false;
        bool done = false;
    };
    auto transfer = std::make_shared<Transfer>();
    auto refuseLarger = [reply, transfer] {
        if (transfer->body.size() <= maxBodyBytes || transfer->tooLarge)
            return;
        transfer->tooLarge = true;
        transfer->body = QByteArray();
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, transfer] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBodyBytes && !transfer->tooLarge) {
            transfer->tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, transfer, refuseLarger] {
        if (transfer->tooLarge)
            return;
        transfer->body += reply->read(maxBodyBytes + 1 - transfer->body.size());
        refuseLarger();
    });
    // The whole request, not each pause between bytes: a server that sends one
    // byte a second would never let a pause run out.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, transfer] {
        if (transfer->done)
            return;
        transfer->timedOut = true;
        reply->abort();
    });
    deadline->start(static_cast<int>(std::clamp<std::int64_t>(request.timeout.count(), 0, INT_MAX)));

    QObject::connect(
        reply, &QNetworkReply::finished, reply,
        [reply, finish, transfer, deadline, refuseLarger, timeout = request.timeout] {
            transfer->done = true;
            deadline->stop();
            reply->deleteLater();
            if (!transfer->tooLarge && !transfer->timedOut) {
                transfer->body += reply->read(maxBodyBytes + 1 - transfer->body.size());
                refuseLarger();
            }
            UrlResponse response;
            if (transfer->tooLarge) {
                response.error = QStringLiteral("the response is larger than %1 bytes").arg(maxBodyBytes);
                finish(response);
                return;
            }
            if (transfer->timedOut) {
                response.error =
                    QStringLiteral("the server gave no whole answer within %1 ms").arg(timeout.count());
                finish(response);
                return;
            }
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            // A redirect that was not followed ends with its 3xx status and an error.
            const bool redirectRefused = reply->error() == QNetworkReply::InsecureRedirectError ||
                                         reply->error() == QNetworkReply::TooManyRedirectsError;
            if (status.isValid() && !redirectRefused) {
                response.statusCode = status.toInt();
                if (!transfer->body.isEmpty())
                    response.data = std::move(transfer->body);
            } else {
                response.error = reply->errorString();
            }
            finish(response);
        });
}

} // namespace platform
