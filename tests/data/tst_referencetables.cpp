// SPDX-License-Identifier: GPL-3.0-or-later
// The element table against the reference tables kept in tests/data/reference, column by column,
// and against the laws that link its fields to each other and to the classification views. Every
// row outside the fixed ones carries the table's own digits where the rows follow that table, or
// lies within a stated band where the table is another edition; the few values kept on purpose
// and the exceptions to each law are listed, each with its reason, in kept-values.csv,
// other-coordinations.csv and law-exceptions.csv there.
#include "CsvTable.h"
#include "ElementFields.h"
#include "data/CellGrid.h"
#include "data/ColourFunctions.h"
#include "data/ColourText.h"
#include "data/ElementTable.h"

#include <QtTest>
#include <algorithm>
#include <map>
#include <optional>

using TPDEQ::ElementField;

namespace {

// The rows the program's given tables write out in full: kept exactly as given, not compared here.
bool fixedRow(int z) {
    static const QList<CsvRow> given = readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/element-rows.csv"));
    return std::any_of(given.begin(), given.end(),
                       [z](const CsvRow& row) { return row.value("atomicNumber").toInt() == z; });
}

// One column of a reference table and the field of the element table it checks. Where the rows
// follow the table, the row writes the table's own digits (with `unit`), or the same number within
// half a unit of the last digit the table publishes; where the table is another edition than the
// rows follow, the number lies within `tolerance` of it (relative when `relative`), a band that a
// changed leading digit still leaves. An empty cell is not compared; "---" means the row has none.
struct ReferenceColumn {
    const char* file;
    const char* column;
    ElementField field;
    const char* unit; // nullptr: only the number is compared
    double tolerance;
    bool relative = false;
    double perUnit = 0; // when set, the row shows perUnit / reference (a conductivity from a resistivity)
};

// clang-format off
const ReferenceColumn kColumns[] = {
    // The tables the rows were revised against.
    {"elements-thermal.csv",  "melting_C",                 ElementField::meltingPoint,      " °C",    0},
    {"elements-thermal.csv",  "boiling_C",                 ElementField::boilingPoint,      " °C",    0},
    {"elements-thermal.csv",  "density_g_cm3",             ElementField::density,           " g/cm³", 0},
    {"radii-gaps.csv",        "covalent_radius_A",         ElementField::covalentRadius,    " Å",     0},
    {"radii-gaps.csv",        "atomic_radius_A",           ElementField::atomicRadius,      " Å",     0},
    {"atomic-weights.csv",    "atomic_weight",             ElementField::atomicMass,        nullptr,  0},
    {"elements-bodr.csv",     "name_en",                   ElementField::englishName,       "",       0},
    {"elements-bodr.csv",     "electronegativity_pauling", ElementField::electronegativity, nullptr,  0.005},
    // Other editions: a band.
    {"elements-bodr.csv",     "covalent_radius_A",         ElementField::covalentRadius,    nullptr,  0.12},
    {"elements-bodr.csv",     "discovery_year",            ElementField::discovery,         nullptr,  2},
    {"elements-pymatgen.csv", "metallic_radius_A",         ElementField::atomicRadius,      nullptr,  0.03},
    {"elements-pymatgen.csv", "resistivity_1e-8_ohm_m",    ElementField::conductivity,      nullptr,  0.07, true, 100},
};

// The decimals the ionisation energies are shown with, by runs of atomic numbers.
struct DecimalsRun {
    int from;
    int to;
    int decimals;
};

constexpr DecimalsRun kIonisationDecimals[] = {{1, 60, 3}, {61, 92, 2}, {93, 99, 3}, {100, 103, 2}};
// clang-format on

// A reference table by file name, read once.
const QList<CsvRow>& referenceTable(const QString& fileName) {
    static std::map<QString, QList<CsvRow>> tables;
    auto found = tables.find(fileName);
    if (found == tables.end())
        found = tables.emplace(fileName, readCsv(QStringLiteral(ORVANE_REFERENCE_DIR "/") + fileName)).first;
    return found->second;
}

// A value that deliberately differs from the tables, as kept-values.csv lists it: the row keeps
// exactly `text`; where the table has a number, the kept value lies within `tolerance` (relative)
// of it. Null where the row follows the tables.
const CsvRow* keptValue(int z, ElementField field) {
    for (const CsvRow& kept : referenceTable(QStringLiteral("kept-values.csv")))
        if (kept.value("z").toInt() == z && fieldNamed(kept.value("field")) == field)
            return &kept;
    return nullptr;
}

// The value a table gives element z in one column; empty where the table has no row for z.
QString referenceValue(const QString& fileName, const QString& column, int z) {
    for (const auto& row : referenceTable(fileName))
        if (row.value(QStringLiteral("Z")).toInt() == z)
            return row.value(column);
    return {};
}

// A positive decimal number as the reference prints it, rounded to `decimals` places, a half
// upwards; done on the digits, so that 0.745 is a half and not the binary 0.74499...
QString roundedDecimal(const QString& number, int decimals) {
    const qsizetype point = number.indexOf(u'.');
    const QString whole = point < 0 ? number : number.left(point);
    const QString fraction =
        (point < 0 ? QString() : number.mid(point + 1)).leftJustified(decimals + 1, u'0');
    qlonglong scaled = (whole + fraction.left(decimals)).toLongLong();
    if (fraction[decimals] >= u'5')
        ++scaled;
    QString digits = QString::number(scaled).rightJustified(decimals + 1, u'0');
    return digits.insert(digits.size() - decimals, u'.');
}

QString expectedIonisation(int z) {
    const QString reference = referenceValue(QStringLiteral("elements-ionisation.csv"),
                                             QStringLiteral("first_ionisation_energy_eV"), z);
    if (reference.isEmpty())
        return QStringLiteral("--- "); // the column's marker keeps its trailing blank
    for (const DecimalsRun& run : kIonisationDecimals)
        if (z >= run.from && z <= run.to)
            return roundedDecimal(reference, run.decimals) + QStringLiteral(" V");
    return QStringLiteral("(no decimals given for %1 eV)").arg(reference);
}

// Shannon's entries for one ion in one coordination (one per spin state where the table has two).
QList<CsvRow> shannonEntries(int z, int charge, const QString& coordination) {
    QList<CsvRow> entries;
    for (const auto& row : referenceTable(QStringLiteral("shannon-ionic-radii.csv")))
        if (row.value(QStringLiteral("Z")).toInt() == z &&
            row.value(QStringLiteral("charge")).toInt() == charge &&
            row.value(QStringLiteral("coordination")) == coordination)
            entries << row;
    return entries;
}

// Shannon's ionic radius of one ion: octahedral (VI) unless other-coordinations.csv lists it, in the usual
// spin state (high spin, but low spin for Co3+ and Ni3+).
QString shannonRadius(int z, int charge) {
    QString coordination = QStringLiteral("VI");
    for (const CsvRow& other : referenceTable(QStringLiteral("other-coordinations.csv")))
        if (other.value("z").toInt() == z && other.value("charge").toInt() == charge)
            coordination = other.value("coordination");
    const bool lowSpin = charge == 3 && (z == 27 || z == 28);
    const auto entries = shannonEntries(z, charge, coordination);
    for (const auto& entry : entries)
        if (entries.size() == 1 ||
            entry.value(QStringLiteral("spin")) == QLatin1String(lowSpin ? "Low" : "High"))
            return roundedDecimal(entry.value(QStringLiteral("ionic_radius_A")), 2);
    return QStringLiteral("(no %1 radius for charge %2)").arg(coordination).arg(charge);
}

// The ions a row lists ("0.83E+2 / 0.46E+7": radius, E, signed charge), each with Shannon's radius.
QString expectedIonicRadii(int z, const QString& listed) {
    if (listed == QLatin1String("---"))
        return listed;
    static const QRegularExpression ion(QStringLiteral(R"(^\d\.\d\dE([+-]\d)$)"));
    QStringList items;
    for (const QString& item : listed.split(QStringLiteral(" / "))) {
        const QRegularExpressionMatch match = ion.match(item);
        if (!match.hasMatch())
            return QStringLiteral("(not an ion: %1)").arg(item);
        items << shannonRadius(z, match.captured(1).toInt()) + u'E' + match.captured(1);
    }
    return items.join(QStringLiteral(" / "));
}

QString elementText(int z, ElementField field) {
    const std::string_view text = TPDEQ::ElementText(std::int16_t(z), field);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The numbers a value gives: every year of a discovery ("... / 1766 - ... / 1671"), else the number
// it starts with ("1535 °C", "[98.9072]", "0.43E-09"; not the charge of "1.69E+1").
QList<double> numbersIn(ElementField field, const QString& text) {
    static const QRegularExpression year(QStringLiteral(R"(\b\d{4}\b)"));
    static const QRegularExpression leading(QStringLiteral(R"(^\[?(-?\d+(\.\d+)?(E[+-]\d\d)?))"));
    QList<double> numbers;
    if (field == ElementField::discovery) {
        for (const QRegularExpressionMatch& match : year.globalMatch(text))
            numbers << match.captured().toDouble();
    } else if (const QRegularExpressionMatch match = leading.match(text); match.hasMatch()) {
        numbers << match.captured(1).toDouble();
    }
    return numbers;
}

// The text a row outside the fixed ones shows as its ionisation energy or its ionic radii.
QString expectedText(int z, ElementField field) {
    return field == ElementField::ionizationEnergy ? expectedIonisation(z) : expectedIonicRadii(z, elementText(z, field));
}

// The number a row should show by a table's cell.
double expectedNumber(const ReferenceColumn& column, const QString& reference) {
    return column.perUnit ? column.perUnit / reference.toDouble() : reference.toDouble();
}

// Whether a row's text agrees with a table's cell as the column demands.
bool agrees(const ReferenceColumn& column, const QString& text, const QString& reference) {
    if (reference == QLatin1String("---"))
        return text == reference;
    if (column.unit)
        return text == reference + QString::fromUtf8(column.unit);
    if (reference.contains(u'(')) // a standard atomic weight with its uncertainty, as IUPAC prints it
        return QString(text).remove(u'[').remove(u']') == reference;
    const double expected = expectedNumber(column, reference);
    const double allowed = (column.relative ? column.tolerance * expected : column.tolerance) + 1e-9;
    const auto numbers = numbersIn(column.field, text);
    return std::any_of(numbers.begin(), numbers.end(),
                       [&](double value) { return std::abs(value - expected) <= allowed; });
}

bool lawException(const char* law, int z) {
    const QList<CsvRow>& exceptions = referenceTable(QStringLiteral("law-exceptions.csv"));
    return std::any_of(exceptions.begin(), exceptions.end(), [&](const CsvRow& exception) {
        return exception.value("z").toInt() == z && exception.value("law") == QLatin1String(law);
    });
}

// A class of a classification view and the range its legend caption gives ("1,33 à 1,65 Å").
struct LegendRange {
    std::uint32_t colour;
    double low;
    double high;
};

// A view whose classes stand for ranges of a value, and the values an element has (any of them
// may fall in the class; none: not compared). Colours with no range ("Sem dados") are not compared.
struct ClassifiedView {
    const char* name;
    std::string (*colour)(std::int16_t);
    QList<double> (*values)(int z);
    double slack; // half the last digit of the captions, so that the captions' ranges meet
    std::vector<LegendRange> ranges;
};

// The state at `celsius` by the melting and boiling points: 0 solid, 1 liquid, 2 gas; both 1 and 2
// above the melting point where no boiling point is given.
QList<double> stateAt(int z, double celsius) {
    static const QRegularExpression plain(QStringLiteral(R"(^-?\d+(\.\d+)? °C$)"));
    static const QRegularExpression sublimes(QStringLiteral(R"(^Sublima a (-?\d+(\.\d+)?) °C$)"));
    const QString melting = elementText(z, ElementField::meltingPoint);
    const QString boiling = elementText(z, ElementField::boilingPoint);
    if (const auto match = sublimes.match(boiling); match.hasMatch())
        return {celsius >= match.captured(1).toDouble() ? 2.0 : 0.0};
    if (plain.match(boiling).hasMatch() && celsius >= numbersIn(ElementField::boilingPoint, boiling).value(0))
        return {2};
    if (!plain.match(melting).hasMatch())
        return {};
    if (celsius < numbersIn(ElementField::meltingPoint, melting).value(0))
        return {0};
    return plain.match(boiling).hasMatch() ? QList<double>{1} : QList<double>{1, 2};
}

QList<double> at25(int z) { return stateAt(z, 25); }
QList<double> at700(int z) { return stateAt(z, 700); }
QList<double> atomicRadius(int z) { return numbersIn(ElementField::atomicRadius, elementText(z, ElementField::atomicRadius)); }

QList<double> thermalConductivity(int z) {
    const QString value = referenceValue(QStringLiteral("elements-pymatgen.csv"), QStringLiteral("thermal_conductivity_W_mK"), z);
    return value.isEmpty() ? QList<double>{} : QList<double>{value.toDouble()};
}

// Every year the discovery gives; "in antiquity" and "before Christ" count as before 1700.
QList<double> discoveryYears(int z) {
    const QString text = elementText(z, ElementField::discovery);
    if (text.contains(QStringLiteral("Antigüidade")) || text.contains(QStringLiteral("Antes de Cristo")))
        return {0};
    return numbersIn(ElementField::discovery, text);
}

// The block by the letter of the outermost orbital ("3d6"): s 0, p 1, d 2, f 3.
QList<double> block(int z) {
    const QString orbital = elementText(z, ElementField::orbital);
    const qsizetype letter = orbital.size() > 1 ? QStringLiteral("spdf").indexOf(orbital[1]) : -1;
    return letter < 0 ? QList<double>{} : QList<double>{double(letter)};
}

// clang-format off
// The ranges transcribed from the legend captions; states and blocks by their codes above.
const ClassifiedView kClassifiedViews[] = {
    {"AtomicRadiusColor", TPDEQ::AtomicRadiusColor, atomicRadius, 0.005,
     {{0x00CCFF, 0, 0.65}, {0x50EEFF, 0.66, 1}, {0x00D189, 1, 1.32}, {0xFFBB66, 1.33, 1.65}, {0xEE9944, 1.66, 1.99},
      {0xC4C2FF, 2, 2.22}, {0x5E8BAD, 2.23, 2.65}, {0x99A8FF, 2.65, 1e9}}},
    {"ThermalConductivityColor", TPDEQ::ThermalConductivityColor, thermalConductivity, 0.5,
     {{0xEAA76A, 0, 32}, {0x00D189, 33, 65}, {0x50EEFF, 66, 99}, {0x8A68FF, 100, 132}, {0x00CCFF, 133, 165},
      {0x99A8FF, 166, 199}, {0xC4C2FF, 200, 232}, {0x5E8BAD, 232, 1e9}}},
    {"DiscoveryCenturyColor", TPDEQ::DiscoveryCenturyColor, discoveryYears, 0.5,
     {{0xEAA76A, -1e9, 1699}, {0x00D189, 1700, 1799}, {0x50EEFF, 1800, 1899}, {0x5E8BAD, 1900, 1999}, {0x8594EB, 2000, 2099}}},
    {"State25Color", TPDEQ::State25Color, at25, 0, {{0x8A68FF, 0, 0}, {0xEAA76A, 1, 1}, {0x00D189, 2, 2}}},
    {"State700Color", TPDEQ::State700Color, at700, 0, {{0x8A68FF, 0, 0}, {0xEAA76A, 1, 1}, {0x00D189, 2, 2}}},
    {"BlockColor", TPDEQ::BlockColor, block, 0, {{0x00D189, 0, 0}, {0x50EEFF, 1, 1}, {0xE8A44F, 2, 2}, {0x8594EB, 3, 3}}},
};
// clang-format on

} // namespace

class TestReferenceTables : public QObject {
    Q_OBJECT
  private slots:
    void tablesCoverEveryElementInOrder();
    void keptValuesAreStillDifferentAndNear();
    void referenceColumns_data();
    void referenceColumns();
    void ionisationAndIonicRadii_data();
    void ionisationAndIonicRadii();
    void wiedemannFranz();
    void classifiedValuesLieInTheirLegendRange_data();
    void classifiedValuesLieInTheirLegendRange();
};

void TestReferenceTables::tablesCoverEveryElementInOrder() {
    // A truncated or shifted table would compare rows with the wrong element.
    for (const char* file : {"elements-thermal.csv", "elements-ionisation.csv", "elements-bodr.csv",
                             "elements-pymatgen.csv", "atomic-weights.csv"}) {
        const auto& table = referenceTable(QString::fromLatin1(file));
        QCOMPARE(table.size(), 118);
        for (int z = 1; z <= 118; ++z) {
            QCOMPARE(table[z - 1].value(QStringLiteral("Z")), QString::number(z));
            // 112 to 118 carry their later symbols in the tables, their systematic ones in the cells.
            if (z <= 111)
                QCOMPARE(table[z - 1].value(QStringLiteral("symbol")).toStdString(), std::string(grid::cellSymbol(z)));
        }
    }
    QCOMPARE(referenceTable(QStringLiteral("radii-gaps.csv")).size(), 6);
    QCOMPARE(referenceTable(QStringLiteral("shannon-ionic-radii.csv")).size(), 492);
}

void TestReferenceTables::keptValuesAreStillDifferentAndNear() {
    for (const CsvRow& kept : referenceTable(QStringLiteral("kept-values.csv"))) {
        const int z = kept.value("z").toInt();
        const ElementField field = fieldNamed(kept.value("field"));
        const QByteArray where = (kept.value("z") + u' ' + kept.value("field")).toUtf8();
        QVERIFY2(!fixedRow(z), where);
        QVERIFY2(kept.value("reason").size() > 10, where);
        if (field != ElementField::ionizationEnergy && field != ElementField::ionicRadius) {
            // Compared in referenceColumns; it must meet a table there.
            const auto meetsATable = [&](const ReferenceColumn& column) {
                return column.field == field && !referenceValue(column.file, column.column, z).isEmpty();
            };
            QVERIFY2(std::any_of(std::begin(kColumns), std::end(kColumns), meetsATable), where);
            continue;
        }
        const QString reference = expectedText(z, field);
        // An entry whose value now equals the table's is stale and must go.
        QVERIFY2(kept.value("text") != reference, where);
        const auto number = numbersIn(field, reference);
        if (!number.isEmpty() && kept.value("tolerance").toDouble() > 0) {
            const auto value = numbersIn(field, kept.value("text"));
            QVERIFY2(!value.isEmpty(), where);
            QVERIFY2(std::abs(value[0] / number[0] - 1) <= kept.value("tolerance").toDouble(), where);
        }
    }
    // A coordination other than VI is used only while Shannon gives the ion no VI radius.
    for (const CsvRow& other : referenceTable(QStringLiteral("other-coordinations.csv"))) {
        const int z = other.value("z").toInt();
        const int charge = other.value("charge").toInt();
        const QByteArray where = (other.value("z") + u'/' + other.value("charge")).toUtf8();
        QVERIFY2(other.value("reason").size() > 10, where);
        QVERIFY2(shannonEntries(z, charge, QStringLiteral("VI")).isEmpty(), where);
        QVERIFY2(!shannonEntries(z, charge, other.value("coordination")).isEmpty(), where);
    }
}

void TestReferenceTables::referenceColumns_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("reference");
    for (int n = 0; n < int(std::size(kColumns)); ++n)
        for (const auto& row : referenceTable(QString::fromLatin1(kColumns[n].file))) {
            const int z = row.value(QStringLiteral("Z")).toInt();
            const QString reference = row.value(QString::fromLatin1(kColumns[n].column));
            if (!fixedRow(z) && !reference.isEmpty())
                QTest::addRow("%d %s %s", z, qPrintable(row.value(QStringLiteral("symbol"))), kColumns[n].column)
                    << n << z << reference;
        }
}

