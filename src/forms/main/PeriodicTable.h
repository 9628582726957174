// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the periodic table drawn as one widget: the 118 element cells lbl(i), the period numbers
// lblPeriodo(n), the group headings lblfamilia(n) and the selection frame.
#pragma once

#include "TableLabel.h"

#include <QStaticText>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

// The table only keeps and paints what the window writes into it; the window decides every colour,
// caption and place. A cell shows its caption centred on its background colour; the highlighted
// cell has a one-pixel black border and bold text; a line too wide for the cell, as a three-letter
// symbol in the large font, is drawn narrower, as other captions are. Parts are painted in a fixed order,
// later ones over earlier ones: the cells, the period numbers, the headings in the order the window gives,
// the selection frame last. A press of any mouse button on a cell is reported with the cell's
// index; a press anywhere else goes on to the widgets underneath, as it would on a plain caption.
// Each part has its own tool tip.
class PeriodicTable : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCellCount = 118;
    static constexpr int kPeriodCount = 9;
    static constexpr int kHeadingCount = 38;

    explicit PeriodicTable(QWidget* parent);
    ~PeriodicTable() override;

    // A cell: its place, row and column in the grid, and how it looks.
    void placeCell(int i, const QRect& place, int row, int column);
    QRect cellRect(int i) const { return cells_[i].place; }
    int cellRow(int i) const { return cells_[i].row; }
    int cellColumn(int i) const { return cells_[i].column; }
    int rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }
    // The cell at a row and column of the grid, if any.
    std::optional<int> cellAt(int row, int column) const;

    void setText(int i, const QString& text);
    QString text(int i) const { return cells_[i].text; }
    void setCellFont(int i, const QFont& font);
    QFont cellFont(int i) const { return cells_[i].font; }
    // The font the caption is drawn in: the cell's own, narrowed where a line would not fit.
    QFont shownFont(int i);
    // The width a caption line may take: the cell less the highlight's outline on either side.
    int captionRoom(int i) const;
    void setTextColour(int i, const QColor& colour);
    QColor textColour(int i) const { return cells_[i].fore; }
    void setBackColor(int i, const QColor& colour);
    QColor backColor(int i) const { return cells_[i].back; }
    // The highlighted cell also has bold text.
    void setHighlighted(int i, bool on);
    bool isHighlighted(int i) const { return cells_[i].highlighted; }
    void setCellToolTip(int i, const QString& tip) { cells_[i].toolTip = tip; }
    QString cellToolTip(int i) const { return cells_[i].toolTip; }
    void setCellAccessibleName(int i, const QString& name) { cells_[i].accessibleName = name; }
    QString cellAccessibleName(int i) const { return cells_[i].accessibleName; }

    // The period numbers and the headings, with every setting a plain caption has.
    void setPeriod(int n, const TableLabel& label);
    const TableLabel& period(int n) const { return periods_[n]; }
    void setPeriodToolTip(int n, const QString& tip) { periods_[n].toolTip = tip; }
    // Headings are painted in the order given here, the last one on top.
    void setHeadingOrder(const std::array<int, kHeadingCount>& order) { headingOrder_ = order; }
    void setHeading(int n, const TableLabel& label);
    const TableLabel& heading(int n) const { return headings_[n]; }
    QString headingText(int n) const { return headings_[n].text; }
    void setHeadingText(int n, const QString& text);
    void setHeadingVisible(int n, bool visible);
    void setHeadingToolTip(int n, const QString& tip) { headings_[n].toolTip = tip; }

    // The selection frame: a one-pixel outline.
    void setFrame(const QRect& place, const QColor& colour);
    void moveFrame(const QPoint& topLeft);
    QRect frameRect() const { return frame_; }

    // The part under a point, the topmost where parts overlap: its tool tip and its place.
    struct Hit {
        std::optional<int> cell; // set when the part is a cell
        QRect place;
        QString toolTip;
    };
    std::optional<Hit> partAt(const QPoint& point) const;

  signals:
    void cellPressed(int index, Qt::MouseButton button);

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // A cell's caption, font or place changed: its lines are laid out again when next painted.
    void captionChanged(int i);

    struct Cell {
        QRect place;
        int row = 0;
        int column = 0;
        QString text;
        QFont font;
        QColor fore;
        QColor back = Qt::white;
        bool highlighted = false;
        QString toolTip;
        QString accessibleName;
        // The caption laid out once, in the shown font, until the caption, font or place changes.
        std::vector<QStaticText> lines;
        QFont shownFont;
    };
    static void layOutCaption(Cell& cell);
    static void paintCell(QPainter& painter, Cell& cell);

    std::array<Cell, kCellCount> cells_;
    std::array<TableLabel, kPeriodCount> periods_;
    std::array<TableLabel, kHeadingCount> headings_;
    std::array<int, kHeadingCount> headingOrder_{};
    QRect frame_;
    QColor frameColour_;
    int rowCount_ = 0;
    int columnCount_ = 0;
};
