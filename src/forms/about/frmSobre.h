// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frmSobre, the About window: the product's name and version, who distributes and who
// develops it, two address boxes to copy from and a flat "OK". Modal, and above every other
// window while it is open; built anew each time it opens.
#pragma once

#include <QDialog>

class QLabel;

class frmSobre : public QDialog {
    Q_OBJECT
  public:
    explicit frmSobre(QWidget* mainWindow);

    void Form_Load();
    void lblOk_Click();
    void lblOk_MouseDown();
    void lblOk_MouseUp();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* mainWindow_;
    QLabel* lblOk_ = nullptr;
};
