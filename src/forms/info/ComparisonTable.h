// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the picture of the information window: isotopes, isobars and isotones compared by
// atomic number, mass number and their numbers of protons, neutrons and electrons. Painted,
// so that it stays sharp at any scale.
#pragma once

#include <QWidget>

class ComparisonTable : public QWidget {
    Q_OBJECT
  public:
    explicit ComparisonTable(QWidget* parent);
    static constexpr int kRowCount = 4;    // the heading row and one row per kind of atom
    static constexpr int kColumnCount = 6; // the names and the five quantities compared
    // The text drawn in a cell: row 0 holds the headings (a letter and its subscript, as "np"),
    // column 0 the names of the kinds; "" for the corner and for cells outside the table.
    static QString text(int row, int column);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
