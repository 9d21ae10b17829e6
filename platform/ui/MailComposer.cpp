// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/MailComposer.h"

#include "platform/ui/UrlOpener.h"

namespace platform {

namespace {

QByteArray encoded(QString text)
{
    // Mail wants CR LF; a lone CR or LF becomes one.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    // Everything but the unreserved characters, so that '&', '=', '+', '#'
    // and '?' in a text cannot end its field or start another.
    return QUrl::toPercentEncoding(text);
}

} // namespace

bool MailComposer::canSendMail()
{
    return UrlOpener::shared().canOpen(QUrl(QStringLiteral("mailto:")));
}

QUrl MailComposer::mailtoUrl(const MailMessage &message)
{
    QByteArray address = "mailto:";
    QByteArrayList recipients;
    for (const QString &recipient : message.recipients)
        recipients.append(QUrl::toPercentEncoding(recipient.trimmed(), "@"));
    address += recipients.join(',');
    QByteArrayList fields;
    if (!message.subject.isEmpty())
        fields.append("subject=" + encoded(message.subject));
    if (!message.body.isEmpty())
        fields.append("body=" + encoded(message.body));
    if (!fields.isEmpty())
        address += '?' + fields.join('&');
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

bool MailComposer::compose(const MailMessage &message)
{
    return UrlOpener::shared().open(mailtoUrl(message));
}

} // namespace platform
