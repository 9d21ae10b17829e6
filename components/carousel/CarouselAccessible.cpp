// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Screen readers see the carousel as a list of the cards in view, each named
// by the texts on it, the card in front selected. The cards themselves are
// drawn by the carousel, so their labels are not in view as widgets.
#include "components/carousel/Carousel.h"
#include "core/RGDate.h"
#include "platform/system/Device.h"
#include "platform/ui/AccessibleChildren.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace components {

namespace {

class CarouselItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CarouselItemAccessible(Carousel *carousel, int slot) : carousel_(carousel), slot_(slot) {}

    bool isValid() const override { return carousel_ && index() >= 0; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return carousel_ ? carousel_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(carousel_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        QStringList parts;
        if (QWidget *view = carousel_->itemViewAtIndex(index())) {
            for (const QLabel *label : view->findChildren<QLabel *>()) {
                const QString text = label->text().simplified();
                if (!text.isEmpty() && !label->isHidden())
                    parts << text;
            }
        }
        return parts.join(core::RGDate::listSeparator(platform::Device::localeName()));
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        return carousel_ ? QRect(carousel_->mapToGlobal(QPoint(0, 0)), carousel_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = index() == carousel_->currentItemIndex();
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid())
            carousel_->scrollToItemAtIndex(index(), true);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    int index() const
    {
        if (!carousel_)
            return -1;
        const std::vector<int> shown = carousel_->indexesForVisibleItems();
        return slot_ < int(shown.size()) ? shown[std::size_t(slot_)] : -1;
    }

    QPointer<Carousel> carousel_;
    int slot_;
};

class CarouselAccessible final : public QAccessibleWidget
{
public:
    explicit CarouselAccessible(Carousel *carousel) : QAccessibleWidget(carousel, QAccessible::List) {}

    Carousel *carousel() const { return static_cast<Carousel *>(widget()); }
    int childCount() const override { return int(carousel()->indexesForVisibleItems().size()); }
    QAccessibleInterface *child(int slot) const override
    {
        if (slot < 0 || slot >= childCount())
            return nullptr;
        return children_.at(slot, [&] { return new CarouselItemAccessible(carousel(), slot); });
    }
    int indexOfChild(const QAccessibleInterface *child) const override { return children_.indexOf(child); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

private:
    mutable platform::AccessibleChildren children_;
};

QAccessibleInterface *carouselFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("components::Carousel") && object && object->isWidgetType())
        return new CarouselAccessible(static_cast<Carousel *>(object));
    return nullptr;
}

} // namespace

void installCarouselAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(carouselFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace components
