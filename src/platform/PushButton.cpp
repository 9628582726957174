// SPDX-License-Identifier: GPL-3.0-or-later
#include "PushButton.h"

#include <QKeyEvent>

namespace platform {
namespace {

bool isEnter(const QKeyEvent& event) {
    const bool chord = event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !chord;
}

// The same key event with Space in place of Enter.
QKeyEvent asSpace(const QKeyEvent& event) {
    return QKeyEvent(event.type(), Qt::Key_Space, event.modifiers() & ~Qt::KeypadModifier,
                     QStringLiteral(" "), event.isAutoRepeat(), ushort(event.count()));
}

} // namespace

void PushButton::keyPressEvent(QKeyEvent* event) {
    passOn(event);
}

void PushButton::keyReleaseEvent(QKeyEvent* event) {
    passOn(event);
}

void PushButton::passOn(QKeyEvent* event) {
    QKeyEvent space = asSpace(*event);
    QKeyEvent* passed = isEnter(*event) ? &space : event;
    if (event->type() == QEvent::KeyPress)
        QPushButton::keyPressEvent(passed);
    else
        QPushButton::keyReleaseEvent(passed);
    event->setAccepted(passed->isAccepted());
}

} // namespace platform
