// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a push button that Enter presses as Space does.
#pragma once

#include <QPushButton>

namespace platform {

// Enter (Return or the keypad's Enter) on a focused button presses it while the key is down and
// clicks it when the key comes up, exactly as Space does, in any window, not only in dialogs.
class PushButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    // Hands the key on to the button, with Space in place of Enter.
    void passOn(QKeyEvent* event);
};

} // namespace platform
