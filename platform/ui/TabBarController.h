// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/ViewController.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <functional>
#include <vector>

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
    // A tab whose screen is made by `make` only when it is first needed: the
    // tab selected, or its screen asked for. The first tab is made at once,
    // since it is in view. A `make` that returns null leaves the tab empty.
    int addTab(std::function<ViewController *()> make, const QString &title, const QIcon &icon = QIcon());
    int count() const;
    // Makes the tab's screen if it has not been made yet.
    ViewController *viewControllerAt(int index) const;
    // Whether the tab's screen exists, without making it.
    bool isTabLoaded(int index) const;
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
    int addButton(int index, const QString &title, const QIcon &icon);
    ViewController *load(int index);

    QStackedWidget *stack_;
    QWidget *bar_;
    QHBoxLayout *barLayout_;
    QButtonGroup *buttons_;
    QList<QIcon> icons_;
    // Per tab, how to make its screen while it is not made yet.
    std::vector<std::function<ViewController *()>> pending_;
};

} // namespace platform
