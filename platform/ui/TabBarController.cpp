// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/TabBarController.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace platform {

namespace {
QColor &sharedTint()
{
    static QColor tint(0, 122, 255);
    return tint;
}

QList<TabBarController *> &liveBars()
{
    static QList<TabBarController *> bars;
    return bars;
}

// The bar's own colour, a deep blue that white titles read well on.
const QColor barColor(16, 32, 96);
constexpr int iconSize = 26;
constexpr qreal unselectedOpacity = 0.6;

QPixmap tinted(const QIcon &icon, const QColor &color)
{
    QPixmap pixmap = icon.pixmap(iconSize, iconSize);
    if (pixmap.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    return pixmap;
}
} // namespace

TabBarController::TabBarController(QWidget *parent)
    : ViewController(parent), stack_(new QStackedWidget(this)), bar_(new QWidget(this)),
      barLayout_(new QHBoxLayout(bar_)), buttons_(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stack_, 1);
    layout->addWidget(bar_);

    bar_->setObjectName(QStringLiteral("tabBar"));
    bar_->setAutoFillBackground(true);
    QPalette palette = bar_->palette();
    palette.setColor(QPalette::Window, barColor);
    bar_->setPalette(palette);
    // Flat tabs: the title's colour marks the selected one, with a faint
    // highlight behind it; the style's pressed panel would hide a white title.
    bar_->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; padding: 4px 2px; }"
                       "QToolButton:checked { background: rgba(255, 255, 255, 28); border-radius: 6px; }"
                       // A warm ring for the keyboard's place, plain on the deep blue.
                       "QToolButton:focus { border: 3px solid #ffc83d; border-radius: 6px; "
                       "padding: 1px 0px; }"));
    barLayout_->setContentsMargins(4, 4, 4, 4);
    barLayout_->setSpacing(0);
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, &TabBarController::setSelectedIndex);
    liveBars().append(this);
}

TabBarController::~TabBarController()
{
    liveBars().removeAll(this);
}

int TabBarController::addTab(ViewController *vc, const QString &title, const QIcon &icon)
{
    const int index = stack_->addWidget(vc);
    pending_.emplace_back();
    return addButton(index, title, icon);
}

int TabBarController::addTab(std::function<ViewController *()> make, const QString &title, const QIcon &icon)
{
    // An empty page holds the tab's place in the stack until its screen is made.
    auto *placeholder = new QWidget;
    placeholder->setObjectName(QStringLiteral("unloadedTab"));
    const int index = stack_->addWidget(placeholder);
    pending_.push_back(std::move(make));
    if (index == stack_->currentIndex())
        load(index);
    return addButton(index, title, icon);
}

int TabBarController::addButton(int index, const QString &title, const QIcon &icon)
{
    auto *button = new QToolButton(bar_);
    button->setText(title);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(iconSize, iconSize));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    button->setFocusPolicy(Qt::TabFocus);
    buttons_->addButton(button, index);
    barLayout_->addWidget(button);
    icons_.append(icon);
    if (index == stack_->currentIndex())
        button->setChecked(true);
    applyTint();
    return index;
}

ViewController *TabBarController::load(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    auto make = std::exchange(pending_[std::size_t(index)], nullptr);
    if (!make)
        return qobject_cast<ViewController *>(stack_->widget(index));
    ViewController *vc = make();
    if (!vc)
        return nullptr;
    // Put in the placeholder's place. The placeholder is never the current
    // page here unless it is the only page, when the screen takes over.
    QWidget *placeholder = stack_->widget(index);
    const bool wasCurrent = stack_->currentWidget() == placeholder;
    stack_->insertWidget(index, vc);
    if (wasCurrent)
        stack_->setCurrentWidget(vc);
    stack_->removeWidget(placeholder);
    placeholder->deleteLater();
    return vc;
}

int TabBarController::count() const
{
    return stack_->count();
}

ViewController *TabBarController::viewControllerAt(int index) const
{
    // Asking for a screen is needing it; the tabs look the same from outside.
    return const_cast<TabBarController *>(this)->load(index);
}

bool TabBarController::isTabLoaded(int index) const
{
    return index >= 0 && index < count() && !pending_[std::size_t(index)] &&
           qobject_cast<ViewController *>(stack_->widget(index));
}

ViewController *TabBarController::selectedViewController() const
{
    return qobject_cast<ViewController *>(stack_->currentWidget());
}

int TabBarController::selectedIndex() const
{
    return stack_->currentIndex();
}

void TabBarController::setSelectedIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    if (auto *button = buttons_->button(index))
        button->setChecked(true);
    if (index == stack_->currentIndex())
        return;
    load(index);
    stack_->setCurrentIndex(index);
    applyTint();
    emit selectedIndexChanged(index);
}

QString TabBarController::tabTitle(int index) const
{
    auto *button = buttons_->button(index);
    return button ? button->text() : QString();
}

QToolButton *TabBarController::tabButton(int index) const
{
    return qobject_cast<QToolButton *>(buttons_->button(index));
}

void TabBarController::setAppearanceTintColor(const QColor &color)
{
    sharedTint() = color;
    for (TabBarController *bar : liveBars())
        bar->applyTint();
}

QColor TabBarController::appearanceTintColor()
{
    return sharedTint();
}

QColor TabBarController::tintColor() const
{
    return sharedTint();
}

void TabBarController::changeEvent(QEvent *event)
{
    ViewController::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        applyTint();
}

void TabBarController::applyTint()
{
    const QColor selected = sharedTint();
    QColor faded = selected;
    faded.setAlphaF(static_cast<float>(unselectedOpacity));
    for (int i = 0; i < icons_.size(); ++i) {
        auto *button = tabButton(i);
        if (!button)
            continue;
        const QColor color = button->isChecked() ? selected : faded;
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, color);
        palette.setColor(QPalette::WindowText, color);
        button->setPalette(palette);
        QFont font = button->font();
        font.setBold(button->isChecked());
        button->setFont(font);
        if (!icons_.at(i).isNull())
            button->setIcon(QIcon(tinted(icons_.at(i), color)));
    }
}

} // namespace platform
