// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeriodicTableCellAccessible.h"

#include "PeriodicTable.h"

#include <QWidget>
#include <QWindow>

PeriodicTableCellAccessible::PeriodicTableCellAccessible(PeriodicTable* table, int index)
    : table_(table), index_(index) {}

bool PeriodicTableCellAccessible::isValid() const {
    return !table_.isNull();
}

QWindow* PeriodicTableCellAccessible::window() const {
    return table_ ? table_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PeriodicTableCellAccessible::parent() const {
    return table_ ? QAccessible::queryAccessibleInterface(table_.data()) : nullptr;
}

QString PeriodicTableCellAccessible::text(QAccessible::Text t) const {
    if (!table_)
        return {};
    switch (t) {
    case QAccessible::Name:
        return table_->cellAccessibleName(index_);
    case QAccessible::Description:
        return table_->cellToolTip(index_);
    default:
        return {};
    }
}

QRect PeriodicTableCellAccessible::rect() const {
    if (!table_)
        return {};
    const QRect place = table_->cellRect(index_);
    return QRect(table_->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::State PeriodicTableCellAccessible::state() const {
    QAccessible::State state;
    state.selectable = true;
    state.selected = isSelected();
    state.invisible = !table_ || !table_->isVisible();
    return state;
}

void* PeriodicTableCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool PeriodicTableCellAccessible::isSelected() const {
    return table_ && table_->isHighlighted(index_);
}

int PeriodicTableCellAccessible::columnIndex() const {
    return table_ ? table_->cellColumn(index_) : -1;
}

int PeriodicTableCellAccessible::rowIndex() const {
    return table_ ? table_->cellRow(index_) : -1;
}
