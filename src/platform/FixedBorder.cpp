// SPDX-License-Identifier: GPL-3.0-or-later
#include "FixedBorder.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// The largest width or height of an X window. A drag can never reach the next step, even under
// openbox, which starts a drag half a step along.
constexpr int kBeyondAnyScreen = 32767;

// Qt (6.4 as 6.8) gives a native window the widget's smallest and largest size when it creates it,
// but not its base size and resize step; this hands those over each time the native window is made.
class SizeHintsKeeper : public QObject {
  public:
    explicit SizeHintsKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        apply();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show)
            apply();
        return false;
    }

  private:
    void apply() {
        if (QWindow* handle = window_.windowHandle()) {
            handle->setBaseSize(window_.baseSize());
            handle->setSizeIncrement(window_.sizeIncrement());
        }
    }

    QWidget& window_;
};

} // namespace

void holdSizeAgainstDrags(QWidget& window, const QSize& size) {
    // Qt passes these to the window manager as the window's normal size hints (minimum size, base
    // size and resize increment), and keeps to the smallest size itself too.
    window.setMinimumSize(size);
    window.setBaseSize(size);
    window.setSizeIncrement(kBeyondAnyScreen, kBeyondAnyScreen);
    new SizeHintsKeeper(window);
}

} // namespace platform
