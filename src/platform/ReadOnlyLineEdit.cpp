// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadOnlyLineEdit.h"

#include "Edges.h"
#include "Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {
constexpr int kEdgeWidth = 2;
// The sunken edge: outer line shadow over light, inner line dark shadow over the face's light.
const QColor kOuterTopLeft(128, 128, 128);
const QColor kOuterBottomRight(255, 255, 255);
const QColor kInnerTopLeft(64, 64, 64);
const QColor kInnerBottomRight(212, 208, 200);
} // namespace

ReadOnlyLineEdit::ReadOnlyLineEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    QLineEdit::setFrame(false);
    setEdge(true);
}

void ReadOnlyLineEdit::setEdge(bool on) {
    edge_ = on;
    const int margin = on ? kEdgeWidth : 0;
    setTextMargins(margin, margin, margin, margin);
    update();
}

void ReadOnlyLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!edge_)
        return;
    QPainter painter(this);
    const QRect outer = rect();
    fillEdges(painter, outer, kOuterTopLeft, kOuterBottomRight);
    fillEdges(painter, outer.adjusted(1, 1, -1, -1), kInnerTopLeft, kInnerBottomRight);
}

void ReadOnlyLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        setCursorPosition(0);
        selectAll();
    }
}

int ReadOnlyLineEdit::textRoom() const {
    const QMargins margins = textMargins();
    constexpr int kInnerMargin = 2; // a line edit keeps this much free on each side of its text
    return width() - 2 * kInnerMargin - margins.left() - margins.right();
}

void ReadOnlyLineEdit::showValue(const QString& text) {
    if (!fitted_) {
        designFont_ = font();
        fitted_ = true;
    }
    if (!valueTip_)
        designTip_ = toolTip(); // a tip given after the first value still counts as the box's own
    // A box that already shows this value keeps its font, tip and picture: nothing to repaint.
    if (text != this->text()) {
        // The font first, so that the text is laid out once.
        fitFontTo(text);
        setText(text);
        if (this->text() != text) // the box's change handling rewrote it
            fitFontTo(this->text());
    }
    setCursorPosition(0);
}

void ReadOnlyLineEdit::fitFontTo(const QString& shown) {
    bool fits = true;
    const QFont fitted = fittedFont(designFont_, shown, textRoom(), &fits);
    if (fitted != font())
        setFont(fitted);
    valueTip_ = !fits;
    setToolTip(fits ? designTip_ : shown);
}

} // namespace platform
