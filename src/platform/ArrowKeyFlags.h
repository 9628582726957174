// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - for each arrow key, whether it was pressed since the last time it was asked. Fed by an
// application-wide event filter, so a press counts wherever the focus is inside the watched window;
// the key event itself goes on to the focused control unchanged. Presses in other windows of the
// program (the report, the About window) and in other programs do not count.
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
    QWidget* window_;
    std::array<bool, 4> pressed_{};
};

} // namespace platform
