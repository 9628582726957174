// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCell.h"

#include <QMouseEvent>
#include <QPainter>

ElementCell::ElementCell(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAlignment(Qt::AlignCenter);
}

void ElementCell::setHighlighted(bool on) {
    highlighted_ = on;
    QFont f = font();
    f.setBold(on);
    setFont(f);
    update();
}

void ElementCell::setBackColor(const QColor& colour) {
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

QColor ElementCell::backColor() const {
    return backColor_;
}

void ElementCell::mousePressEvent(QMouseEvent* event) {
    emit pressed(index_, event->button());
    event->accept();
}

void ElementCell::paintEvent(QPaintEvent* event) {
    {
        QPainter background(this);
        background.fillRect(rect(), backColor_);
    }
    QLabel::paintEvent(event);
    if (!highlighted_)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
