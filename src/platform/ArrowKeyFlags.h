// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - for each arrow key, whether it was pressed since the last time it was asked. Fed by an
// application-wide event filter, so a press counts wherever the focus is, in the watched window or in
// any window that belongs to it (the program's other windows); the key event itself goes on to the
// focused control unchanged. Presses in other programs' windows are not read: that would take
// reading the whole desktop's keyboard.
#pragma once

#include <QObject>
#include <array>

class QWidget;

namespace platform {

class ArrowKeyFlags : public QObject {
    Q_OBJECT
  public:
    enum Arrow { Right, Left, Up, Down };

    explicit ArrowKeyFlags(QWidget* window);
    ~ArrowKeyFlags() override;

    // Whether the key was pressed since the previous call for it; the call clears the flag.
    bool takePressed(Arrow arrow);

  signals:
    // An arrow key was pressed: a flag is set and waits to be taken.
    void pressed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Whether the control lies in the watched window or in a window that belongs to it.
    bool ownWindow(const QWidget& control) const;

    QWidget* window_;
    std::array<bool, 4> pressed_{};
};

} // namespace platform
