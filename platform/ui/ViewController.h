// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPointer>
#include <QWidget>

namespace platform {

class TabBarController;

// The base of every screen. The lifecycle hooks follow what the user sees:
// viewDidLoad once before the first appearance; viewWillAppear/viewDidAppear
// each time the screen comes into view (first show, its tab selected, the
// window restored, a screen presented over it dismissed); viewWillDisappear/
// viewDidDisappear when it leaves view (another tab, window minimised, a
// screen presented over it). viewDidAppear is delivered from the event loop,
// after the screen has been laid out, so it may present another screen.
class ViewController : public QWidget
{
    Q_OBJECT

public:
    explicit ViewController(QWidget *parent = nullptr);
    ~ViewController() override;

    virtual void viewDidLoad() {}
    virtual void viewWillAppear() {}
    virtual void viewDidAppear() {}
    virtual void viewWillDisappear() {}
    virtual void viewDidDisappear() {}

    bool isViewLoaded() const { return loaded_; }
    // Runs viewDidLoad now if it has not run yet.
    void loadViewIfNeeded();
    // True between viewWillAppear and viewWillDisappear.
    bool isInView() const { return inView_; }

    // Shows `vc` over this screen, covering the whole main window, until it
    // is dismissed. Takes ownership; a screen presents at most one other
    // screen, so a second request while one is shown is refused (logged).
    void presentViewController(ViewController *vc);
    // Dismisses the screen presented by this one; called on a presented
    // screen with nothing over it, dismisses that screen itself. The screen
    // is deleted later, from the event loop.
    void dismissViewController();
    ViewController *presentedViewController() const { return presented_; }
    ViewController *presentingViewController() const { return presenting_; }

    // The tab bar controller that holds this screen (or the screen that
    // presented it), if any.
    TabBarController *tabBarController() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beginAppearance();
    void endAppearance();
    void coverBy(ViewController *vc);
    void uncover();
    void fitOverlay();

    bool loaded_ = false;
    bool inView_ = false;
    bool covered_ = false;
    bool dismissing_ = false;
    bool awaitingRestore_ = false;
    quint64 appearance_ = 0;
    QPointer<ViewController> presented_;
    QPointer<ViewController> presenting_;
};

} // namespace platform
