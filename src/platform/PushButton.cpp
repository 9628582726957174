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
    return QKeyEvent(event.type(), Qt::Key_Space, event.modifiers() & ~Qt::KeypadModifier, QStringLiteral(" "),
                     event.isAutoRepeat(), ushort(event.count()));
}

} // namespace

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(*event))
        return QPushButton::keyPressEvent(event);
    QKeyEvent space = asSpace(*event);
    QPushButton::keyPressEvent(&space);
    event->setAccepted(space.isAccepted());
}

void PushButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isEnter(*event))
        return QPushButton::keyReleaseEvent(event);
    QKeyEvent space = asSpace(*event);
    QPushButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}

} // namespace platform
