// SPDX-License-Identifier: GPL-3.0-or-later
// Colour texts: both forms parsed and written.
#include "ColourText.h"

#include <QtTest>

class TestColours : public QObject {
    Q_OBJECT
  private slots:
    void colourText_data();
    void colourText();
    void textForms();
};

void TestColours::colourText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: not a colour
    QTest::newRow("decimal") << "13748664" << 0xD1C9B8;
    QTest::newRow("hex") << "&H00D189" << 0x00D189;
    QTest::newRow("hex lower") << "&h5e8bad" << 0x5E8BAD;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("white") << "&HFFFFFF" << 0xFFFFFF;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("bare &H") << "&H" << -1;
    QTest::newRow("garbage") << "abc" << -1;
    QTest::newRow("hex digits without &H") << "D1C9B8" << -1;
    QTest::newRow("negative") << "-5" << -1;
    QTest::newRow("plus") << "+5" << -1;
    QTest::newRow("blank inside") << "137 48664" << -1;
    QTest::newRow("too large") << "16777216" << -1;
    QTest::newRow("hex too large") << "&H1000000" << -1;
    QTest::newRow("very long") << "99999999999999999999999" << -1;
}

void TestColours::colourText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto parsed = colour::parseText(text.toStdString());
    if (expected < 0)
        QVERIFY(!parsed.has_value());
    else
        QCOMPARE(parsed.value_or(0xFFFFFFFF), std::uint32_t(expected));
}

void TestColours::textForms() {
    QCOMPARE(colour::toText(0xD1C9B8, colour::TextForm::Decimal), std::string("13748664"));
    QCOMPARE(colour::toText(0x00D189, colour::TextForm::Literal), std::string("&H00D189"));
    QCOMPARE(colour::toText(0x00000A, colour::TextForm::Literal), std::string("&H00000A"));
    QCOMPARE(colour::fromRgb(21, 138, 138), 0x8A8A15u);
}

QTEST_APPLESS_MAIN(TestColours)
#include "tst_colours.moc"
