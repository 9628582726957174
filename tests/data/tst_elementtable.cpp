// SPDX-License-Identifier: GPL-3.0-or-later
// The element table: the fixed rows (given/element-rows.csv), the names (layout/cells.csv), the
// markers, out-of-range lookups, and the rules that make the 118 records hold together (shells,
// configuration, orbital, CAS check digits, text forms).
#include "CsvTable.h"
#include "ElementFields.h"
#include "data/ElementTable.h"

#include <QtTest>
#include <map>
#include <optional>
#include <set>
#include <regex>

using TPDEQ::ElementRecord;
using TPDEQ::GetElementRecord;
using Field = TPDEQ::ElementField;

namespace {

ElementRecord record(int z) {
    const auto found = GetElementRecord(std::int16_t(z));
    if (!found)
        qFatal("no record for %d", z);
    return *found;
}

// The rows the program's given tables write out in full, kept exactly as given.
const QList<CsvRow>& givenRows() {
    static const QList<CsvRow> rows = readCsv(QStringLiteral(ORVANE_GIVEN_DIR "/element-rows.csv"));
    return rows;
}

// Fields that the table stores with a deliberate trailing blank: (Z, field).
bool trailingBlankAllowed(int z, Field field) {
    if (field == Field::ionizationEnergy)
        return z == 85 || z >= 103;
    return (z == 115 && field == Field::shells) || (z == 55 && field == Field::ionicRadius);
}

struct Subshell {
    int shell;
    char kind;
    int electrons;
};

int capacity(char kind) {
    switch (kind) {
    case 's':
        return 2;
    case 'p':
        return 6;
    case 'd':
        return 10;
    case 'f':
        return 14;
    }
    return 0;
}

// Splits "5f14,6d10,7s27p1" into subshells. The occupancy digits stop where the next subshell's
// shell number begins ("7s27p1" is 7s2 and 7p1), which the capacity of the subshell decides.
std::vector<Subshell> parseSubshells(const std::string& text) {
    std::vector<Subshell> result;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ',') {
            ++at;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(text[at])) || at + 1 >= text.size())
            return {};
        Subshell sub{text[at] - '0', text[at + 1], 0};
        if (capacity(sub.kind) == 0)
            return {};
        at += 2;
        std::size_t digits = 0;
        while (at + digits < text.size() && std::isdigit(static_cast<unsigned char>(text[at + digits])))
            ++digits;
        // Take as many digits as still make a possible occupancy.
        int value = 0;
        std::size_t used = 0;
        while (used < digits) {
            const int next = value * 10 + (text[at + used] - '0');
            if (next > capacity(sub.kind) || (used > 0 && value == 0))
                break;
            value = next;
            ++used;
        }
        if (used == 0 || value == 0)
            return {};
        sub.electrons = value;
        result.push_back(sub);
        at += used;
    }
    return result;
}

// The configuration with its noble-gas core written out.
std::vector<Subshell> expandConfiguration(const std::string& configuration) {
    static const std::map<std::string, int> cores = {{"[He]", 2},  {"[Ne]", 10}, {"[Ar]", 18},
                                                     {"[Kr]", 36}, {"[Xe]", 54}, {"[Rn]", 86}};
    if (configuration.empty() || configuration[0] != '[')
        return parseSubshells(configuration);
    const auto close = configuration.find("] ");
    if (close == std::string::npos)
        return {};
    const auto core = cores.find(configuration.substr(0, close + 1));
    if (core == cores.end())
        return {};
    std::vector<Subshell> result = expandConfiguration(record(core->second)[Field::configuration]);
    const auto outer = parseSubshells(configuration.substr(close + 2));
    if (outer.empty())
        return {};
    result.insert(result.end(), outer.begin(), outer.end());
    return result;
}

std::vector<int> parseShells(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    std::vector<int> shells;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        shells.push_back(std::stoi(item));
    return shells;
}

bool validCas(const std::string& cas) {
    static const std::regex form(R"(\d{2,7}-\d{2}-\d)");
    if (!std::regex_match(cas, form))
        return false;
    std::string digits;
    for (char c : cas)
        if (c != '-')
            digits += c;
    const int check = digits.back() - '0';
    int sum = 0;
    int weight = 1;
    for (auto it = digits.rbegin() + 1; it != digits.rend(); ++it, ++weight)
        sum += weight * (*it - '0');
    return sum % 10 == check;
}

} // namespace