void TestReferenceTables::referenceColumns() {
    QFETCH(int, column);
    QFETCH(int, z);
    QFETCH(QString, reference);
    const ReferenceColumn& table = kColumns[column];
    const QString text = elementText(z, table.field);
    if (const CsvRow* kept = keptValue(z, table.field)) {
        QCOMPARE(text, kept->value("text"));
        // Still different from the table (else the entry is stale), and near it where it has a number.
        QVERIFY2(!agrees(table, text, reference), qPrintable(text + " now agrees with " + reference));
        const auto value = numbersIn(table.field, text);
        if (const double tolerance = kept->value("tolerance").toDouble(); tolerance > 0)
            QVERIFY2(!value.isEmpty() &&
                         std::abs(value[0] / expectedNumber(table, reference) - 1) <= tolerance,
                     qPrintable(text + " against " + reference));
        return;
    }
    QVERIFY2(agrees(table, text, reference), qPrintable(text + " against " + reference));
}

void TestReferenceTables::ionisationAndIonicRadii_data() {
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("field");
    for (int z = 1; z <= 118; ++z) {
        if (fixedRow(z))
            continue;
        const std::string symbol(grid::cellSymbol(z));
        QTest::addRow("%d %s ionisation", z, symbol.c_str()) << z << int(ElementField::ionizationEnergy);
        QTest::addRow("%d %s ionic radius", z, symbol.c_str()) << z << int(ElementField::ionicRadius);
    }
}

