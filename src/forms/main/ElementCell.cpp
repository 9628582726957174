// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCell.h"

#include <QMouseEvent>
#include <QPainter>

ElementCell::ElementCell(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
}

void ElementCell::setHighlighted(bool on) {
    highlighted_ = on;
    QFont f = font();
    f.setBold(on);
    setFont(f);
    update();
}

void ElementCell::setBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor ElementCell::backColor() const {
    return palette().color(QPalette::Window);
}

void ElementCell::mousePressEvent(QMouseEvent* event) {
    emit pressed(index_, event->button());
    event->accept();
}

void ElementCell::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!highlighted_)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
