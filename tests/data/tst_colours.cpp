// SPDX-License-Identifier: GPL-3.0-or-later
// Colours: the two text forms, and every colour function for every element against the
// classification tables as published (given/colour-classes.csv), class by class, in the exact text
// form of each class.
#include "ColourFunctionsByName.h"
#include "CsvTable.h"
#include "NumberList.h"
#include "data/ColourText.h"
#include "data/Legends.h"
#include "data/ValueDecoders.h"

#include <QtTest>
#include <cstdio>
#include <map>

using namespace TPDEQ;

namespace {

// The text of one class's colour in the form the table gives it.
std::string expectedText(const CsvRow& row) {
    const unsigned value = row.value("colour").mid(2).toUInt(nullptr, 16);
    char text[16];
    std::snprintf(text, sizeof text, row.value("form") == u"decimal" ? "%u" : "&H%06X", value);
    return text;
}

} // namespace

class TestColours : public QObject {
    Q_OBJECT
  private slots:
    void colourText_data();
    void colourText();
    void textForms();
    void everyElementInEveryFunction_data();
    void everyElementInEveryFunction();
    void latticeColourReadsTheLegendSwatch();
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

void TestColours::everyElementInEveryFunction_data() {
    QTest::addColumn<QString>("function");
    for (const QString& name : kColourFunctions.keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestColours::everyElementInEveryFunction() {
    QFETCH(QString, function);
    // Each class's members get its colour; a class of "every other" members, the elements in no
    // other class and the numbers outside 1 to 118 (without it, these get "").
    std::map<int, std::string> expected;
    std::string everyOther;
    for (const CsvRow& row : readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/colour-classes.csv"))) {
        QVERIFY2(kColourFunctions.contains(row.value("function")), qPrintable(row.value("function")));
        if (row.value("function") != function)
            continue;
        if (row.value("members") == u"every other")
            everyOther = expectedText(row);
        else
            for (int z : numberList(row.value("members").toStdString()))
                QVERIFY2(expected.emplace(z, expectedText(row)).second, "classes overlap");
    }
    const ColourFunction colourOf = kColourFunctions.value(function);
    for (int z = 1; z <= 118; ++z) {
        const QString shown = QString::fromStdString(colourOf(std::int16_t(z)));
        const QString given = QString::fromStdString(expected.count(z) ? expected[z] : everyOther);
        QVERIFY2(!given.isEmpty(), qPrintable(QStringLiteral("no class for %1").arg(z)));
        QVERIFY2(shown == given,
                 qPrintable(QStringLiteral("%1 gives %2, the table %3").arg(z).arg(shown, given)));
    }
    for (int z : {0, -1, 119, 32767})
        QCOMPARE(colourOf(std::int16_t(z)), everyOther);
}

void TestColours::latticeColourReadsTheLegendSwatch() {
    // Cell index, not atomic number: cell 0 is hydrogen ("Hexagonal Composta", swatch 35).
    QCOMPARE(LatticeColor(0, legends::swatchColour), std::optional<std::string>("53641"));
    QCOMPARE(LatticeColor(84, legends::swatchColour), std::optional<std::string>("13748664")); // astatine, "---"
    QCOMPARE(LatticeColor(25, legends::swatchColour), std::optional<std::string>("5304063"));  // iron, &H50EEFF
    QCOMPARE(LatticeColor(118, legends::swatchColour), std::optional<std::string>("13748664"));
    // The swatch's current colour counts, and a swatch that cannot be read gives no colour.
    const auto recoloured = [](int swatch) { return swatch == 35 ? std::optional(0x123456u) : legends::swatchColour(swatch); };
    QCOMPARE(LatticeColor(0, recoloured), std::optional<std::string>(std::to_string(0x123456)));
    const auto unreadable = [](int) { return std::optional<std::uint32_t>(); };
    QCOMPARE(LatticeColor(0, unreadable), std::nullopt);
    QCOMPARE(LatticeColor(84, unreadable), std::optional<std::string>("13748664"));
    // Every lattice of the decoder has its swatch in the lattice legend, with the legend's colour.
    for (int i = 0; i < 118; ++i)
        QVERIFY(LatticeColor(std::int16_t(i), legends::swatchColour) != std::to_string(kNeutralGrey) ||
                LatticeName(std::int16_t(i + 1)) == "---");
}

QTEST_APPLESS_MAIN(TestColours)
#include "tst_colours.moc"