void TestReferenceTables::ionisationAndIonicRadii() {
    QFETCH(int, z);
    QFETCH(int, field);
    const auto column = ElementField(field);
    const CsvRow* kept = keptValue(z, column);
    QCOMPARE(elementText(z, column), kept ? kept->value("text") : expectedText(z, column));
}

void TestReferenceTables::wiedemannFranz() {
    // In a metal the electrons carry both the current and most of the heat: kappa = L sigma T, with
    // L = 2.44e-8 W ohm/K^2 and T = 300 K. The lattice adds heat in the transition metals and the
    // lanthanides, so the ratio kappa / (L sigma T) lies between 0.5 and 2 for every metal (a row
    // with a conductivity of 0.5e6 S/m or more and a published thermal conductivity).
    for (int z = 1; z <= 118; ++z) {
        const auto sigma = numbersIn(ElementField::conductivity, elementText(z, ElementField::conductivity));
        const auto kappa = thermalConductivity(z);
        if (sigma.isEmpty() || sigma[0] < 0.5 || kappa.isEmpty())
            continue;
        const double ratio = kappa[0] / (2.44e-8 * sigma[0] * 1e6 * 300);
        QVERIFY2((ratio >= 0.5 && ratio <= 2) != lawException("Wiedemann-Franz", z),
                 qPrintable(QStringLiteral("%1: %2").arg(z).arg(ratio)));
    }
}

