// SPDX-License-Identifier: GPL-3.0-or-later
// The arrow-key steps for every element against the grid itself (the cell directly above or below,
// the lanthanide row under period 7 and the actinide row under it), the Part's examples, and the
// animation's draws.
#include "AnimationDraws.h"
#include "ArrowSteps.h"
#include "CellGrid.h"

#include <QtTest>
#include <set>

namespace {

// The element whose cell lies one row above (-1) or below (+1) the cell of z in its column, if any.
std::optional<int> neighbourInColumn(int z, int direction) {
    std::vector<int> rowTops; // top to bottom: periods 1 to 7, lanthanides, actinides
    for (int other = 1; other <= 118; ++other)
        rowTops.push_back(grid::cellPlace(other).top);
    std::sort(rowTops.begin(), rowTops.end());
    rowTops.erase(std::unique(rowTops.begin(), rowTops.end()), rowTops.end());
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

void TestArrowSteps::examples() {
    // clang-format off
    const std::pair<int, int> up[] = {{58, 104}, {71, 117}, {72, 40}, {89, 57}, {90, 58}, {104, 72}, {87, 55},
                                      {31, 13}, {37, 19}, {39, 21}, {10, 2}, {11, 3}, {3, 1}};
    const std::pair<int, int> down[] = {{104, 58}, {117, 71}, {40, 72}, {57, 89}, {58, 90}, {55, 87}, {13, 31},
                                        {21, 39}, {38, 56}, {2, 10}, {4, 12}, {1, 3}};
    // clang-format on
    for (const auto& [from, to] : up)
        QCOMPARE(targetOf(keys::Arrow::Up, from), std::optional(to));
    for (const auto& [from, to] : down)
        QCOMPARE(targetOf(keys::Arrow::Down, from), std::optional(to));
    for (int z : {1, 2, 4, 5, 6, 7, 8, 9, 21, 25, 30, 57})
        QVERIFY(!targetOf(keys::Arrow::Up, z));
    for (int z : {39, 87, 95, 103, 118})
        QVERIFY(!targetOf(keys::Arrow::Down, z));
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
