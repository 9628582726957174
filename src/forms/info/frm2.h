// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frm2, the information window: a note on atomic masses, the program's run-time facts
// and a picture comparing isotopes, isobars and isotones. Opened, modeless, by the reserved
// search word; its texts are filled once, when it is created, and kept while it is open.
#pragma once

#include "forms/common/LayoutRows.h"

#include <QWidget>
#include <span>

class QLineEdit;

class frm2 : public QWidget {
    Q_OBJECT
  public:
    // The window belongs to the main window, so that closing the main window ends the program
    // while this one is open.
    explicit frm2(QWidget* mainWindow);

    // The window's layout: the controls of its table, and the place of the comparison picture.
    static std::span<const layout::ControlRow> controlRows();
    static layout::TwipsRect picturePlace();

    void Form_Load();

  private:
    QWidget* mainWindow_;
    QLineEdit* txt1_ = nullptr;
    QLineEdit* txt2_ = nullptr;
};
