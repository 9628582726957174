// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - frmSobre, the About window: the product's name and version, who distributes and who
// develops it, two address boxes to copy from and a flat "OK". Modal, and above every other
// window while it is open; built anew each time it opens.
#pragma once

#include "forms/common/LayoutRows.h"
#include "forms/common/ModalWindow.h"

#include <span>

class QLabel;

class frmSobre : public ModalWindow {
    Q_OBJECT
  public:
    explicit frmSobre(QWidget* mainWindow);

    // The window's layout: the controls of its table, and the two borderless address boxes.
    struct AddressBox {
        const char* name;
        layout::TwipsRect place;
        const char* text;
    };
    static std::span<const layout::ControlRow> controlRows();
    static std::span<const AddressBox> addressBoxes();

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
