// SPDX-License-Identifier: GPL-3.0-or-later
#include "PeriodicTable.h"

#include "PeriodicTableAccessible.h"
#include "platform/Edges.h"
#include "platform/Fonts.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <numeric>

namespace {

// The width a caption line may take in a cell: the cell less the highlight's outline on either side.
int captionRoomIn(const QRect& place) {
    return place.width() - 2;
}

} // namespace

PeriodicTable::PeriodicTable(QWidget* parent) : QWidget(parent) {
    installPeriodicTableAccessibility();
    std::iota(headingOrder_.begin(), headingOrder_.end(), 0);
}

PeriodicTable::~PeriodicTable() = default;

void PeriodicTable::placeCell(int i, const QRect& place, int row, int column) {
    cells_[i].place = place;
    cells_[i].row = row;
    cells_[i].column = column;
    rowCount_ = std::max(rowCount_, row + 1);
    columnCount_ = std::max(columnCount_, column + 1);
    captionChanged(i);
}

void PeriodicTable::captionChanged(int i) {
    cells_[i].lines.clear();
    update(cells_[i].place);
}

std::optional<int> PeriodicTable::cellAt(int row, int column) const {
    for (int i = 0; i < kCellCount; ++i)
        if (cells_[i].row == row && cells_[i].column == column)
            return i;
    return std::nullopt;
}

void PeriodicTable::setText(int i, const QString& text) {
    if (text == cells_[i].text)
        return;
    cells_[i].text = text;
    captionChanged(i);
}

void PeriodicTable::setCellFont(int i, const QFont& font) {
    // Resolved against the table's own font, as a child widget's font is against its parent's.
    const QFont resolved = font.resolve(this->font());
    if (resolved == cells_[i].font)
        return;
    cells_[i].font = resolved;
    captionChanged(i);
}

void PeriodicTable::setTextColour(int i, const QColor& colour) {
    cells_[i].fore = colour;
    update(cells_[i].place);
}

void PeriodicTable::setBackColor(int i, const QColor& colour) {
    if (colour == cells_[i].back)
        return;
    cells_[i].back = colour;
    update(cells_[i].place);
}

void PeriodicTable::setHighlighted(int i, bool on) {
    cells_[i].highlighted = on;
    QFont font = cells_[i].font;
    font.setBold(on);
    setCellFont(i, font);
    update(cells_[i].place);
    // A screen reader following the table hears that this cell is now the selected one.
    if (on && QAccessible::isActive()) {
        QAccessibleEvent selection(this, QAccessible::Selection);
        selection.setChild(i);
        QAccessible::updateAccessibility(&selection);
    }
}

void PeriodicTable::setPeriod(int n, const TableLabel& label) {
    periods_[n] = label;
    periods_[n].font = label.font.resolve(font());
    update(label.place);
}

void PeriodicTable::setHeading(int n, const TableLabel& label) {
    headings_[n] = label;
    headings_[n].font = label.font.resolve(font());
    update(label.place);
}

void PeriodicTable::setHeadingText(int n, const QString& text) {
    headings_[n].text = text;
    update(headings_[n].place);
}

void PeriodicTable::setHeadingVisible(int n, bool visible) {
    headings_[n].visible = visible;
    update(headings_[n].place);
}

void PeriodicTable::setFrame(const QRect& place, const QColor& colour) {
    update(frame_);
    frame_ = place;
    frameColour_ = colour;
    update(frame_);
}

void PeriodicTable::moveFrame(const QPoint& topLeft) {
    setFrame(QRect(topLeft, frame_.size()), frameColour_);
}

