#pragma once

#include "platform/ui/ViewController.h"

#include <QColor>
#include <QIcon>
#include <QList>

class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;
class QToolButton;

namespace platform {

// A row of tabs along the bottom, each holding one screen; only the selected
// screen is in view. Follows the application's layout direction.
class TabBarController : public ViewController
{
    Q_OBJECT

public:
    explicit TabBarController(QWidget *parent = nullptr);
    ~TabBarController() override;

    // Takes ownership of `vc`. Returns the new tab's index.
    int addTab(ViewController *vc, const QString &title, const QIcon &icon = QIcon());
    int count() const;
    ViewController *viewControllerAt(int index) const;
    ViewController *selectedViewController() const;
    int selectedIndex() const;
    // Out-of-range indexes are ignored.
    void setSelectedIndex(int index);
    QString tabTitle(int index) const;
    // The tab's button in the bar (tests press it as a user would).
    QToolButton *tabButton(int index) const;

    // The colour of the selected tab's title and icon, for every tab bar of
    // the application, present and future (the others show it faded).
    static void setAppearanceTintColor(const QColor &color);
    static QColor appearanceTintColor();
    QColor tintColor() const;

signals:
    void selectedIndexChanged(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyTint();

    QStackedWidget *stack_;
    QWidget *bar_;
    QHBoxLayout *barLayout_;
    QButtonGroup *buttons_;
    QList<QIcon> icons_;
};

} // namespace platform
