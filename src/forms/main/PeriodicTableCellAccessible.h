// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - one element cell of the drawn periodic table, as screen readers meet it.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class PeriodicTable;

class PeriodicTableCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    PeriodicTableCellAccessible(PeriodicTable* table, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    // The name is the element's name, number and group; the description its tool tip.
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<PeriodicTable> table_;
    int index_;
};
