// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shape.h"

#include "platform/Edges.h"

#include <QPainter>

Shape::Shape(QWidget* parent) : QWidget(parent) {
    // Whatever lies underneath still receives the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Shape::setOutline(std::optional<QColor> colour) {
    outline_ = colour;
    update();
}

void Shape::setFill(std::optional<QColor> colour) {
    fill_ = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_)
        painter.fillRect(rect(), *fill_);
    if (outline_)
        platform::fillOutline(painter, rect(), *outline_);
}
