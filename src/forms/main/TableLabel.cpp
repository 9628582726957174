// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableLabel.h"

#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

void paintLabel(QPainter& painter, const QWidget& owner, const TableLabel& label) {
    if (!label.visible)
        return;
    if (label.back)
        painter.fillRect(label.place, *label.back);
    QPalette palette = owner.palette();
    palette.setColor(QPalette::WindowText, label.fore);
    QRect contents = label.place;
    if (label.border) {
        QStyleOptionFrame frame;
        frame.initFrom(&owner);
        frame.rect = label.place;
        frame.palette = palette;
        frame.frameShape = QFrame::Box;
        frame.lineWidth = 1;
        frame.midLineWidth = 0;
        owner.style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, &owner);
        contents.adjust(1, 1, -1, -1);
    }
    painter.setFont(label.font);
    // The flags a left-to-right plain-text QLabel draws its caption with.
    owner.style()->drawItemText(&painter, contents, int(label.alignment | Qt::TextForceLeftToRight), palette,
                                true, label.text, QPalette::WindowText);
}
