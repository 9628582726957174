// SPDX-License-Identifier: GPL-3.0-or-later
// The thin platform layer: colours, twips, random draws, the handler-running list, read-only boxes.
#include "platform/EventComboBox.h"
#include "platform/ReadOnlyLineEdit.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "platform/VbRandom.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

using namespace platform;

class TestPlatform : public QObject {
    Q_OBJECT
  private slots:
    void colourValuesAreBgr();
    void colourText_data();
    void colourText();
    void twipsToPixels();
    void roundHalfEven_data();
    void roundHalfEven();
    void randomStartReachesEveryElementEndsHalfAsOften();
    void fixedSeedIsRepeatable();
    void listStartsEmptyAndEveryChangeRunsTheHandler();
    void sortedListIgnoresCaseAndAccents();
    void readOnlyBoxRefusesEditsButCopies();
};

void TestPlatform::colourValuesAreBgr() {
    QCOMPARE(bgrColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(bgrColor(0xA09887), QColor(0x87, 0x98, 0xA0));
    QCOMPARE(toBgr(QColor(0x89, 0xD1, 0x00)), 0x00D189u);
    for (std::uint32_t value : {0x000000u, 0xFFFFFFu, 0x3B3322u, 0x2FFFADu})
        QCOMPARE(toBgr(bgrColor(value)), value);
}

void TestPlatform::colourText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a colour
    QTest::newRow("decimal") << "13748664" << 0xD1C9B8;
    QTest::newRow("hex") << "&H00D189" << 0x00D189;
    QTest::newRow("hex lower") << "&h5e8bad" << 0x5E8BAD;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("bare &H") << "&H" << -1;
    QTest::newRow("garbage") << "abc" << -1;
    QTest::newRow("negative") << "-5" << -1;
    QTest::newRow("too large") << "16777216" << -1;
}

void TestPlatform::colourText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto parsed = parseColorText(text);
    if (expected < 0)
        QVERIFY(!parsed.has_value());
    else
        QCOMPARE(parsed.value_or(0xFFFFFFFF), std::uint32_t(expected));
}

void TestPlatform::twipsToPixels() {
    QCOMPARE(toPx(15), 1);
    QCOMPARE(toPx(390), 26);
    QCOMPARE(toPx(QSize(11355, 8130)), QSize(757, 542));
    QCOMPARE(twipsRect(390, 570, 435, 405), QRect(26, 38, 29, 27));
}

void TestPlatform::roundHalfEven_data() {
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

void TestPlatform::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(VbRandom::roundHalfEven(value), expected);
}

void TestPlatform::randomStartReachesEveryElementEndsHalfAsOften() {
    // Over many seeds the start element covers 0 ... 117, and the two ends come up about
    // half as often as an inner element.
    constexpr int kDraws = 236000;
    std::vector<int> counts(118, 0);
    for (int seed = 0; seed < kDraws; ++seed) {
        VbRandom random{std::uint64_t(seed)};
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

void TestPlatform::fixedSeedIsRepeatable() {
    VbRandom a{42};
    VbRandom b{42};
    a.reseed();
    for (int i = 0; i < 10; ++i) {
        const double r = a.next();
        QCOMPARE(r, b.next());
        QVERIFY(r >= 0.0 && r < 1.0);
    }
}

void TestPlatform::listStartsEmptyAndEveryChangeRunsTheHandler() {
    EventComboBox list;
    QSignalSpy clicks(&list, &QComboBox::currentIndexChanged);
    list.appendSilently({"a", "b", "c"});
    QCOMPARE(list.listIndex(), -1);
    QCOMPARE(clicks.count(), 0);
    list.setListIndex(0); // the first element can be index 0 and still runs the handler
    QCOMPARE(clicks.count(), 1);
    list.setListIndex(2);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list.currentText(), QStringLiteral("c"));
    list.appendSilently({"d"});
    QCOMPARE(list.listIndex(), 2);
    QCOMPARE(clicks.count(), 2);
}

void TestPlatform::sortedListIgnoresCaseAndAccents() {
    EventComboBox list;
    list.insertSortedSilently({"Número Atômico", "Nitrogenóides", "Não-Metais", "estado", "Éter", "Efeito",
                               "actinídios", "Aluminóides", "Metais Alcalinos-Terrosos", "Metais Alcalinos"});
    QStringList order;
    for (int i = 0; i < list.count(); ++i)
        order << list.itemText(i);
    QCOMPARE(order,
             (QStringList{"actinídios", "Aluminóides", "Efeito", "estado", "Éter", "Metais Alcalinos",
                          "Metais Alcalinos-Terrosos", "Não-Metais", "Nitrogenóides", "Número Atômico"}));
    QCOMPARE(list.listIndex(), -1);
}

void TestPlatform::readOnlyBoxRefusesEditsButCopies() {
    ReadOnlyLineEdit box;
    box.setText(QStringLiteral("1,00794(7)"));
    box.show();
    QTest::keyClicks(&box, "xyz");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("1,00794(7)"));

    box.deselect();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    QCOMPARE(box.selectedText(), box.text());
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,00794(7)"));
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("1,00794(7)"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