void TestReferenceTables::classifiedValuesLieInTheirLegendRange_data() {
    QTest::addColumn<int>("view");
    for (int n = 0; n < int(std::size(kClassifiedViews)); ++n)
        QTest::newRow(kClassifiedViews[n].name) << n;
}

void TestReferenceTables::classifiedValuesLieInTheirLegendRange() {
    QFETCH(int, view);
    const ClassifiedView& classified = kClassifiedViews[view];
    for (int z = 1; z <= 118; ++z) {
        const auto colour = colour::parseText(classified.colour(std::int16_t(z)));
        QVERIFY(colour);
        const auto range = std::find_if(classified.ranges.begin(), classified.ranges.end(),
                                        [&](const LegendRange& r) { return r.colour == *colour; });
        const auto values = classified.values(z);
        if (range == classified.ranges.end() || values.isEmpty()) {
            QVERIFY2(!lawException(classified.name, z), qPrintable(QStringLiteral("stale exception %1").arg(z)));
            continue;
        }
        const bool inside = std::any_of(values.begin(), values.end(), [&](double value) {
            return value >= range->low - classified.slack && value <= range->high + classified.slack;
        });
        QVERIFY2(inside != lawException(classified.name, z), qPrintable(QStringLiteral("%1: %2 in %3 to %4")
                     .arg(z).arg(values.value(0)).arg(range->low).arg(range->high)));
    }
}

QTEST_APPLESS_MAIN(TestReferenceTables)
#include "tst_referencetables.moc"
