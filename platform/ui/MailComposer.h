// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

// A new message for the user to finish in their own mail program.
struct MailMessage
{
    QStringList recipients;
    QString subject;
    // Plain text: a mailto: address carries no markup.
    QString body;
};

// Hands a new message to the desktop's mail program through a mailto:
// address and the shared UrlOpener.
class MailComposer
{
public:
    // True when the desktop has a program for mailto: addresses.
    static bool canSendMail();
    // The mailto: address for `message`, every part percent-encoded as UTF-8
    // (spaces as %20, line breaks as %0D%0A).
    static QUrl mailtoUrl(const MailMessage &message);
    // True only when the mail program took the message.
    static bool compose(const MailMessage &message);
};

} // namespace platform