class TestElementTable : public QObject {
    Q_OBJECT
  private slots:
    void tellingRows_data();
    void tellingRows();
    void markers();
    void outOfRange();
    void lookupsAreIndependent();
    void namesAndNumbers();
    void massForms();
    void shellsAddUpToZ();
    void configurationHoldsZElectronsAndMatchesShells();
    void orbitalIsASubshellOfTheConfiguration();
    void casCheckDigits();
    void noEmptyFieldsNoStrayBlanks();
    void decimalPointNeverComma();
    void physicalConsistency();
    void oneNotationPerColumn();
};

void TestElementTable::tellingRows_data() {
    QTest::addColumn<int>("row");
    for (int n = 0; n < givenRows().size(); ++n)
        QTest::addRow("%s %s", qPrintable(givenRows()[n].value("atomicNumber")),
                      qPrintable(givenRows()[n].value("englishName")))
            << n;
}

void TestElementTable::tellingRows() {
    QFETCH(int, row);
    QCOMPARE(givenRows().size(), 8);
    const CsvRow& given = givenRows()[row];
    const ElementRecord shownRow = record(given.value("atomicNumber").toInt());
    QCOMPARE(int(shownRow.size()), 20);
    for (int field = 0; field < 20; ++field) {
        const QString shown = QString::fromStdString(shownRow[field]);
        QVERIFY2(shown == given.value(kFieldNames[field]),
                 qPrintable(kFieldNames[field] + ": '" + shown + "', given '" +
                            given.value(kFieldNames[field]) + "'"));
    }
}

void TestElementTable::markers() {
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        const bool blankMarker = z == 85 || z >= 103;
        QVERIFY2((row[Field::ionizationEnergy] == "--- ") == blankMarker, qPrintable(QString::number(z)));
        if (blankMarker) {
            QVERIFY(row[Field::ionizationEnergy] != "---");
            QCOMPARE(row[Field::conductivity], std::string("---"));
        }
        const bool noOrbital = z == 101 || z == 108 || z == 109 || z >= 112;
        QVERIFY2((row[Field::orbital] == "---") == noOrbital, qPrintable(QString::number(z)));
        QVERIFY2((row[Field::atomicMass] == "---") == (z == 117), qPrintable(QString::number(z)));
        QVERIFY2((row[Field::discovery] == "---") == (z == 117), qPrintable(QString::number(z)));
    }
    QCOMPARE(record(115)[Field::shells], std::string("2,8,18,32,32,18,5 "));
}

void TestElementTable::outOfRange() {
    for (int z : {0, -1, 119, 120, -32768, 32767})
        QVERIFY2(!GetElementRecord(std::int16_t(z)).has_value(), qPrintable(QString::number(z)));
    QVERIFY(GetElementRecord(1).has_value());
    QVERIFY(GetElementRecord(118).has_value());
}

void TestElementTable::lookupsAreIndependent() {
    auto first = GetElementRecord(26);
    const auto second = GetElementRecord(26);
    QVERIFY(first && second);
    QCOMPARE(*first, *second);
    (*first)[Field::name] = "changed";
    (*first)[Field::density].clear();
    QCOMPARE((*second)[Field::name], std::string("Ferro"));
    QCOMPARE((*GetElementRecord(26))[Field::name], std::string("Ferro"));
    QCOMPARE((*GetElementRecord(26))[Field::density], std::string("7.86 g/cm³"));
}

void TestElementTable::namesAndNumbers() {
    const QList<CsvRow> cells = readCsv(QStringLiteral(ORVANE_LAYOUT_DIR "/cells.csv"));
    QCOMPARE(cells.size(), 118);
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        const QString name = QString::fromStdString(row[Field::name]);
        QCOMPARE(cells[z - 1].value("z"), QString::number(z));
        QVERIFY2(
            name == cells[z - 1].value("name"),
            qPrintable(QStringLiteral("%1: %2, cells.csv %3").arg(z).arg(name, cells[z - 1].value("name"))));
        QCOMPARE(row[Field::atomicNumber], std::to_string(z));
    }
}

