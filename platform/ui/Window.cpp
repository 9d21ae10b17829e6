// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/Window.h"

#include "platform/defaults/UserDefaults.h"
#include "platform/ui/ViewController.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace platform {

namespace {
// The remembered text: "x,y,width,height" and ",max" when maximised.
QString encode(const QRect &r, bool maximised)
{
    QString text = QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    if (maximised)
        text += QStringLiteral(",max");
    return text;
}

bool decode(const QString &text, QRect *rect, bool *maximised)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 4 || parts.size() > 5)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        if (!ok)
            return false;
    }
    *rect = QRect(v[0], v[1], v[2], v[3]);
    *maximised = parts.size() == 5 && parts[4] == QLatin1String("max");
    return rect->isValid();
}

// The quiet moment after a drag or resize before it is written down.
constexpr int saveDelayMs = 400;
} // namespace

Window::Window(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(saveDelayMs);
    connect(&saveTimer_, &QTimer::timeout, this, &Window::rememberGeometry);
}

Window::~Window()
{
    if (saveTimer_.isActive())
        rememberGeometry();
}

void Window::setRootViewController(ViewController *vc)
{
    if (root_ == vc)
        return;
    if (root_)
        root_->deleteLater();
    root_ = vc;
    if (vc)
        layout()->addWidget(vc);
}

void Window::bringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

QRect Window::fittedGeometry(QSize preferred, QSize minimum, const QRect &available)
{
    const QSize room(std::max(0, available.width() - decorationAllowance),
                     std::max(0, available.height() - decorationAllowance));
    const QSize size = preferred.boundedTo(room).expandedTo(minimum);
    QRect r(QPoint(0, 0), size);
    r.moveCenter(available.center());
    // A screen smaller than the minimum: keep the top left corner (and the title bar) on it.
    r.moveLeft(std::max(r.left(), available.left()));
    r.moveTop(std::max(r.top(), available.top() + decorationAllowance / 2));
    return r;
}

std::optional<QRect> Window::restorableGeometry(const QRect &saved, QSize minimum,
                                                const QList<QRect> &availableAreas)
{
    if (!saved.isValid())
        return std::nullopt;
    for (const QRect &area : availableAreas) {
        const QRect overlap = saved.intersected(area);
        // Mostly on this screen: at least half of it, and its top edge (the title bar) reachable.
        const qint64 shown = qint64(overlap.width()) * overlap.height();
        const qint64 whole = qint64(saved.width()) * saved.height();
        if (overlap.isEmpty() || shown * 2 < whole || saved.top() < area.top() ||
            saved.top() >= area.bottom())
            continue;
        const QSize room(std::max(0, area.width() - decorationAllowance / 2),
                         std::max(0, area.height() - decorationAllowance));
        QRect r(saved.topLeft(), saved.size().boundedTo(room).expandedTo(minimum));
        // Pull it wholly onto the screen.
        r.moveRight(std::min(r.right(), area.right()));
        r.moveBottom(std::min(r.bottom(), area.bottom()));
        r.moveLeft(std::max(r.left(), area.left()));
        r.moveTop(std::max(r.top(), area.top()));
        return r;
    }
    return std::nullopt;
}

void Window::placeAndRemember(QSize preferred, std::shared_ptr<UserDefaults> defaults, const QString &key)
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect available = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);

    QRect rect = fittedGeometry(preferred, minimumSize(), available);
    bool maximised = false;
    if (defaults) {
        QRect saved;
        if (const auto text = defaults->string(key); text && decode(*text, &saved, &maximised)) {
            if (const auto usable = restorableGeometry(saved, minimumSize(), areas))
                rect = *usable;
        }
    }
    setGeometry(rect);
    normalGeometry_ = rect;
    if (maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
    // Remember only from here on: the placement above is not the user's.
    saveTimer_.stop();
    defaults_ = std::move(defaults);
    key_ = key;
}

void Window::rememberGeometry()
{
    saveTimer_.stop();
    if (!defaults_)
        return;
    const bool maximised = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    QRect normal = geometry();
    if (maximised)
        normal = normalGeometry().isValid() ? normalGeometry() : normalGeometry_;
    defaults_->setString(key_, encode(normal.isValid() ? normal : geometry(), maximised));
    defaults_->flush();
}

void Window::geometryChanged()
{
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        normalGeometry_ = geometry();
    if (defaults_)
        saveTimer_.start();
}

void Window::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    geometryChanged();
}

void Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    geometryChanged();
}

void Window::afterFirstFrame(std::function<void()> work)
{
    if (framed_)
        QTimer::singleShot(0, this, std::move(work));
    else
        afterFirstFrame_.push_back(std::move(work));
}

void Window::afterFirstFrame(QWidget *window, std::function<void()> work)
{
    if (auto *ours = qobject_cast<Window *>(window))
        ours->afterFirstFrame(std::move(work));
    else
        work();
}

bool Window::event(QEvent *event)
{
    // The native window exists from the first show on; its expose is what
    // gets the first frame painted.
    if (event->type() == QEvent::Show && !framed_ && windowHandle())
        windowHandle()->installEventFilter(this);
    return QWidget::event(event);
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && !framed_ &&
        windowHandle()->isExposed()) {
        framed_ = true;
        windowHandle()->removeEventFilter(this);
        // The window paints and flushes the frame while this expose is
        // delivered, so what is posted now runs after it.
        QTimer::singleShot(0, this, [this] {
            for (auto &work : std::exchange(afterFirstFrame_, {}))
                work();
        });
    }
    return QWidget::eventFilter(watched, event);
}

void Window::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && defaults_)
        saveTimer_.start();
}

void Window::closeEvent(QCloseEvent *event)
{
    rememberGeometry();
    QWidget::closeEvent(event);
}

} // namespace platform
