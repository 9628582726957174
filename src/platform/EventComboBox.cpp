// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventComboBox.h"

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

void EventComboBox::appendSilently(const QStringList& entries) {
    const QSignalBlocker blocker(this);
    const int keep = currentIndex();
    addItems(entries);
    setCurrentIndex(keep);
}

} // namespace platform
