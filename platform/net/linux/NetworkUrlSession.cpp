#include "platform/net/linux/NetworkUrlSession.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace platform {

std::shared_ptr<UrlSession> makeNetworkUrlSession()
{
    return std::make_shared<NetworkUrlSession>();
}

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
    networkRequest.setTransferTimeout(static_cast<int>(request.timeout.count()));
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                QNetworkRequest::SameOriginRedirectPolicy);
    networkRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                                request.cachePolicy == UrlRequest::CachePolicy::reloadIgnoringLocalCacheData
                                    ? QNetworkRequest::AlwaysNetwork
                                    : QNetworkRequest::PreferNetwork);
    QNetworkReply *reply = manager_->get(networkRequest);

    auto tooLarge = std::make_shared<bool>(false);
    auto checkSize = [reply, tooLarge](qint64 received) {
        if (received > maxBodyBytes && !*tooLarge) {
            *tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, checkSize] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            checkSize(length.toLongLong());
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [checkSize](qint64 received, qint64) { checkSize(received); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, finish, tooLarge] {
        reply->deleteLater();
        UrlResponse response;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (*tooLarge) {
            response.error = QStringLiteral("the response is larger than %1 bytes").arg(maxBodyBytes);
            finish(response);
            return;
        }
        // A redirect that was not followed ends with its 3xx status and an error.
        const bool redirectRefused = reply->error() == QNetworkReply::InsecureRedirectError ||
                                     reply->error() == QNetworkReply::TooManyRedirectsError;
        if (status.isValid() && !redirectRefused) {
            response.statusCode = status.toInt();
            const QByteArray body = reply->readAll();
            if (!body.isEmpty())
                response.data = body;
        } else {
            response.error = reply->errorString();
        }
        finish(response);
    });
}

} // namespace platform
