#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class QApplication;

namespace platform {
class Window;
}

namespace app::shell {

class AppDelegate;

// Turns what the desktop reports into the delegate's lifecycle calls. A
// return to the foreground is the application becoming active again after
// it was inactive or its window was minimised, or another start of Qamarly
// asking this one to come forward while it was not in front; one return is
// reported however many of these signal it.
class ApplicationLifecycle : public QObject
{
    Q_OBJECT

public:
    ApplicationLifecycle(QApplication &application, AppDelegate &delegate, platform::Window &window);

    // An address given on the command line ("qamarly://..."), or an empty URL.
    static QUrl urlArgument(const QStringList &arguments);

public slots:
    void applicationStateChanged(Qt::ApplicationState state);
    // Another start of Qamarly handed over its arguments.
    void activationRequested(const QStringList &arguments);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void leaveForeground(bool background);
    void returnToForeground();

    QApplication &application_;
    AppDelegate &delegate_;
    QPointer<platform::Window> window_;
    Qt::ApplicationState state_;
    bool awaitingReturn_ = false;
};

} // namespace app::shell
