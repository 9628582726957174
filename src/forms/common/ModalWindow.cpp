// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalWindow.h"

#include <QKeyEvent>

ModalWindow::ModalWindow(QWidget* mainWindow)
    : QDialog(mainWindow,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {}

void ModalWindow::keyPressEvent(QKeyEvent* event) {
    // QDialog closes on Escape; here the key is taken and nothing happens.
    if (event->matches(QKeySequence::Cancel))
        return event->accept();
    QDialog::keyPressEvent(event);
}
