// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Screen readers see the page on screen as a table: a header per weekday,
// then the day cells row by row, each named by its full date and what the
// data source adds (the other calendar's date, the day's events). Pressing a
// cell selects its day as a tap would.
#include "components/calendar/MonthCalendarDataSource.h"
#include "components/calendar/MonthCalendarView.h"
#include "core/RGDate.h"
#include "platform/ui/AccessibleChildren.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace components {

namespace {
constexpr int columns = monthgeometry::columns;
}

// One child of the table: a weekday header (`index` < columns) or a day cell.
class MonthCalendarPartAccessible final : public QAccessibleInterface,
                                          public QAccessibleTableCellInterface,
                                          public QAccessibleActionInterface
{
public:
    MonthCalendarPartAccessible(MonthCalendarView *view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < columns + cellCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(view_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        if (isHeader())
            return view_->model().weekdaySymbols().value(index_);
        const MonthCalendarCell day = cell();
        QString name = view_->model().accessibleText(day.date);
        MonthCalendarDataSource *source = view_->dataSource();
        const QString more = source ? source->accessibleDescriptionForDate(view_, day.date) : day.subtitle;
        if (!more.isEmpty())
            name += core::RGDate::listSeparator(view_->localeName()) + more;
        return name;
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        QRectF local;
        if (isHeader()) {
            const QRectF band = view_->weekdayRect();
            const double width = band.width() / columns;
            local = QRectF(band.left() + view_->model().visualColumn(index_) * width, band.top(), width,
                           band.height());
        } else {
            local = view_->rectForDate(cell().date);
        }
        const QRect r = local.toRect();
        return QRect(view_->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override
    {
        return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (isHeader())
            return s;
        const MonthCalendarCell day = cell();
        s.selectable = !day.outOfRange;
        s.selected = day.selected;
        s.disabled = day.outOfRange;
        s.invisible = day.hidden;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface && !isHeader())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return isValid() && !isHeader() && cell().selected; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *table = parent();
        if (isHeader() || !table)
            return {};
        return {table->child(columnIndex())};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isHeader() ? index_ : dayIndex() % columns; }
    // The weekday headers are the table's column headers, above the first row.
    int rowIndex() const override { return isHeader() ? -1 : dayIndex() / columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // QAccessibleActionInterface
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && isValid() && !isHeader())
            view_->model().tapCell(cell());
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    bool isHeader() const { return index_ < columns; }
    int dayIndex() const { return index_ - columns; }
    int cellCount() const { return view_ ? view_->model().cellsOnPage() : 0; }
    MonthCalendarCell cell() const
    {
        return view_->cellOnPage(view_->model().currentPageIndex(), dayIndex());
    }

    QPointer<MonthCalendarView> view_;
    int index_;
};

class MonthCalendarAccessible final : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit MonthCalendarAccessible(MonthCalendarView *view) : QAccessibleWidget(view, QAccessible::Table) {}

    MonthCalendarView *view() const { return static_cast<MonthCalendarView *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return columns + view()->model().cellsOnPage(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return children_.at(index, [&] { return new MonthCalendarPartAccessible(view(), index); });
    }

    int indexOfChild(const QAccessibleInterface *child) const override { return children_.indexOf(child); }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *part = child(i);
            if (part && part->rect().contains(x, y))
                return part;
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

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columns)
            return nullptr;
        return child(columns + row * columns + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int i = columns; i < childCount(); ++i)
            if (QAccessibleInterface *part = child(i); part && part->state().selected)
                cells.append(part);
        return cells;
    }
    QString columnDescription(int column) const override
    {
        return view()->model().weekdaySymbols().value(column);
    }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return columns; }
    int rowCount() const override { return view()->model().cellsOnPage() / columns; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    mutable platform::AccessibleChildren children_;
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
