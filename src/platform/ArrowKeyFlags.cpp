// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArrowKeyFlags.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

ArrowKeyFlags::ArrowKeyFlags(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

ArrowKeyFlags::~ArrowKeyFlags() {
    qApp->removeEventFilter(this);
}

bool ArrowKeyFlags::takePressed(Arrow arrow) {
    const bool pressed = pressed_[arrow];
    pressed_[arrow] = false;
    return pressed;
}

bool ArrowKeyFlags::ownWindow(const QWidget& control) const {
    // The program's other windows (the information window, the report, the About window, the
    // message box) all belong to the watched window.
    for (const QWidget* widget = &control; widget; widget = widget->parentWidget())
        if (widget == window_)
            return true;
    return false;
}

bool ArrowKeyFlags::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key event travels from the focused control up to its window; count it once, at the
    // control it was sent to, and only inside the program's own windows.
    auto* target = static_cast<QWidget*>(watched);
    if (target != QApplication::focusWidget() || !ownWindow(*target))
        return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Right:
        pressed_[Right] = true;
        break;
    case Qt::Key_Left:
        pressed_[Left] = true;
        break;
    case Qt::Key_Up:
        pressed_[Up] = true;
        break;
    case Qt::Key_Down:
        pressed_[Down] = true;
        break;
    default:
        return false;
    }
    emit pressed();
    return false;
}

} // namespace platform
