// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadOnlyLineEdit.h"

#include <QMouseEvent>

namespace platform {

ReadOnlyLineEdit::ReadOnlyLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
}

void ReadOnlyLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        setCursorPosition(0);
        selectAll();
    }
}

} // namespace platform
