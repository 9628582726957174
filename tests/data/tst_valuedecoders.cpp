// SPDX-License-Identifier: GPL-3.0-or-later
// The decoders: each number 1 to 118 falls into exactly one group, with the given counts, and
// the results outside 1 to 118.
#include "ValueDecoders.h"

#include <QtTest>
#include <map>

using namespace TPDEQ;

namespace {

std::map<std::string, int> histogram(std::string (*decoder)(std::int16_t)) {
    std::map<std::string, int> counts;
    for (int z = 1; z <= 118; ++z)
        ++counts[decoder(std::int16_t(z))];
    return counts;
}

} // namespace

class TestValueDecoders : public QObject {
    Q_OBJECT
  private slots:
    void latticeGroups();
    void stateGroups();
    void originGroups();
    void tellingElements();
    void outOfRange();
};

void TestValueDecoders::latticeGroups() {
    const std::map<std::string, int> expected = {{"Hexagonal Composta", 34},
                                                 {"Cúbica de Face Centrada", 22},
                                                 {"Cúbica de Corpo Centrado", 15},
                                                 {"Monocíclica", 5},
                                                 {"Romboédrica", 2},
                                                 {"Diamante", 1},
                                                 {"Tricíclica", 1},
                                                 {"Ortorrômbica", 7},
                                                 {"Cúbica", 2},
                                                 {"Trigonal", 3},
                                                 {"Tetragonal", 3},
                                                 {"Hexagonal", 1},
                                                 {"---", 22}};
    QCOMPARE(histogram(LatticeName), expected);
    for (int z : {85, 86, 87, 99, 100, 101, 102, 104, 118})
        QCOMPARE(LatticeName(std::int16_t(z)), std::string("---"));
}

void TestValueDecoders::stateGroups() {
    const std::map<std::string, int> expected = {{"Gasoso", 11},     {"Líquido", 2},    {"Sólido (?)", 17},
                                                 {"Líquido (?)", 1}, {"Gasoso (?)", 1}, {"Sólido", 86}};
    QCOMPARE(histogram(StateName), expected);
    for (int z : {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86})
        QCOMPARE(StateName(std::int16_t(z)), std::string("Gasoso"));
}

void TestValueDecoders::originGroups() {
    QCOMPARE(histogram(OriginName), (std::map<std::string, int>{{"Natural", 94}, {"Artificial", 24}}));
}

void TestValueDecoders::tellingElements() {
    QCOMPARE(LatticeName(103), std::string("Cúbica de Face Centrada"));
    QCOMPARE(LatticeName(102), std::string("---"));
    QCOMPARE(LatticeName(61), std::string("Hexagonal"));
    QCOMPARE(LatticeName(60), std::string("Hexagonal Composta"));
    QCOMPARE(LatticeName(8), std::string("Monocíclica"));
    QCOMPARE(LatticeName(15), std::string("Tricíclica"));
    QCOMPARE(LatticeName(26), std::string("Cúbica de Corpo Centrado"));
    QCOMPARE(OriginName(61), std::string("Artificial"));
    QCOMPARE(OriginName(95), std::string("Artificial"));
    QCOMPARE(OriginName(96), std::string("Natural"));
    QCOMPARE(OriginName(97), std::string("Artificial"));
    QCOMPARE(StateName(112), std::string("Líquido (?)"));
    QCOMPARE(StateName(118), std::string("Gasoso (?)"));
    QCOMPARE(StateName(85), std::string("Sólido"));
    QCOMPARE(StateName(35), std::string("Líquido"));
    QCOMPARE(StateName(80), std::string("Líquido"));
}

void TestValueDecoders::outOfRange() {
    for (int z : {0, -1, 119, 200, -32768, 32767}) {
        QCOMPARE(LatticeName(std::int16_t(z)), std::string());
        QCOMPARE(OriginName(std::int16_t(z)), std::string());
        QCOMPARE(StateName(std::int16_t(z)), std::string("Sólido"));
    }
}

QTEST_APPLESS_MAIN(TestValueDecoders)
#include "tst_valuedecoders.moc"
