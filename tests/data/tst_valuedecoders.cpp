// SPDX-License-Identifier: GPL-3.0-or-later
// The decoders: each number 1 to 118 falls into exactly one group, with the given counts and
// members (given/decoder-groups.csv), and the results outside 1 to 118.
#include "CsvTable.h"
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

const QMap<QString, std::string (*)(std::int16_t)> kDecoders = {
    {"LatticeName", LatticeName}, {"StateName", StateName}, {"OriginName", OriginName}};

} // namespace

class TestValueDecoders : public QObject {
    Q_OBJECT
  private slots:
    void everyElementInItsGroup_data();
    void everyElementInItsGroup();
    void tellingElements();
    void outOfRange();
};

void TestValueDecoders::everyElementInItsGroup_data() {
    QTest::addColumn<QString>("decoder");
    for (const QString& name : kDecoders.keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestValueDecoders::everyElementInItsGroup() {
    QFETCH(QString, decoder);
    // Each group's members decode to its result; a group of "every other" members, the rest.
    std::map<int, QString> expected;
    std::map<std::string, int> counts;
    QString everyOther;
    for (const CsvRow& row : readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/decoder-groups.csv"))) {
        QVERIFY2(kDecoders.contains(row.value("decoder")), qPrintable(row.value("decoder")));
        if (row.value("decoder") != decoder)
            continue;
        counts[row.value("result").toStdString()] = row.value("count").toInt();
        if (row.value("members") == u"every other")
            everyOther = row.value("result");
        else
            for (int z : numberList(row.value("members").toStdString()))
                QVERIFY2(expected.emplace(z, row.value("result")).second, "groups overlap");
    }
    const auto decode = kDecoders.value(decoder);
    for (int z = 1; z <= 118; ++z) {
        const QString shown = QString::fromStdString(decode(std::int16_t(z)));
        const QString group = expected.count(z) ? expected[z] : everyOther;
        QVERIFY2(shown == group,
                 qPrintable(QStringLiteral("%1 gives %2, the table %3").arg(z).arg(shown, group)));
    }
    QCOMPARE(histogram(decode), counts);
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
    for (int z : {85, 86, 87, 99, 100, 101, 102, 104, 118})
        QCOMPARE(LatticeName(std::int16_t(z)), std::string("---"));
    for (int z : {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86})
        QCOMPARE(StateName(std::int16_t(z)), std::string("Gasoso"));
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