void TestElementTable::massForms() {
    static const std::regex uncertain(R"(\d+\.\d+\(\d+\))");
    static const std::regex bracketed(R"(\[\d+(\.\d+)?\])");
    static const std::regex plain(R"(\d+(\.\d+)?)");
    int uncertainCount = 0;
    for (int z = 1; z <= 118; ++z) {
        const std::string mass = record(z)[Field::atomicMass];
        const bool isBracketed = z == 43 || z == 61 || (z >= 84 && z <= 89) || z == 116 || z == 118;
        const bool isPlain = z >= 93 && z <= 115 && z != 116;
        const QByteArray where = QByteArray::number(z) + ": " + QByteArray::fromStdString(mass);
        if (isBracketed)
            QVERIFY2(std::regex_match(mass, bracketed), where);
        else if (isPlain)
            QVERIFY2(std::regex_match(mass, plain), where);
        else if (z != 117)
            QVERIFY2(std::regex_match(mass, uncertain), where);
        uncertainCount += std::regex_match(mass, uncertain);
    }
    QCOMPARE(uncertainCount, 84);
}

void TestElementTable::shellsAddUpToZ() {
    for (int z = 1; z <= 118; ++z) {
        const auto shells = parseShells(record(z)[Field::shells]);
        QVERIFY2(!shells.empty() && shells.size() <= 7, qPrintable(QString::number(z)));
        QCOMPARE(std::accumulate(shells.begin(), shells.end(), 0), z);
    }
}

void TestElementTable::configurationHoldsZElectronsAndMatchesShells() {
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        const std::string& configuration = row[Field::configuration];
        const QByteArray where = QByteArray::number(z) + ": " + QByteArray::fromStdString(configuration);
        // Full forms for 1, 2 and 5 to 10, a noble-gas core for the others.
        const bool fullForm = z <= 2 || (z >= 5 && z <= 10);
        QVERIFY2(fullForm == (configuration[0] != '['), where);
        // Only 113 to 118 join their last two subshells without a comma.
        const bool joined = std::regex_search(configuration, std::regex(R"(s2\dp)"));
        QVERIFY2(joined == (z >= 113), where);

        const auto subshells = expandConfiguration(configuration);
        QVERIFY2(!subshells.empty(), where);
        std::vector<int> perShell(8, 0);
        int total = 0;
        for (const Subshell& sub : subshells) {
            QVERIFY2(sub.shell >= 1 && sub.shell <= 7 && sub.electrons <= capacity(sub.kind), where);
            perShell[sub.shell] += sub.electrons;
            total += sub.electrons;
        }
        QVERIFY2(total == z, where);
        const auto shells = parseShells(row[Field::shells]);
        for (std::size_t n = 0; n < shells.size(); ++n)
            QVERIFY2(perShell[n + 1] == shells[n], where);
    }
}

void TestElementTable::orbitalIsASubshellOfTheConfiguration() {
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        if (row[Field::orbital] == "---")
            continue;
        const auto orbital = parseSubshells(row[Field::orbital]);
        QVERIFY2(orbital.size() == 1, qPrintable(QString::number(z)));
        const auto subshells = expandConfiguration(row[Field::configuration]);
        const bool found = std::any_of(subshells.begin(), subshells.end(), [&](const Subshell& sub) {
            return sub.shell == orbital[0].shell && sub.kind == orbital[0].kind &&
                   sub.electrons == orbital[0].electrons;
        });
        QVERIFY2(found, qPrintable(QString::number(z)));
    }
}

void TestElementTable::casCheckDigits() {
    QVERIFY(validCas("7439-89-6"));
    QVERIFY(!validCas("7439-89-5"));
    for (int z = 1; z <= 118; ++z)
        QVERIFY2(validCas(record(z)[Field::casNumber]), qPrintable(QString::number(z)));
}

void TestElementTable::noEmptyFieldsNoStrayBlanks() {
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        for (std::size_t field = 0; field < row.size(); ++field) {
            const std::string& value = row[field];
            const QByteArray where = QByteArray::number(z) + "/" + QByteArray::number(qulonglong(field)) +
                                     ": '" + QByteArray::fromStdString(value) + "'";
            QVERIFY2(!value.empty(), where);
            QVERIFY2(value.front() != ' ', where);
            QVERIFY2(value.find("  ") == std::string::npos, where);
            QVERIFY2(value.find('\t') == std::string::npos, where);
            if (trailingBlankAllowed(z, Field(field)))
                QVERIFY2(value.back() == ' ' && value[value.size() - 2] != ' ', where);
            else
                QVERIFY2(value.back() != ' ', where);
        }
    }
}

