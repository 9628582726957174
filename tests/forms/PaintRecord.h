// SPDX-License-Identifier: GPL-3.0-or-later
// What a window paints, recorded before any pixel exists: every text with its font, colour and
// place, every filled area with its colour, every outline and every picture, in painting order and
// in the window's pixels. Font and rasteriser versions cannot change it, so tests compare it with
// the layout as data.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

class QWidget;

struct Painted {
    enum Kind { Text, Fill, Outline, Picture };
    Kind kind;
    QRectF rect;         // Text: advance by ascent + descent at the baseline; the others: the area covered
    QString text;        // Text only
    QFont font;          // Text only
    QColor colour;       // Text and Outline: the pen's; Fill: the brush's (the first stop of a gradient)
    double baseline = 0; // Text only
};

struct PaintRecord {
    // The window as it paints itself now, all its visible children included.
    static PaintRecord of(QWidget& window);

    QList<Painted> items;
    QList<Painted> visibleTexts; // the texts no later fill paints over
    QRectF area;                 // the window's own, in its pixels

    // The colour the topmost fill or outline gives a point, if any covers it.
    std::optional<QColor> colourAt(QPointF point) const;
    // The texts whose centre lies inside the area and that no later fill paints over, in painting
    // order.
    QList<Painted> textsIn(const QRectF& area) const;
};
