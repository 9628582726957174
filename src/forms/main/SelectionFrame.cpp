// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionFrame.h"

#include <QPainter>

SelectionFrame::SelectionFrame(QWidget* parent) : QWidget(parent) {
    // The cell underneath must still receive the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SelectionFrame::setLineColor(const QColor& color) {
    lineColor_ = color;
    update();
}

void SelectionFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(lineColor_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
