// SPDX-License-Identifier: GPL-3.0-or-later
// Colours: the two text forms, and every colour function for every element against the
// classification tables as published, class by class, in the exact text form of each class.
#include "data/ColourFunctions.h"
#include "data/ColourText.h"
#include "data/Legends.h"
#include "data/ValueDecoders.h"
#include "NumberList.h"

#include <QtTest>
#include <cstdio>
#include <vector>

using namespace TPDEQ;

namespace {

constexpr colour::TextForm D = colour::TextForm::Decimal;
constexpr colour::TextForm L = colour::TextForm::Literal;

struct Class {
    std::uint32_t colour;
    colour::TextForm form;
    const char* members;
};
struct Fallback {
    std::uint32_t colour;
    colour::TextForm form;
    bool given = true;
};
constexpr Fallback kNone{0, D, false}; // every element has a class; other numbers give ""
struct FunctionTable {
    const char* name;
    std::string (*function)(std::int16_t);
    std::vector<Class> classes;
    Fallback everyOther;
};

std::string expectedText(std::uint32_t value, colour::TextForm form) {
    char text[16];
    std::snprintf(text, sizeof text, form == D ? "%u" : "&H%06X", unsigned(value));
    return text;
}

// clang-format off
const FunctionTable kTables[] = {
    {"AlkaliMetalColor", AlkaliMetalColor, {{0xDA8536, D, "3, 11, 19, 37, 55, 87"}}, {0xD1C9B8, D}},
    {"AlkalineEarthColor", AlkalineEarthColor, {{0xE8A44F, D, "4, 12, 20, 38, 56, 88"}}, {0xD1C9B8, D}},
    {"ChalcogenColor", ChalcogenColor, {{0x99A8FF, D, "8, 16, 34, 52, 84, 116"}}, {0xD1C9B8, D}},
    {"HalogenColor", HalogenColor, {{0xC4C2FF, D, "9, 17, 35, 53, 85, 117"}}, {0xD1C9B8, D}},
    {"MetalloidColor", MetalloidColor, {{0x00CCFF, D, "5, 14, 32, 33, 51, 52, 84, 117"}}, {0xD1C9B8, D}},
    {"NobleGasColor", NobleGasColor, {{0x00D189, D, "2, 10, 18, 36, 54, 86, 118"}}, {0xD1C9B8, D}},
    {"LanthanideColor", LanthanideColor, {{0x50EEFF, D, "57–71"}}, {0xD1C9B8, D}},
    {"ActinideColor", ActinideColor, {{0x5E8BAD, D, "89–103"}}, {0xD1C9B8, D}},
    {"NonMetalColor", NonMetalColor, {{0x8594EB, L, "6–9, 15–17, 34, 35, 53, 85, 117"}}, {0xD1C9B8, L}},
    {"NitrogenFamilyColor", NitrogenFamilyColor, {{0x8594EB, L, "7, 15, 33, 51, 83, 115"}}, {0xD1C9B8, L}},
    {"CarbonFamilyColor", CarbonFamilyColor, {{0x8594EB, L, "6, 14, 32, 50, 82, 114"}}, {0xD1C9B8, L}},
    {"AluminiumFamilyColor", AluminiumFamilyColor, {{0xE8A44F, L, "5, 13, 31, 49, 81, 113"}}, {0xD1C9B8, L}},
    {"PreciousMetalColor", PreciousMetalColor, {{0x50EEFF, L, "44–46, 76–78"}}, {0xD1C9B8, L}},
    {"CoinageMetalColor", CoinageMetalColor, {{0x50EEFF, L, "29, 47, 79"}}, {0xD1C9B8, L}},
    {"RareEarthColor", RareEarthColor, {{0x5E8BAD, L, "57–71, 89–103"}}, {0xD1C9B8, L}},
    {"MalleableMetalColor", MalleableMetalColor, {{0xFFBB66, L, "21–25, 39–43, 72–75, 104–107"}}, {0xD1C9B8, L}},
    {"HardDuctileMetalColor", HardDuctileMetalColor, {{0xFFBB66, L, "26–29, 44–47, 76–79, 108–111"}}, {0xD1C9B8, L}},
    {"BiologicalEffectColor", BiologicalEffectColor, {{0x99A8FF, D, "1, 6–8, 11, 12, 15–17, 19, 20"},
        {0xFF8080, D, "5, 9, 14, 23, 25–30, 34, 42, 50, 53"},
        {0x00D189, D, "4, 33, 48, 51, 80–83"},
        {0xFFFF00, D, "3, 43, 61, 84–118"}}, {0xD1C9B8, D}},
    {"State25Color", State25Color, {{0x00D189, D, "1, 2, 7–10, 17, 18, 36, 54, 86, 118"},
        {0xEAA76A, D, "35, 80, 112"}}, {0x8A68FF, D}},
    {"State700Color", State700Color, {{0x00D189, D, "1, 2, 7–10, 15–18, 33–37, 53–55, 80, 85–87, 118"},
        {0xEAA76A, D, "3, 11–13, 19, 30, 31, 48–52, 81–84"},
        {0xD1C9B8, D, "112"}}, {0x8A68FF, D}},
    {"DiscoveryCenturyColor", DiscoveryCenturyColor, {{0xD1C9B8, D, "115–118"},
        {0x00D189, D, "1, 7, 8, 15, 17, 22, 24, 25, 27, 28, 42, 51, 52, 74, 83"},
        {0xEAA76A, D, "6, 16, 26, 29, 30, 33, 47, 50, 78–80, 82"},
        {0x5E8BAD, D, "43, 60, 61, 67, 70–72, 75, 85–87, 91, 93–109, 111, 112, 114"},
        {0x8594EB, D, "110, 113"}}, {0x50EEFF, D}},
    {"SuperconductorColor", SuperconductorColor, {{0xEAA76A, D, "3, 5, 8, 14–16, 20, 21, 26, 32–35, 38, 39, 51–53, 55, 56, 58, 71, 83"},
        {0x00D189, D, "4, 13, 22, 23, 30, 31, 40–45, 48–50, 57, 72–77, 80–82, 90–92, 95"}}, {0xD1C9B8, D}},
    {"BlockColor", BlockColor, {{0x00D189, D, "1–4, 11, 12, 19, 20, 37, 38, 55, 56, 87, 88"},
        {0x50EEFF, D, "5–10, 13–18, 31–36, 49–54, 81–86, 113–118"},
        {0x8594EB, D, "57–71, 89–103"}}, {0xE8A44F, D}},
    {"AtomicRadiusColor", AtomicRadiusColor, {{0xC4C2FF, D, "1, 38, 56"},
        {0xD1C9B8, D, "2, 61, 96–118"},
        {0x00D189, D, "4, 14–16, 24, 26–29, 35, 36, 53, 54"},
        {0x50EEFF, D, "5–7, 17, 18"},
        {0x00CCFF, D, "8–10"},
        {0xEE9944, D, "11, 20, 39, 48, 49, 58–60, 62–72, 81–84, 89, 95"},
        {0x5E8BAD, D, "19, 37, 88"},
        {0x99A8FF, D, "55, 87"}}, {0xFFBB66, D}},
    {"ThermalConductivityColor", ThermalConductivityColor, {{0xD1C9B8, L, "104–118"},
        {0xEAA76A, L, "1, 2, 5, 7–10, 15–18, 21–23, 25, 34–36, 39, 40, 51–54, 56–69, 71, 72, 80, 83–89, 92–103"},
        {0x50EEFF, L, "3, 24, 26, 28, 46, 48–50, 76, 78"},
        {0xC4C2FF, L, "4, 20"},
        {0x00CCFF, L, "6, 11, 12, 14, 42, 45, 77"},
        {0x5E8BAD, L, "13, 29, 47, 79"},
        {0x8A68FF, D, "19, 27, 30, 44"},
        {0x00D189, L, "31–33, 37, 38, 41, 43, 55, 70, 73, 75, 81, 82, 90, 91"},
        {0x99A8FF, L, "74"}}, kNone},

};
// clang-format on

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
    QTest::addColumn<int>("table");
    for (int n = 0; n < int(std::size(kTables)); ++n)
        QTest::newRow(kTables[n].name) << n;
}

void TestColours::everyElementInEveryFunction() {
    QFETCH(int, table);
    const FunctionTable& expected = kTables[table];
    for (int z = 1; z <= 118; ++z) {
        std::optional<Fallback> colourOfZ;
        for (const Class& c : expected.classes)
            if (numberList(c.members).count(z)) {
                QVERIFY2(!colourOfZ, "classes overlap");
                colourOfZ = Fallback{c.colour, c.form};
            }
        if (!colourOfZ && expected.everyOther.given)
            colourOfZ = expected.everyOther;
        QVERIFY2(colourOfZ, qPrintable(QStringLiteral("no class for %1").arg(z)));
        QCOMPARE(expected.function(std::int16_t(z)), expectedText(colourOfZ->colour, colourOfZ->form));
    }
    for (int z : {0, -1, 119, 32767}) {
        const std::string outside = expected.function(std::int16_t(z));
        const Fallback& other = expected.everyOther;
        QCOMPARE(outside, other.given ? expectedText(other.colour, other.form) : std::string());
    }
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
