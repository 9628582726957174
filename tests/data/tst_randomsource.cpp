// SPDX-License-Identifier: GPL-3.0-or-later
// Random draws: rounding halves to even, the spread of the start element, repeatable seeds,
// and a clock-seeded source that really varies.
#include "data/RandomSource.h"

#include <QtTest>
#include <set>
#include <vector>

class TestRandomSource : public QObject {
    Q_OBJECT
  private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void randomStartReachesEveryElementEndsHalfAsOften();
    void fixedSeedIsRepeatable();
};

void TestRandomSource::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("116.5") << 116.5 << 116;
    QTest::newRow("0.49") << 0.49 << 0;
    QTest::newRow("0.51") << 0.51 << 1;
    QTest::newRow("116.99") << 116.99 << 117;
}

void TestRandomSource::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(RandomSource::roundHalfEven(value), expected);
}

void TestRandomSource::randomStartReachesEveryElementEndsHalfAsOften() {
    // Over many seeds the start element covers 0 ... 117, and the two ends come up about
    // half as often as an inner element.
    constexpr int kDraws = 236000;
    std::vector<int> counts(118, 0);
    for (int seed = 0; seed < kDraws; ++seed) {
        RandomSource random{std::uint64_t(seed)};
        const int index = random.nearestOfScaled(117);
        QVERIFY(index >= 0 && index <= 117);
        ++counts[index];
    }
    const double inner = double(kDraws) / 117; // an inner index covers a width of 1 out of 117
    for (int index = 0; index < 118; ++index) {
        const double expected = (index == 0 || index == 117) ? inner / 2 : inner;
        QVERIFY2(std::abs(counts[index] - expected) < expected * 0.15, qPrintable(QString::number(index)));
    }
}

void TestRandomSource::fixedSeedIsRepeatable() {
    RandomSource a{42};
    RandomSource b{42};
    a.reseed();
    for (int i = 0; i < 10; ++i) {
        const double r = a.next();
        QCOMPARE(r, b.next());
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

QTEST_APPLESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
