#include "platform/notifications/AuthorizationDialog.h"

#include "platform/localization/Localization.h"
#include "platform/notifications/LocalNotificationCenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace platform {

void showAuthorizationDialog(AuthorizationOptions, std::function<void(bool)> answer)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        if (answer)
            answer(false);
        return;
    }
    auto *box = new QMessageBox(QApplication::activeWindow());
    box->setObjectName(QStringLiteral("notificationPermissionDialog"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::Question);
    box->setWindowTitle(localized("notifications.permission.windowTitle"));
    box->setText(localized("notifications.permission.title"));
    box->setInformativeText(localized("notifications.permission.message"));
    QPushButton *deny = box->addButton(localized("notifications.permission.deny"), QMessageBox::RejectRole);
    QPushButton *allow = box->addButton(localized("notifications.permission.allow"), QMessageBox::AcceptRole);
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

void installAuthorizationDialog()
{
    setAuthorizationPrompt(showAuthorizationDialog);
    LocalNotificationCenter::setDefaultForegroundProbe([] {
        return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
               QGuiApplication::applicationState() == Qt::ApplicationActive;
    });
}

} // namespace platform
