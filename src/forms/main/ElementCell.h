// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - one cell of the periodic grid, lbl(i).
#pragma once

#include <QLabel>
#include <QStaticText>
#include <vector>

// Shows a caption centred on its background colour; the selected cell is highlighted with
// a single-line border and bold text; a line too wide for the cell, as a three-letter symbol in
// the large font, is drawn narrower, as other captions are. A press of any mouse button is reported with the cell index.
// The cell paints itself: a view recolours all 118 cells at once, and a plain colour and a repaint
// cost far less than a new palette per cell; the caption's lines are laid out once and drawn from
// that layout until the caption or the font changes.
class ElementCell : public QLabel {
    Q_OBJECT
  public:
    ElementCell(int index, QWidget* parent);

    int index() const { return index_; }
    void setHighlighted(bool on);
    bool isHighlighted() const { return highlighted_; }
    void setBackColor(const QColor& colour);
    QColor backColor() const;
    // The font the caption is drawn in: the cell's own, narrowed where a line would not fit.
    QFont shownFont();
    // The width a caption line may take: the cell less the highlight's outline on either side.
    int captionRoom() const;

  signals:
    void pressed(int index, Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void layOutCaption();

    int index_;
    bool highlighted_ = false;
    QColor backColor_ = Qt::white;
    QString laidOutText_; // the caption, font and room the lines were laid out for
    QFont laidOutFont_;
    int laidOutRoom_ = 0;
    QFont shownFont_;     // laidOutFont_, narrowed to the caption's widest line
    std::vector<QStaticText> lines_;
};
