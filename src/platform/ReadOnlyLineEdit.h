// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a value box the user can select and copy from but never change.
#pragma once

#include <QLineEdit>

namespace platform {

// Read-only: typing, Delete, cut and paste are refused while selection and Ctrl+C work.
// A click selects the whole text, so that click-then-copy takes the whole value.
class ReadOnlyLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit ReadOnlyLineEdit(QWidget* parent = nullptr);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace platform
