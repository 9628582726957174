// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventComboBox.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace platform {

EventComboBox::EventComboBox(QWidget* parent) : QComboBox(parent) {
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, &EventComboBox::listClicked);
}

void EventComboBox::setListIndex(int index) {
    if (index < -1 || index >= count())
        return;
    if (index == currentIndex())
        emit listClicked();
    else
        setCurrentIndex(index);
}

void EventComboBox::stepListIndex(int delta) {
    const int target = currentIndex() + delta;
    if (target >= 0 && target < count())
        setListIndex(target);
}

void EventComboBox::keyPressEvent(QKeyEvent* event) {
    // The list turns Left and Right into Up and Down, so that both step the entry the same way.
    // With Alt or Ctrl held they stay what they are.
    const bool chord = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    const int key = event->key();
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && !chord) {
        QKeyEvent step(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down, event->modifiers(),
                       QString(), event->isAutoRepeat(), ushort(event->count()));
        QComboBox::keyPressEvent(&step);
        event->setAccepted(step.isAccepted());
        return;
    }
    QComboBox::keyPressEvent(event);
}

void EventComboBox::appendSilently(const QStringList& entries) {
    const QSignalBlocker blocker(this);
    const int keep = currentIndex();
    addItems(entries);
    setCurrentIndex(keep);
}

} // namespace platform
