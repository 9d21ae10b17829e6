// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/ViewController.h"

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

class UserDefaults;

// A top-level window whose whole content is one root screen; screens
// presented from inside it cover this window.
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);
    ~Window() override;

    // Takes ownership of `vc` and replaces the previous root.
    void setRootViewController(ViewController *vc);
    ViewController *rootViewController() const { return root_; }

    // Shows the window (restoring it when minimised) and asks the window
    // system to put it in front with the keyboard focus.
    void bringToFront();

    // Room the window manager's title bar and borders take around the content.
    static constexpr int decorationAllowance = 40;
    // `preferred` shrunk to fit the free area of a screen (never below
    // `minimum`), centred in it.
    static QRect fittedGeometry(QSize preferred, QSize minimum, const QRect &available);
    // A remembered geometry, if it can be used again on these screens: it
    // must lie mostly on one of them; one that grew too large is shrunk to fit.
    static std::optional<QRect> restorableGeometry(const QRect &saved, QSize minimum,
                                                   const QList<QRect> &availableAreas);

    // Opens at `preferred` (fitted to the screen), or where the user left the
    // window last time, as remembered under `key` in `defaults`; from now on
    // every move, resize and close is remembered there.
    void placeAndRemember(QSize preferred, std::shared_ptr<UserDefaults> defaults, const QString &key);
    // Writes the present geometry now (also done shortly after each change).
    void rememberGeometry();

    // Runs `work` once the window's first frame is on the screen (soon, when
    // it already is): for what the window's start need not wait on.
    void afterFirstFrame(std::function<void()> work);
    // The same for `window` when it is one of ours; with none, runs it now.
    static void afterFirstFrame(QWidget *window, std::function<void()> work);

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void geometryChanged();

    QPointer<ViewController> root_;
    std::shared_ptr<UserDefaults> defaults_;
    QString key_;
    QTimer saveTimer_;
    // The last geometry while neither maximised nor full screen.
    QRect normalGeometry_;
    bool framed_ = false;
    std::vector<std::function<void()>> afterFirstFrame_;
};

} // namespace platform
