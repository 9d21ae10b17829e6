#pragma once

#include "platform/ViewController.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// A top-level window whose whole content is one root screen; screens
// presented from inside it cover this window.
class Window : public QWidget
{
    Q_OBJECT

public:
    explicit Window(QWidget *parent = nullptr);

    // Takes ownership of `vc` and replaces the previous root.
    void setRootViewController(ViewController *vc);
    ViewController *rootViewController() const { return root_; }

    // Shows the window (restoring it when minimised) and asks the window
    // system to put it in front with the keyboard focus.
    void bringToFront();

private:
    QPointer<ViewController> root_;
};

} // namespace platform
