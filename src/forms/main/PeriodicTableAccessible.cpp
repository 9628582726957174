// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeriodicTableAccessible.h"

#include "PeriodicTable.h"
#include "PeriodicTableCellAccessible.h"

namespace {

QAccessibleInterface* makeInterface(const QString& key, QObject* object) {
    if (key == QLatin1String("PeriodicTable"))
        if (auto* table = qobject_cast<PeriodicTable*>(object))
            return new PeriodicTableAccessible(table);
    return nullptr;
}

} // namespace

void installPeriodicTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

PeriodicTableAccessible::PeriodicTableAccessible(PeriodicTable* table)
    : QAccessibleWidget(table, QAccessible::Table) {}

PeriodicTableAccessible::~PeriodicTableAccessible() {
    for (const QAccessible::Id id : cellIds_)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

PeriodicTable* PeriodicTableAccessible::table() const {
    return static_cast<PeriodicTable*>(widget());
}

void* PeriodicTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* PeriodicTableAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = cellIds_[index];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new PeriodicTableCellAccessible(table(), index));
    return QAccessible::accessibleInterface(id);
}

int PeriodicTableAccessible::childCount() const {
    return PeriodicTable::kCellCount;
}

int PeriodicTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    const auto found = std::find(cellIds_.begin(), cellIds_.end(), id);
    return found == cellIds_.end() ? -1 : int(found - cellIds_.begin());
}

QAccessibleInterface* PeriodicTableAccessible::childAt(int x, int y) const {
    const QPoint point = table()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
        if (table()->cellRect(i).contains(point))
            return child(i);
    return nullptr;
}

QAccessibleInterface* PeriodicTableAccessible::cellAt(int row, int column) const {
    const std::optional<int> cell = table()->cellAt(row, column);
    return cell ? child(*cell) : nullptr;
}

int PeriodicTableAccessible::selectedCellCount() const {
    return int(selectedCells().size());
}

QList<QAccessibleInterface*> PeriodicTableAccessible::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int i = 0; i < childCount(); ++i)
        if (table()->isHighlighted(i))
            selected.append(child(i));
    return selected;
}

QString PeriodicTableAccessible::columnDescription(int) const {
    return {};
}

QString PeriodicTableAccessible::rowDescription(int) const {
    return {};
}

int PeriodicTableAccessible::columnCount() const {
    return table()->columnCount();
}

int PeriodicTableAccessible::rowCount() const {
    return table()->rowCount();
}
