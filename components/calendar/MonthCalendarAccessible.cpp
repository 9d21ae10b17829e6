// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Screen readers see the calendar as a table of day cells, each named by its
// full date, on the page on screen.
#include "components/calendar/MonthCalendarView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <map>

namespace components {

class MonthCalendarCellAccessible final : public QAccessibleInterface
{
public:
    MonthCalendarCellAccessible(MonthCalendarView *view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < cellCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const MonthCalendarCell cell = view_->cellOnPage(view_->model().currentPageIndex(), index_);
        if (t == QAccessible::Name)
            return view_->model().accessibleText(cell.date);
        if (t == QAccessible::Description)
            return cell.subtitle;
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const MonthCalendarCell cell = view_->cellOnPage(view_->model().currentPageIndex(), index_);
        const QRect local = view_->rectForDate(cell.date).toRect();
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const MonthCalendarCell cell = view_->cellOnPage(view_->model().currentPageIndex(), index_);
        s.selectable = !cell.outOfRange;
        s.selected = cell.selected;
        s.disabled = cell.outOfRange;
        s.invisible = cell.hidden;
        return s;
    }

private:
    int cellCount() const { return view_ ? view_->model().cellsOnPage() : 0; }

    QPointer<MonthCalendarView> view_;
    int index_;
};

class MonthCalendarAccessible final : public QAccessibleWidget
{
public:
    explicit MonthCalendarAccessible(MonthCalendarView *view) : QAccessibleWidget(view, QAccessible::Table) {}

    ~MonthCalendarAccessible() override
    {
        for (const auto &entry : children_)
            QAccessible::deleteAccessibleInterface(entry.second);
    }

    MonthCalendarView *view() const { return static_cast<MonthCalendarView *>(widget()); }

    int childCount() const override { return view()->model().cellsOnPage(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = children_.find(index);
        if (found == children_.end()) {
            auto *cell = new MonthCalendarCellAccessible(view(), index);
            found = children_.emplace(index, QAccessible::registerAccessibleInterface(cell)).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (const auto &entry : children_)
            if (QAccessible::accessibleInterface(entry.second) == child)
                return entry.first;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *cell = child(i);
            if (cell && cell->rect().contains(x, y))
                return cell;
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const auto &model = view()->model();
            return model.headerTitle(model.currentPageIndex());
        }
        return QAccessibleWidget::text(t);
    }

private:
    mutable std::map<int, QAccessible::Id> children_;
};

namespace {
QAccessibleInterface *monthCalendarFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("components::MonthCalendarView") && object && object->isWidgetType())
        return new MonthCalendarAccessible(static_cast<MonthCalendarView *>(object));
    return nullptr;
}
} // namespace

void installMonthCalendarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(monthCalendarFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace components
