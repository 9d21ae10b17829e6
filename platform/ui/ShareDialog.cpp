// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/ShareDialog.h"

#include "platform/localization/Localization.h"
#include "platform/ui/MailComposer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

ShareDialog::ShareDialog(const QString &text, QWidget *parent)
    : QDialog(parent), text_(text), statusLabel_(new QLabel(this)), textView_(new QPlainTextEdit(this)),
      emailButton_(new QPushButton(localized("share.email"), this)),
      closeButton_(new QPushButton(localized("share.close"), this))
{
    setObjectName(QStringLiteral("ShareDialog"));
    setWindowTitle(localized("share.title"));
    setAttribute(Qt::WA_DeleteOnClose);

    statusLabel_->setObjectName(QStringLiteral("shareStatusLabel"));
    statusLabel_->setWordWrap(true);
    textView_->setObjectName(QStringLiteral("shareTextView"));
    textView_->setPlainText(text);
    textView_->setReadOnly(true);
    // A recommendation is a few lines; no need for a page of empty box.
    textView_->setMaximumHeight(6 * textView_->fontMetrics().lineSpacing());
    emailButton_->setObjectName(QStringLiteral("shareEmailButton"));
    closeButton_->setObjectName(QStringLiteral("shareCloseButton"));
    closeButton_->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(emailButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(statusLabel_);
    layout->addWidget(textView_);
    layout->addLayout(buttons);
    resize(380, sizeHint().height());

    connect(emailButton_, &QPushButton::clicked, this, &ShareDialog::sendByEmail);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void ShareDialog::showOver(QWidget *over)
{
    QWidget *host = over ? over->window() : nullptr;
    if (host && parentWidget() != host)
        setParent(host, windowFlags() | Qt::Dialog);
    setWindowModality(host ? Qt::WindowModal : Qt::ApplicationModal);
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(text_);
        statusLabel_->setText(localized("share.copied"));
    }
    // Without a mail program the button would promise what it cannot do.
    const bool mail = MailComposer::canSendMail();
    emailButton_->setEnabled(mail);
    emailButton_->setToolTip(mail ? QString() : localized("share.noMail"));
    open();
}

void ShareDialog::sendByEmail()
{
    if (MailComposer::compose({{}, QString(), text_})) {
        accept();
        return;
    }
    // The text stays on the clipboard; say so rather than close as if sent.
    statusLabel_->setText(localized("share.mailFailed"));
}

} // namespace platform
