// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the drawn periodic table as screen readers meet it: a table of 18 columns and the grid's
// rows whose cells are the elements, each named, placed and marked selected while highlighted.
#pragma once

#include <QAccessibleWidget>
#include <array>

class PeriodicTable;

// Makes the table's accessible interface whenever a screen reader or a test asks for one.
// Installed once, when the first table is made.
void installPeriodicTableAccessibility();

class PeriodicTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit PeriodicTableAccessible(PeriodicTable* table);
    ~PeriodicTableAccessible() override;

    PeriodicTable* table() const;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The element cells are the children, in order of atomic number.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Whole rows and columns are never selected: one element at a time.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    // Cell interfaces are made on first use and kept, under ids the accessibility cache knows.
    mutable std::array<QAccessible::Id, 118> cellIds_{};
};
