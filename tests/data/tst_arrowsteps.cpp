// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow-key steps for every element against the grid itself (the cell directly above or below,
// the lanthanide row under period 7 and the actinide row under it), the given examples
// (given/arrow-steps.csv), and the animation's draws.
#include "CsvTable.h"
#include "data/AnimationDraws.h"
#include "data/ArrowSteps.h"
#include "data/CellGrid.h"

#include <QtTest>
#include <set>

namespace {

// The distinct tops of the cells, top to bottom: periods 1 to 7, lanthanides, actinides.
std::vector<int> gridRowTops() {
    std::vector<int> rowTops;
    for (int other = 1; other <= 118; ++other)
        rowTops.push_back(grid::cellPlace(other).top);
    std::sort(rowTops.begin(), rowTops.end());
    rowTops.erase(std::unique(rowTops.begin(), rowTops.end()), rowTops.end());
    return rowTops;
}

// The element whose cell lies one row above (-1) or below (+1) the cell of z in its column, if any.
std::optional<int> neighbourInColumn(int z, int direction) {
    const std::vector<int> rowTops = gridRowTops();
    const grid::CellPlace place = grid::cellPlace(z);
    const long row = std::find(rowTops.begin(), rowTops.end(), place.top) - rowTops.begin() + direction;
    if (row < 0 || row >= long(rowTops.size()))
        return std::nullopt;
    for (int other = 1; other <= 118; ++other)
        if (grid::cellPlace(other).top == rowTops[row] && grid::cellPlace(other).column == place.column)
            return other;
    return std::nullopt;
}

} // namespace

class TestArrowSteps : public QObject {
    Q_OBJECT
  private slots:
    void upAndDownMoveToTheCellAboveAndBelow();
    void rowsAreCountedFromTheTop();
    void examples();
    void rightAndLeftStopAtTheEnds();
    void animationDrawsCoverTheirRanges();
};

namespace {
// The atomic number an arrow key moves to from element z, if any.
std::optional<int> targetOf(keys::Arrow arrow, int z) {
    const auto index = keys::target(arrow, z - 1, 118);
    return index ? std::optional(*index + 1) : std::nullopt;
}
} // namespace

void TestArrowSteps::upAndDownMoveToTheCellAboveAndBelow() {
    for (int z = 1; z <= 118; ++z) {
        QCOMPARE(targetOf(keys::Arrow::Up, z), neighbourInColumn(z, -1));
        QCOMPARE(targetOf(keys::Arrow::Down, z), neighbourInColumn(z, +1));
    }
}

void TestArrowSteps::rowsAreCountedFromTheTop() {
    const std::vector<int> rowTops = gridRowTops();
    QCOMPARE(int(rowTops.size()), grid::kRowCount);
    std::set<std::pair<int, int>> taken; // no two cells share a row and column
    for (int z = 1; z <= 118; ++z) {
        const long row = std::find(rowTops.begin(), rowTops.end(), grid::cellPlace(z).top) - rowTops.begin();
        QCOMPARE(grid::cellRow(z), int(row));
        QVERIFY(taken.insert({grid::cellRow(z), grid::cellPlace(z).column}).second);
    }
    QCOMPARE(grid::cellRow(26), 3);
    QCOMPARE(grid::cellRow(57), 7);
    QCOMPARE(grid::cellRow(103), 8);
}

void TestArrowSteps::examples() {
    // An empty `to`: the key does nothing from there.
    const QList<CsvRow> steps = readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/arrow-steps.csv"));
    QCOMPARE(steps.size(), 42);
    for (const CsvRow& row : steps) {
        const auto arrow = row.value("arrow") == u"Up" ? keys::Arrow::Up : keys::Arrow::Down;
        const auto to = row.value("to").isEmpty() ? std::nullopt : std::optional(row.value("to").toInt());
        QVERIFY2(targetOf(arrow, row.value("from").toInt()) == to,
                 qPrintable(row.value("arrow") + " from " + row.value("from")));
    }
}

void TestArrowSteps::rightAndLeftStopAtTheEnds() {
    QCOMPARE(keys::target(keys::Arrow::Right, 55, 118), std::optional(56)); // 56 -> 57: by atomic number, not by grid
    QCOMPARE(keys::target(keys::Arrow::Right, 70, 118), std::optional(71)); // 71 -> 72
    QCOMPARE(keys::target(keys::Arrow::Right, 117, 118), std::nullopt);
    QCOMPARE(keys::target(keys::Arrow::Left, 0, 118), std::nullopt);
    QCOMPARE(keys::target(keys::Arrow::Left, 1, 118), std::optional(0));
}

void TestArrowSteps::animationDrawsCoverTheirRanges() {
    RandomSource random(5);
    std::set<int> numberings, elements, views;
    for (int tick = 0; tick < 20000; ++tick) {
        const animation::Draw draw = animation::next(random);
        numberings.insert(draw.numbering);
        elements.insert(draw.elementIndex);
        views.insert(draw.viewIndex);
    }
    QCOMPARE(numberings, (std::set<int>{0, 1}));
    QCOMPARE(int(elements.size()), 118);
    QCOMPARE(*elements.rbegin(), 117);
    QCOMPARE(int(views.size()), 19);
    QCOMPARE(*views.rbegin(), 18);
    // The three draws come in the order numbering, element, view.
    RandomSource same(5);
    RandomSource replay(5);
    const animation::Draw first = animation::next(same);
    QCOMPARE(first.numbering, replay.nearestOfScaled(1));
    QCOMPARE(first.elementIndex, replay.nearestOfScaled(117));
    QCOMPARE(first.viewIndex, replay.nearestOfScaled(18));
}

QTEST_APPLESS_MAIN(TestArrowSteps)
#include "tst_arrowsteps.moc"
