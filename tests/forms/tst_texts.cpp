// SPDX-License-Identifier: GPL-3.0-or-later
// Every tool tip of every window, control by control, against one table written out here; and the
// picture controls that a screen reader knows by their tool tip.
#include "data/ElementTable.h"
#include "FormTestSupport.h"
#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"

#include <QAccessible>

namespace {

struct Tip {
    const char* window;
    const char* control; // "name(*)": every member of the control array
    const char* toolTip;
    bool namesIt = false; // the control shows a picture and is announced by its tool tip
};

constexpr const char* kDegrees = "grau(s) Celsius";
constexpr const char* kAngstrom = "1 Angström (Å) = 1E-10 m = 10^(-10) m";
constexpr const char* kMass =
    "Valores incertos estão entre parênteses. Entre colchetes, valores do isótopo mais "
    "estável. O valores têm como referência o isótopo 12 do carbono";

// The element cells, lbl(*), read their atomic number, " - " and the element's name. Controls not
// listed have no tool tip; the report, About and information windows have none at all.
// clang-format off
const Tip kTips[] = {
    {"frm1", "lblSimb",        "Símbolo"},
    {"frm1", "lblA",           "Massa Atômica"},
    {"frm1", "lblZ",           "Número Atômico"},
    {"frm1", "imgLogo",        "Clique!", true},
    {"frm1", "cmbTab",         "Selecione a tabela que deseja ver"},
    {"frm1", "chkOnTop",       "Sempre Visível", true},
    {"frm1", "cmdRel",         "Exibe os dados como um relatório", true},
    {"frm1", "cmdAni",         "Animar", true},
    {"frm1", "cmdSimb1",       "Mostrar somente os símbolos dos elementos", true},
    {"frm1", "cmdSimb2",       "Mostrar nº. de oxidação", true},
    {"frm1", "txtBusca",       "Digite o nome (pode ser em inglês), o  nº de oxidação ou o símbolo do elemento e "
                               "aperte \"Enter\""},
    {"frm1", "cmdBusca",       "Localizar", true},
    {"frm1", "cmbN",           "Selecione um Elemento"},
    {"frm1", "optCol(0)",      "Famílias"},
    {"frm1", "optCol(1)",      "IUPAC"},
    {"frm1", "lblPeriodo(*)",  "Períodos"},
    {"frm1", "lblfamilia(*)",  "Grupos"},
    {"frm1", "lblNome(1)",     "Nº de oxidação"},
    {"frm1", "lblNome(2)",     kMass},
    {"frm1", "txtValor(2)",    kMass},
    {"frm1", "lblNome(3)",     "K , L , M , N , O , P , Q"},
    {"frm1", "txtValor(3)",    "K , L , M , N , O , P , Q"},
    {"frm1", "lblNome(6)",     kDegrees},
    {"frm1", "txtValor(6)",    kDegrees},
    {"frm1", "lblNome(7)",     kDegrees},
    {"frm1", "txtValor(7)",    kDegrees},
    {"frm1", "lblNome(8)",     "grama(s) / centímetro(s) cúbico(s)"},
    {"frm1", "txtValor(8)",    "grama(s) / centímetro(s) cúbico(s)"},
    {"frm1", "lblNome(9)",     kAngstrom},
    {"frm1", "txtValor(9)",    kAngstrom},
    {"frm1", "lblNome(10)",    "Angström (Å) ou 1E-10 m"},
    {"frm1", "txtValor(10)",   "Angström (Å) ou 1E-10 m"},
    {"frm1", "lblNome(11)",    kAngstrom},
    {"frm1", "txtValor(11)",   kAngstrom},
    {"frm1", "lblNome(12)",    "centímetro(s) cúbico(s) / mol"},
    {"frm1", "txtValor(12)",   "centímetro(s) cúbico(s) / mol"},
    {"frm1", "lblNome(13)",    "Escala de Linus Pauling"},
    {"frm1", "txtValor(13)",   "Escala de Linus Pauling "},
    {"frm1", "lblNome(14)",    "Volts"},
    {"frm1", "txtValor(14)",   "Volts"},
    {"frm1", "lblNome(15)",    "E+6 / ohm(s) / metro(s)"},
    {"frm1", "txtValor(15)",   "E+6 / ohm(s) / metro(s)"},
    {"frm1", "lblNome(20)",    "Condições normais de temperatura e pressão = 0 °C e 1atm"},
    {"frm1", "txtValor(20)",   "Condições normais de temperatura e pressão = 0 °C e 1atm"},
    // The four arrow buttons have no given tool tip; they carry one so that they have a name.
    {"frm1", "cmdA2",          "Tabela anterior", true},
    {"frm1", "cmdP2",          "Próxima tabela", true},
    {"frm1", "cmdA",           "Elemento anterior", true},
    {"frm1", "cmdP",           "Próximo elemento", true},
};
// clang-format on

const Tip* findTip(const QString& window, const QString& control) {
    const QString array = control.section(QLatin1Char('('), 0, 0) + QStringLiteral("(*)");
    for (const Tip& tip : kTips)
        if (window == QLatin1String(tip.window) &&
            (control == QLatin1String(tip.control) || array == QLatin1String(tip.control)))
            return &tip;
    return nullptr;
}

QString expectedTip(const QString& window, const QString& control) {
    static const QRegularExpression cellName(QStringLiteral("^lbl\\((\\d+)\\)$"));
    if (const auto cell = cellName.match(control); window == QLatin1String("frm1") && cell.hasMatch()) {
        const int z = cell.captured(1).toInt() + 1;
        const std::string_view name = TPDEQ::ElementText(std::int16_t(z), TPDEQ::ElementField::name);
        return QStringLiteral("%1 - %2").arg(z).arg(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    const Tip* tip = findTip(window, control);
    return tip ? QString::fromUtf8(tip->toolTip) : QString();
}

} // namespace

class TestTexts : public QObject {
    Q_OBJECT
  private slots:
    void everyToolTip_data();
    void everyToolTip();
};

void TestTexts::everyToolTip_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"frm1", "frm3", "frmSobre", "frm2"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestTexts::everyToolTip() {
    QFETCH(QString, window);
    const auto main = makeWindow();
    std::unique_ptr<QWidget> other;
    if (window == QLatin1String("frm3"))
        other = std::make_unique<frm3>(main.get());
    else if (window == QLatin1String("frmSobre"))
        other = std::make_unique<frmSobre>(main.get());
    else if (window == QLatin1String("frm2"))
        other = std::make_unique<frm2>(main.get());
    QWidget* shown = other ? other.get() : main.get();
    QCOMPARE(shown->objectName(), window);

    QSet<QString> listed;
    for (QWidget* control : shown->findChildren<QWidget*>()) {
        if (control->window() != shown)
            continue; // another window parented to this one
        const QString name = control->objectName();
        QVERIFY2(!name.isEmpty() || control->toolTip().isEmpty(), qPrintable(control->toolTip()));
        QCOMPARE(control->toolTip(), expectedTip(window, name));
        const Tip* tip = findTip(window, name);
        if (!tip)
            continue;
        listed.insert(QString::fromLatin1(tip->control));
        if (tip->namesIt) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(tip->toolTip));
        }
    }
    // The drawn table's parts: each shows its tool tip where the pointer rests on it.
    if (shown == main.get()) {
        const PeriodicTable& drawn = *table(*main);
        const struct {
            const char* name;
            int count;
        } arrays[] = {{"lbl", PeriodicTable::kCellCount},
                      {"lblPeriodo", PeriodicTable::kPeriodCount},
                      {"lblfamilia", PeriodicTable::kHeadingCount}};
        for (const auto& array : arrays) {
            for (int n = 0; n < array.count; ++n) {
                const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array.name)).arg(n);
                const auto part = tablePart(*main, name);
                QVERIFY2(part, qPrintable(name));
                QCOMPARE(part->toolTip, expectedTip(window, name));
                const auto pointed = drawn.partAt(part->place.center());
                QVERIFY2(pointed, qPrintable(name));
                QCOMPARE(pointed->toolTip, expectedTip(window, name));
                if (const Tip* tip = findTip(window, name))
                    listed.insert(QString::fromLatin1(tip->control));
            }
        }
    }
    // Every row of the table names a control the window has.
    int rows = 0;
    for (const Tip& tip : kTips)
        rows += window == QLatin1String(tip.window);
    QCOMPARE(int(listed.size()), rows);
}

QTEST_MAIN(TestTexts)
#include "tst_texts.moc"
