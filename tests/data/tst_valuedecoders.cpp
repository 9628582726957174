// SPDX-License-Identifier: GPL-3.0-or-later
// The decoders: each number 1 to 118 falls into exactly one group, with the given counts and
// members, and the results outside 1 to 118.
#include "NumberList.h"
#include "data/ValueDecoders.h"

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

enum { Lattice, State, Origin };
constexpr std::string (*kDecoders[])(std::int16_t) = {LatticeName, StateName, OriginName};

} // namespace

class TestValueDecoders : public QObject {
    Q_OBJECT
  private slots:
    void everyGroupHasExactlyItsMembers_data();
    void everyGroupHasExactlyItsMembers();
    void latticeGroups();
    void stateGroups();
    void originGroups();
    void tellingElements();
    void outOfRange();
};

void TestValueDecoders::everyGroupHasExactlyItsMembers_data() {
    QTest::addColumn<int>("decoder");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("members");
    const auto row = [](int decoder, const char* result, const char* members) {
        QTest::newRow(result) << decoder << QString::fromUtf8(result) << QString::fromUtf8(members);
    };
    // clang-format off
    row(Lattice,     "Hexagonal Composta",       "1, 4, 6, 7, 12, 21, 22, 27, 30, 39, 40, 43, 44, 48, 51, 57 to 60, "
                                                 "64 to 69, 71, 72, 75, 76, 81, 95 to 98");
    row(Lattice,     "Cúbica de Face Centrada",  "2, 10, 13, 18, 20, 28, 29, 32, 36, 38, 45, 46, 47, 54, 70, 77, 78, "
                                                 "79, 82, 89, 90, 103");
    row(Lattice,     "Cúbica de Corpo Centrado", "3, 11, 19, 23, 24, 26, 37, 41, 42, 55, 56, 63, 73, 74, 88");
    row(Lattice,     "Monocíclica",              "8, 9, 34, 83, 94");
    row(Lattice,     "Romboédrica",              "5, 80");
    row(Lattice,     "Diamante",                 "14");
    row(Lattice,     "Tricíclica",               "15");
    row(Lattice,     "Ortorrômbica",             "16, 17, 31, 35, 53, 92, 93");
    row(Lattice,     "Cúbica",                   "25, 84");
    row(Lattice,     "Trigonal",                 "33, 52, 62");
    row(Lattice,     "Tetragonal",               "49, 50, 91");
    row(Lattice,     "Hexagonal",                "61");
    row(Lattice,     "---",                      "85, 86, 87, 99 to 102, 104 to 118");
    row(State,       "Gasoso",                   "1, 2, 7 to 10, 17, 18, 36, 54, 86");
    row(State,       "Líquido",                  "35, 80");
    row(State,       "Sólido (?)",               "100 to 111, 113 to 117");
    row(State,       "Líquido (?)",              "112");
    row(State,       "Gasoso (?)",               "118");
    row(Origin,      "Natural",                  "1 to 60, 62 to 94");
    row(Origin,      "Artificial",               "61, 95 to 118"); // curium is made, not found
    // clang-format on
}

void TestValueDecoders::everyGroupHasExactlyItsMembers() {
    QFETCH(int, decoder);
    QFETCH(QString, result);
    QFETCH(QString, members);
    const auto decode = kDecoders[decoder];
    const std::set<int> expected = numberList(members.toStdString());
    for (int z = 1; z <= 118; ++z)
        QVERIFY2((decode(std::int16_t(z)) == result.toStdString()) == (expected.count(z) == 1),
                 qPrintable(QString::number(z)));
}

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
    QCOMPARE(histogram(OriginName), (std::map<std::string, int>{{"Natural", 93}, {"Artificial", 25}}));
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
    QCOMPARE(OriginName(96), std::string("Artificial"));
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
