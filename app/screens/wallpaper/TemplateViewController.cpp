// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/wallpaper/TemplateViewController.h"

#include "app/screens/occasions/EventView.h"
#include "ui_EventView.h"
#include "ui_TemplateViewController.h"

#include <QEvent>
#include <QPainterPath>
#include <QRegion>
#include <cmath>

namespace app::wallpaper {

namespace {
// Where the occasion card lies, and how much of the screen's width it takes.
constexpr int cardX = 50;
constexpr int cardY = 100;
constexpr double templateCardWidthDivisor = 1.5;
constexpr int cardHeight = 350;

// Rounds a view's corners and clips what it and its children draw to them,
// following its size.
class CornerClip : public QObject
{
public:
    CornerClip(QWidget *view, qreal radius) : QObject(view), view_(view), radius_(radius)
    {
        view->setAttribute(Qt::WA_StyledBackground);
        view->setStyleSheet(
            view->styleSheet() +
            QStringLiteral("\n#%1 { border-radius: %2px; }").arg(view->objectName()).arg(radius));
        view->installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == view_ && event->type() == QEvent::Resize)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        QPainterPath path;
        path.addRoundedRect(QRectF(view_->rect()), radius_, radius_);
        view_->setMask(QRegion(path.toFillPolygon().toPolygon()));
    }

    QWidget *view_;
    qreal radius_;
};
} // namespace

TemplateViewController::TemplateViewController(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::TemplateViewController>())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("TemplateViewController"));
}

TemplateViewController::~TemplateViewController() = default;

void TemplateViewController::viewDidLoad()
{
    for (QWidget *view : {static_cast<QWidget *>(ui_->blurView), static_cast<QWidget *>(ui_->midView),
                          static_cast<QWidget *>(ui_->smallView)})
        new CornerClip(view, panelCornerRadius);

    ui_->bgView->setAttribute(Qt::WA_StyledBackground);
    ui_->bgView->setStyleSheet(
        QStringLiteral("#bgView { background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, "
                       "stop: 0 %1, stop: 1 %2); }")
            .arg(flatPurpleDark.name(), flatBlueDark.name()));

    occasionCard_ = new occasions::EventView(this);
    occasionCard_->setGeometry(cardX, cardY,
                               static_cast<int>(std::lround(width() / templateCardWidthDivisor)), cardHeight);
    occasionCard_->outlets().dayLabel->setText(QStringLiteral("8"));
    occasionCard_->raise();
    occasionCard_->show();
}

} // namespace app::wallpaper
