// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCell.h"

#include "platform/Edges.h"
#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

void ElementCell::layOutCaption() {
    if (text() == laidOutText_ && font() == laidOutFont_ && captionRoom() == laidOutRoom_ && !lines_.empty())
        return;
    laidOutText_ = text();
    laidOutFont_ = font();
    laidOutRoom_ = captionRoom();
    const QStringList captionLines = laidOutText_.split(QLatin1Char('\n'));
    const QFontMetrics metrics(laidOutFont_);
    const QString widest = *std::max_element(captionLines.begin(), captionLines.end(), [&](const auto& a, const auto& b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    });
    shownFont_ = platform::fittedFont(laidOutFont_, widest, captionRoom());
    lines_.clear();
    for (const QString& line : captionLines) {
        QStaticText laidOut(line);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), shownFont_);
        lines_.push_back(laidOut);
    }
}

QFont ElementCell::shownFont() {
    layOutCaption();
    return shownFont_;
}

int ElementCell::captionRoom() const {
    return width() - 2;
}

void ElementCell::paintEvent(QPaintEvent*) {
    layOutCaption();
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    painter.setFont(shownFont_);
    painter.setPen(palette().color(QPalette::WindowText));
    // The lines centred as one block, each line centred on its own.
    const QFontMetrics metrics(shownFont_);
    const int blockHeight = int(lines_.size() - 1) * metrics.lineSpacing() + metrics.height();
    int top = (height() - blockHeight) / 2;
    for (const QStaticText& line : lines_) {
        painter.drawStaticText(QPointF((width() - line.size().width()) / 2, top), line);
        top += metrics.lineSpacing();
    }
    if (!highlighted_)
        return;
    platform::fillOutline(painter, rect(), Qt::black);
}
