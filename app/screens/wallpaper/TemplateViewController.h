// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/ViewController.h"

#include <QColor>
#include <memory>

namespace Ui {
class TemplateViewController;
}

namespace app::occasions {
class EventView;
}

namespace app::wallpaper {

// A decorative screen: rounded, layered panels over a purple-to-blue
// gradient with an occasion card on top. No tab opens it; the gallery does.
class TemplateViewController : public platform::ViewController
{
    Q_OBJECT

public:
    // The flat palette's dark purple and dark blue.
    static inline const QColor flatPurpleDark = QColor::fromHsvF(253.0f / 360.0f, 0.56f, 0.64f);
    static inline const QColor flatBlueDark = QColor::fromHsvF(224.0f / 360.0f, 0.56f, 0.51f);
    static constexpr qreal panelCornerRadius = 10;

    explicit TemplateViewController(QWidget *parent = nullptr);
    ~TemplateViewController() override;

    void viewDidLoad() override;

    Ui::TemplateViewController &outlets() { return *ui_; }
    occasions::EventView *eventView() const { return occasionCard_; }

private:
    std::unique_ptr<Ui::TemplateViewController> ui_;
    occasions::EventView *occasionCard_ = nullptr;
};

} // namespace app::wallpaper
