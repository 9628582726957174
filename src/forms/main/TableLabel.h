// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - a caption drawn by the periodic table: a period number or a group heading.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;
class QWidget;

// What a plain-text label shows: a place in the table's coordinates, a caption in a font and
// colour, an optional background and one-pixel box, and whether it shows at all.
struct TableLabel {
    QRect place;
    QString text;
    QFont font;
    std::optional<QColor> back; // none: the table shows through
    QColor fore;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool border = false;
    bool visible = true;
    QString toolTip;
};

// Paints the label as a QLabel with the same settings paints itself, through owner's style: the
// background over the whole place, the plain box in the text colour, then the caption inside the box.
void paintLabel(QPainter& painter, const QWidget& owner, const TableLabel& label);
