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

  protected:
    void paintEvent(QPaintEvent* event) override;
};
