// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComparisonTable.h"

#include "platform/Fonts.h"

#include <QPainter>

namespace {

struct Heading {
    const char* letter;
    const char* subscript; // "" for none
};

// clang-format off
constexpr Heading kColumns[] = {{"Z", ""}, {"A", ""}, {"n", "p"}, {"n", "n"}, {"n", "e"}};
// "=": the same in the atoms compared; "≠": different.
constexpr struct {
    const char* name;
    const char* marks[5];
} kRows[] = {
    {"isótopos", {"=", "≠", "=", "≠", "="}},
    {"isóbaros", {"≠", "=", "≠", "≠", "≠"}},
    {"isótonos", {"≠", "≠", "≠", "=", "≠"}},
};
// clang-format on

constexpr int kNameShare = 30; // percent of the width taken by the column of names

} // namespace

static_assert(std::size(kRows) + 1 == ComparisonTable::kRowCount);
static_assert(std::size(kColumns) + 1 == ComparisonTable::kColumnCount);

QString ComparisonTable::text(int row, int column) {
    if (row < 0 || row >= kRowCount || column < 0 || column >= kColumnCount || (row == 0 && column == 0))
        return {};
    if (row == 0)
        return QString::fromUtf8(kColumns[column - 1].letter) + QString::fromUtf8(kColumns[column - 1].subscript);
    return QString::fromUtf8(column == 0 ? kRows[row - 1].name : kRows[row - 1].marks[column - 1]);
}

ComparisonTable::ComparisonTable(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ComparisonTable::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const int columns = int(std::size(kColumns));
    const int rows = int(std::size(kRows)) + 1;
    const qreal nameWidth = whole.width() * kNameShare / 100;
    const qreal columnWidth = (whole.width() - nameWidth) / columns;
    const qreal rowHeight = whole.height() / rows;
    const auto cell = [&](int row, int column) {
        const qreal left = column < 0 ? whole.left() : whole.left() + nameWidth + column * columnWidth;
        return QRectF(left, whole.top() + row * rowHeight, column < 0 ? nameWidth : columnWidth, rowHeight);
    };

    painter.drawRect(whole);
    for (int row = 1; row < rows; ++row)
        painter.drawLine(QPointF(whole.left(), cell(row, 0).top()), QPointF(whole.right(), cell(row, 0).top()));
    for (int column = 0; column < columns; ++column)
        painter.drawLine(QPointF(cell(0, column).left(), whole.top()), QPointF(cell(0, column).left(), whole.bottom()));

    const QFont text = platform::uiFont(12);
    QFont small = platform::uiFont(8);
    painter.setFont(text);
    for (int column = 0; column < columns; ++column) {
        const Heading& heading = kColumns[column];
        const QString letter = QString::fromUtf8(heading.letter);
        const QString subscript = QString::fromUtf8(heading.subscript);
        const QFontMetricsF letterMetrics(text);
        const QFontMetricsF subscriptMetrics(small);
        const qreal width = letterMetrics.horizontalAdvance(letter) + subscriptMetrics.horizontalAdvance(subscript);
        const QRectF place = cell(0, column);
        const QPointF baseline(place.center().x() - width / 2, place.center().y() + letterMetrics.capHeight() / 2);
        painter.drawText(baseline, letter);
        painter.setFont(small);
        painter.drawText(baseline + QPointF(letterMetrics.horizontalAdvance(letter), letterMetrics.capHeight() / 3),
                         subscript);
        painter.setFont(text);
    }
    for (int row = 1; row < rows; ++row) {
        painter.drawText(cell(row, -1).adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         ComparisonTable::text(row, 0));
        for (int column = 0; column < columns; ++column)
            painter.drawText(cell(row, column), Qt::AlignCenter, ComparisonTable::text(row, column + 1));
    }
}
