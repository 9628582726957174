// SPDX-License-Identifier: GPL-3.0-or-later
// The view table: the names in the order the list adds them, each view's colour rule and legend
// (given/views.csv), the colours of the views that are not a plain colour function, and the legend
// rows.
#include "ColourFunctionsByName.h"
#include "CsvTable.h"
#include "data/CellGrid.h"
#include "data/ColourText.h"
#include "data/Legends.h"
#include "data/Views.h"

#include <QtTest>
#include <algorithm>
#include <map>
#include <set>

using namespace TPDEQ;

namespace {

const TPDEQ::SwatchReader kStartColours = legends::swatchColour;

const QList<CsvRow>& givenViews() {
    static const QList<CsvRow> rows = readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/views.csv"));
    return rows;
}

std::uint32_t rgb(int red, int green, int blue) {
    return colour::fromRgb(red, green, blue);
}

} // namespace

class TestViews : public QObject {
    Q_OBJECT
  private slots:
    void offeredNamesInShownOrder();
    void eachViewColoursByItsFunctionAndShowsItsLegend_data();
    void eachViewColoursByItsFunctionAndShowsItsLegend();
    void numberGradient();
    void savedDefaultsAndUnreadableValuesLeaveCells();
    void massView();
    void familyNames();
    void legendsExplainTheirViews();
};

void TestViews::offeredNamesInShownOrder() {
    // Alphabetical without regard to case or accents; the animation draws from the first 19.
    std::map<int, std::string> listed; // by position in the list
    for (const CsvRow& row : givenViews())
        if (!row.value("position").isEmpty())
            listed[row.value("position").toInt()] = row.value("view").toStdString();
        else
            QVERIFY2(views::findView(row.value("view").toStdString()), qPrintable(row.value("view")));
    QCOMPARE(int(listed.size()), 26);
    QCOMPARE(givenViews().size(), qsizetype(views::allViews().size())); // a row for every view
    std::vector<std::string_view> shown;
    for (const auto& [place, name] : listed)
        shown.push_back(name);
    QCOMPARE(views::offeredNames(), shown);
    QVERIFY(!views::findView("propriedades") && !views::findView("Propriedades ")); // matched exactly
}

void TestViews::eachViewColoursByItsFunctionAndShowsItsLegend_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("function"); // empty: not a plain colour function of Z
    QTest::addColumn<int>("legend");       // -1: none
    for (const CsvRow& row : givenViews())
        QTest::newRow(qPrintable(row.value("view")))
            << row.value("view") << row.value("function")
            << (row.value("legend").isEmpty() ? -1 : row.value("legend").toInt());
}

void TestViews::eachViewColoursByItsFunctionAndShowsItsLegend() {
    QFETCH(QString, name);
    QFETCH(QString, function);
    QFETCH(int, legend);
    const views::View* view = views::findView(name.toStdString());
    QVERIFY(view);
    QCOMPARE(view->legend.value_or(-1), legend);
    QVERIFY2(function.isEmpty() || kColourFunctions.contains(function), qPrintable(function));
    const views::CellColours colours = views::cellColours(*view, kStartColours);
    for (int i = 0; i < 118; ++i) {
        const QByteArray element = "element " + QByteArray::number(i + 1);
        QVERIFY2(colours[i], element);
        if (!function.isEmpty())
            QVERIFY2(colours[i] == colour::parseText(kColourFunctions.value(function)(std::int16_t(i + 1))),
                     element);
    }
}

void TestViews::numberGradient() {
    const auto colours = views::cellColours(*views::findView("Número Atômico"), kStartColours);
    QCOMPARE(*colours[0], rgb(255, 255, 255));
    QCOMPARE(*colours[58], rgb(139, 197, 197));
    QCOMPARE(*colours[117], rgb(21, 138, 138));
}

void TestViews::savedDefaultsAndUnreadableValuesLeaveCells() {
    // "Propriedades" gives every cell the colour it was built with.
    const auto defaults = views::cellColours(*views::findView("Propriedades"), kStartColours);
    for (int i = 0; i < 118; ++i)
        QCOMPARE(defaults[i], std::optional(grid::defaultCellColour(i + 1)));
    // The lattice view without readable swatches colours only the elements without a lattice.
    const TPDEQ::SwatchReader noSwatches;
    const auto lattice = views::cellColours(*views::findView("Rede Cristalográfica"), noSwatches);
    QVERIFY(!lattice[0]);
    QCOMPARE(*lattice[84], kNeutralGrey);
}

void TestViews::massView() {
    // "&HBFF" and the integer part of the mass; a bracketed mass gives the three characters inside.
    const auto colours = views::cellColours(*views::findView("Massa Atômica"), kStartColours);
    QCOMPARE(*colours[0], 0xBFF1u);     // 1.00794(7)
    QCOMPARE(*colours[25], 0xBFF55u);   // 55.845(2)
    QCOMPARE(*colours[42], 0xBFF98u);   // [98.9072]
    QCOMPARE(*colours[60], 0xBFF145u);  // [145]
    QCOMPARE(*colours[116], 0xBFF0u);   // "---": no number
    QCOMPARE(*colours[117], 0xBFF294u); // [294]
}

void TestViews::familyNames() {
    // (The legend rows, panel by panel, are compared where the legends are painted.)
    QCOMPARE(legends::familyName(8), std::string_view("8B"));
    QCOMPARE(legends::familyName(18), std::string_view("8A"));
    QCOMPARE(legends::familyName(19), std::string_view());
}

void TestViews::legendsExplainTheirViews() {
    // A class panel shows exactly the colours its views give (the superconductors' grey has no row).
    const auto panelColours = [](int panel) {
        std::set<std::uint32_t> colours;
        for (const legends::Row& row : legends::rows())
            if (row.panel == panel)
                colours.insert(row.colour);
        return colours;
    };
    const auto viewColours = [](std::initializer_list<ColourFunction> functions) {
        std::set<std::uint32_t> colours;
        for (ColourFunction function : functions)
            for (int z = 1; z <= 118; ++z)
                colours.insert(*colour::parseText(function(std::int16_t(z))));
        return colours;
    };
    QCOMPARE(panelColours(1), viewColours({BiologicalEffectColor}));
    QCOMPARE(panelColours(2), viewColours({State25Color, State700Color}));
    QCOMPARE(panelColours(3), viewColours({DiscoveryCenturyColor}));
    std::set<std::uint32_t> superconductors = viewColours({SuperconductorColor});
    superconductors.erase(kNeutralGrey);
    QCOMPARE(panelColours(4), superconductors);
    QCOMPARE(panelColours(5), viewColours({BlockColor}));
    QCOMPARE(panelColours(7), viewColours({AtomicRadiusColor}));
    QCOMPARE(panelColours(8), viewColours({ThermalConductivityColor}));
    // The lattice colours live only in the swatches 30 to 41 of the lattice legend.
    const std::uint32_t lattice[] = {0x99A8FF, 0x50EEFF, 0xE8A44F, 0xFF8080, 0xFF5CFF, 0x00D189,
                                     0xA57C58, 0xE0E0E0, 0x3EC1C1, 0x5E8BAD, 0x54668D, 0x00CCFF};
    for (int swatch = 30; swatch <= 41; ++swatch)
        QCOMPARE(kStartColours(swatch), std::optional(lattice[swatch - 30]));
}

QTEST_APPLESS_MAIN(TestViews)
#include "tst_views.moc"
