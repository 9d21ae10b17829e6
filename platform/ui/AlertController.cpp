// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/AlertController.h"

#include "platform/localization/Localization.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace platform {

namespace {
QList<AlertController *> &shown()
{
    static QList<AlertController *> list;
    return list;
}

AlertController::ShowHook &showHook()
{
    static AlertController::ShowHook hook;
    return hook;
}

// More buttons than this are stacked, as a row of three would not fit a narrow window.
constexpr int maxButtonsInRow = 2;
} // namespace

AlertController::AlertController(const QString &title, const QString &message, QWidget *parent)
    : QDialog(parent), title_(title), message_(message)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title.isEmpty() ? localized("app.name") : title);
    setMinimumWidth(260);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->setSpacing(10);
    if (!title.isEmpty()) {
        auto *titleLabel = new QLabel(title, this);
        titleLabel->setObjectName(QStringLiteral("alertTitle"));
        QFont font = titleLabel->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.15);
        titleLabel->setFont(font);
        titleLabel->setAlignment(Qt::AlignCenter);
        titleLabel->setWordWrap(true);
        layout->addWidget(titleLabel);
    }
    if (!message.isEmpty()) {
        auto *messageLabel = new QLabel(message, this);
        messageLabel->setObjectName(QStringLiteral("alertMessage"));
        messageLabel->setAlignment(Qt::AlignCenter);
        messageLabel->setWordWrap(true);
        layout->addWidget(messageLabel);
    }
    buttonLayout_ = new QBoxLayout(QBoxLayout::LeftToRight);
    buttonLayout_->setSpacing(8);
    layout->addSpacing(4);
    layout->addLayout(buttonLayout_);
}

AlertController::~AlertController()
{
    shown().removeAll(this);
}

void AlertController::addAction(const QString &title, ActionStyle style, std::function<void()> handler)
{
    const int index = static_cast<int>(actions_.size());
    actions_.append(Action{title, style, std::move(handler)});

    auto *button = new QPushButton(title, this);
    button->setObjectName(QStringLiteral("alertButton%1").arg(index));
    button->setAutoDefault(false);
    if (style == ActionStyle::Cancel) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    } else if (style == ActionStyle::Destructive) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, QColor(220, 30, 30));
        button->setPalette(palette);
    }
    connect(button, &QPushButton::clicked, this, [this, index] { press(index); });
    buttonLayout_->addWidget(button);
    if (actions_.size() > maxButtonsInRow)
        buttonLayout_->setDirection(QBoxLayout::TopToBottom);
}

void AlertController::showOver(QWidget *over)
{
    QWidget *host = over ? over->window() : nullptr;
    if (host && parentWidget() != host)
        setParent(host, windowFlags() | Qt::Dialog);
    setWindowModality(host ? Qt::WindowModal : Qt::ApplicationModal);
    shown().append(this);
    open();
    if (const ShowHook &hook = showHook())
        hook(this);
}

bool AlertController::press(int index)
{
    if (answered_ || index < 0 || index >= actions_.size() || !shown().contains(this))
        return false;
    answered_ = true;
    const std::function<void()> handler = actions_.at(index).handler;
    shown().removeAll(this);
    done(index);
    if (handler)
        handler();
    return true;
}

bool AlertController::press(const QString &title)
{
    for (int i = 0; i < actions_.size(); ++i) {
        if (actions_.at(i).title == title)
            return press(i);
    }
    return false;
}

void AlertController::reject()
{
    for (int i = 0; i < actions_.size(); ++i) {
        if (actions_.at(i).style == ActionStyle::Cancel) {
            press(i);
            return;
        }
    }
    answered_ = true;
    shown().removeAll(this);
    QDialog::reject();
}

QList<AlertController *> AlertController::shownAlerts()
{
    return shown();
}

AlertController::ShowHook AlertController::setShowHook(ShowHook hook)
{
    ShowHook previous = std::move(showHook());
    showHook() = std::move(hook);
    return previous;
}

} // namespace platform