std::optional<PeriodicTable::Hit> PeriodicTable::partAt(const QPoint& point) const {
    // From the top down: the headings in reverse painting order, the period numbers, the cells.
    for (auto n = headingOrder_.rbegin(); n != headingOrder_.rend(); ++n) {
        const TableLabel& heading = headings_[*n];
        if (heading.visible && heading.place.contains(point))
            return Hit{std::nullopt, heading.place, heading.toolTip};
    }
    for (const TableLabel& period : periods_)
        if (period.visible && period.place.contains(point))
            return Hit{std::nullopt, period.place, period.toolTip};
    for (int i = 0; i < kCellCount; ++i)
        if (cells_[i].place.contains(point))
            return Hit{i, cells_[i].place, cells_[i].toolTip};
    return std::nullopt;
}

bool PeriodicTable::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<Hit> hit = partAt(help->pos());
    if (!hit || hit->toolTip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The tip goes when the pointer leaves the part it belongs to.
    QToolTip::showText(help->globalPos(), hit->toolTip, this, hit->place);
    return true;
}

void PeriodicTable::mousePressEvent(QMouseEvent* event) {
    const std::optional<Hit> hit = partAt(event->position().toPoint());
    if (!hit || !hit->cell) {
        event->ignore();
        return;
    }
    event->accept();
    emit cellPressed(*hit->cell, event->button());
}

QFont PeriodicTable::shownFont(int i) {
    layOutCaption(cells_[i]);
    return cells_[i].shownFont;
}

int PeriodicTable::captionRoom(int i) const {
    return captionRoomIn(cells_[i].place);
}

void PeriodicTable::layOutCaption(Cell& cell) {
    if (!cell.lines.empty())
        return;
    const QStringList captionLines = cell.text.split(QLatin1Char('\n'));
    auto layOut = [&](const QFont& font) {
        cell.lines.clear();
        for (const QString& line : captionLines) {
            QStaticText laidOut(line);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
            laidOut.prepare(QTransform(), font);
            cell.lines.push_back(laidOut);
        }
    };
    // Laid out once in the cell's own font; only a caption that comes near the edges is measured
    // exactly, and laid out again if it has to be narrowed.
    layOut(cell.font);
    cell.shownFont = cell.font;
    const auto widest = std::max_element(cell.lines.begin(), cell.lines.end(), [](const auto& a, const auto& b) {
        return a.size().width() < b.size().width();
    });
    const int room = captionRoomIn(cell.place);
    if (widest->size().width() <= room - 1)
        return;
    cell.shownFont = platform::fittedFont(cell.font, widest->text(), room);
    if (cell.shownFont != cell.font)
        layOut(cell.shownFont);
}

void PeriodicTable::paintCell(QPainter& painter, Cell& cell) {
    layOutCaption(cell);
    const QRect& place = cell.place;
    painter.fillRect(place, cell.back);
    painter.setFont(cell.shownFont);
    painter.setPen(cell.fore);
    // The lines centred as one block, each line centred on its own.
    const QFontMetrics metrics(cell.shownFont);
    const int blockHeight = int(cell.lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    int top = (place.height() - blockHeight) / 2;
    // A caption larger than its cell is cut at the cell's edges.
    const bool overflows =
        top < 0 || std::any_of(cell.lines.begin(), cell.lines.end(),
                               [&](const QStaticText& line) { return line.size().width() > place.width(); });
    if (overflows) {
        painter.save();
        painter.setClipRect(place);
    }
    for (const QStaticText& line : cell.lines) {
        painter.drawStaticText(
            QPointF(place.left() + (place.width() - line.size().width()) / 2, place.top() + top), line);
        top += metrics.lineSpacing();
    }
    if (overflows)
        painter.restore();
    if (cell.highlighted)
        platform::fillOutline(painter, place, Qt::black);
}

void PeriodicTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (Cell& cell : cells_)
        if (cell.place.intersects(dirty))
            paintCell(painter, cell);
    for (const TableLabel& period : periods_)
        if (period.place.intersects(dirty))
            paintLabel(painter, *this, period);
    for (const int n : headingOrder_)
        if (headings_[n].place.intersects(dirty))
            paintLabel(painter, *this, headings_[n]);
    if (frame_.intersects(dirty))
        platform::fillOutline(painter, frame_, frameColour_);
}
