// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/PermissionDialog.h"

#include "platform/localization/Localization.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace platform {

void askPermission(const QString &objectName, const QString &keyPrefix, std::function<void(bool)> answer)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        if (answer)
            answer(false);
        return;
    }
    const auto text = [&keyPrefix](const char *suffix) {
        return localized((keyPrefix + QLatin1String(suffix)).toUtf8().constData());
    };
    auto *box = new QMessageBox(QApplication::activeWindow());
    box->setObjectName(objectName);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(text(".windowTitle"));
    box->setText(text(".title"));
    box->setInformativeText(text(".message"));
    QPushButton *deny = box->addButton(text(".deny"), QMessageBox::RejectRole);
    QPushButton *allow = box->addButton(text(".allow"), QMessageBox::AcceptRole);
    deny->setObjectName(QStringLiteral("denyButton"));
    allow->setObjectName(QStringLiteral("allowButton"));
    box->setDefaultButton(allow);
    box->setEscapeButton(deny);
    // Answered exactly once, whichever way the box goes away.
    auto once = std::make_shared<std::function<void(bool)>>(std::move(answer));
    QObject::connect(box, &QMessageBox::buttonClicked, box, [once, allow](QAbstractButton *button) {
        if (auto f = std::exchange(*once, nullptr))
            f(button == allow);
    });
    QObject::connect(box, &QObject::destroyed, [once] {
        if (auto f = std::exchange(*once, nullptr))
            f(false);
    });
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace platform