void TestElementTable::decimalPointNeverComma() {
    // Commas only separate list items (shells, subshells); measured values use the point.
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        for (Field field :
             {Field::atomicMass, Field::meltingPoint, Field::boilingPoint, Field::density,
              Field::covalentRadius, Field::ionicRadius, Field::atomicRadius, Field::atomicVolume,
              Field::electronegativity, Field::ionizationEnergy, Field::conductivity})
            QVERIFY2(row[field].find(',') == std::string::npos, qPrintable(QString::number(z)));
    }
}

namespace {

// The number a measured value starts with ("1535 °C", "-38.83 °C", "[98.9072]"), if it is one.
std::optional<double> leadingNumber(const std::string& text) {
    static const std::regex number(R"(^\[?(-?\d+(\.\d+)?))");
    std::smatch match;
    if (!std::regex_search(text, match, number))
        return std::nullopt;
    return std::stod(match[1]);
}

// The radius of the ion of this charge in "0.64E+3 / 0.76E+2", if listed.
std::optional<double> ionRadius(const std::string& text, const std::string& charge) {
    const auto at = text.find("E" + charge);
    if (at == std::string::npos || at < 4)
        return std::nullopt;
    return std::stod(text.substr(at - 4, 4));
}

bool exampleRow(int z) {
    return std::any_of(givenRows().begin(), givenRows().end(),
                       [z](const CsvRow& row) { return row.value("atomicNumber").toInt() == z; });
}

} // namespace

void TestElementTable::physicalConsistency() {
    const std::set<int> gases = {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86};
    for (int z = 1; z <= 118; ++z) {
        const ElementRecord row = record(z);
        const QByteArray where = QByteArray::number(z);
        // The atomic volume is the molar mass over the density of the solid or liquid, to one
        // decimal; without a density there is no volume.
        const auto mass = leadingNumber(row[Field::atomicMass]);
        const auto density = leadingNumber(row[Field::density]);
        const auto volume = leadingNumber(row[Field::atomicVolume]);
        if (!gases.count(z) && !exampleRow(z) && mass && density) {
            QVERIFY2(volume, where);
            QVERIFY2(std::abs(*volume - *mass / *density) <= 0.05 + 1e-9, where);
        }
        if (!density)
            QVERIFY2(row[Field::atomicVolume] == "---", where);
    }
    // The radius of the 3+ ion shrinks smoothly across the lanthanides, about 0.01 Å a step.
    std::optional<double> previous;
    for (int z = 57; z <= 71; ++z) {
        const auto radius = ionRadius(record(z)[Field::ionicRadius], "+3");
        QVERIFY2(radius, QByteArray::number(z));
        if (previous)
            QVERIFY2(*radius <= *previous && *previous - *radius <= 0.03, QByteArray::number(z));
        previous = radius;
    }
}

void TestElementTable::oneNotationPerColumn() {
    // clang-format off
    const std::pair<Field, const char*> columns[] = {
        {Field::ionicRadius,       R"(^(---|\d\.\d\dE[+-]\d( / \d\.\d\dE[+-]\d)*)$)"},
        {Field::electronegativity, R"(^(---|\d\.\d\d)$)"},
        {Field::atomicVolume,      R"(^(---|\d+\.\d cm³/mol)$)"},
        {Field::conductivity,      R"(^(---|\d+(\.\d+)?|0\.\d+E-\d\d)$)"},
        {Field::covalentRadius,    R"(^(---|\d\.\d\d Å)$)"},
    };
    // clang-format on
    for (const auto& [field, form] : columns) {
        const std::regex notation(form);
        for (int z = 1; z <= 118; ++z) {
            std::string value = record(z)[field];
            if (trailingBlankAllowed(z, field) && value.ends_with(' '))
                value.pop_back();
            QVERIFY2(std::regex_match(value, notation) || exampleRow(z),
                     qPrintable(QStringLiteral("%1: %2").arg(z).arg(QString::fromStdString(value))));
        }
    }
}

QTEST_APPLESS_MAIN(TestElementTable)
#include "tst_elementtable.moc"
