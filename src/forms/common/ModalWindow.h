// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a modal window of the program: a title bar with only the close box, and it closes only
// through its own controls and that box. Escape does nothing in it: a window without a Cancel
// button has nothing for Escape to press.
#pragma once

#include <QDialog>

class ModalWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ModalWindow(QWidget* mainWindow);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};
