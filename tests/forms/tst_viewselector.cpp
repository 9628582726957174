// SPDX-License-Identifier: GPL-3.0-or-later
// The views through the real window: the cells' colours, the one legend and the caption of every
// view; a view applied again changes nothing; "Propriedades" restores the start; the group-numbering
// switch; a start element that really is drawn at random.
#include "ColourText.h"
#include "FormTestSupport.h"
#include "Legends.h"
#include "Views.h"
#include "platform/BgrColour.h"

#include <QLabel>
#include <QPushButton>
#include <set>

namespace {

platform::EventComboBox* viewList(const frm1& window) {
    return list(window, "cmbTab");
}

// Selects the view by its entry text; false if the list has no such entry.
bool chooseView(const frm1& window, const QString& name) {
    const int index = viewList(window)->findText(name);
    if (index >= 0)
        viewList(window)->setListIndex(index);
    return index >= 0;
}

std::vector<std::uint32_t> cellColours(const frm1& window) {
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < 118; ++i)
        colours.push_back(platform::toBgr(cell(window, i)->backColor()));
    return colours;
}

// Caption and text colour of every cell.
QStringList cellLooks(const frm1& window) {
    QStringList looks;
    for (int i = 0; i < 118; ++i)
        looks << cell(window, i)->text() + QString::number(cell(window, i)->palette().color(QPalette::WindowText).rgb());
    return looks;
}

// The one visible legend panel, -1 for none; -2 if more than one shows.
int visibleLegend(const frm1& window) {
    int shown = -1;
    for (int n = 0; n < legends::kPanelCount; ++n)
        if (child(window, QStringLiteral("pctLeg(%1)").arg(n))->isVisibleTo(&window))
            shown = shown == -1 ? n : -2;
    return shown;
}

QStringList headings(const frm1& window) {
    QStringList captions;
    for (int n = 0; n < 38; ++n)
        captions << child<QLabel>(window, QStringLiteral("lblfamilia(%1)").arg(n))->text();
    return captions;
}

} // namespace

class TestViewSelector : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyViewColoursTheCellsAndShowsItsLegend_data();
    void everyViewColoursTheCellsAndShowsItsLegend();
    void viewAppliedAgainChangesNothing();
    void anySequenceEndsInTheStartColours();
    void entryWithoutViewKeepsColours();
    void latticeViewReadsTheSwatches();
    void groupNumberingSwitch();
    void startElementIsDrawnAtRandom();

  private:
    std::unique_ptr<frm1> window_;
    std::vector<std::uint32_t> startColours_;
};

void TestViewSelector::initTestCase() {
    window_ = makeWindow();
    startColours_ = cellColours(*window_);
}

void TestViewSelector::everyViewColoursTheCellsAndShowsItsLegend_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("legend"); // -1: none
    // clang-format off
    const std::pair<const char*, int> views[] = {
        {"Actinídios", 0}, {"Aluminóides", -1}, {"Blocos s, p, d, f", 5}, {"Calcogênios", -1},
        {"Carbonóides", -1}, {"Condutividade Térmica a 300K", 8}, {"Data da Descoberta", 3},
        {"Efeito Biológico", 1}, {"Estado a 25°C", 2}, {"Estado a 700°C", 2}, {"Gases Nobres", 0},
        {"Halogênios", 0}, {"Lantanídeos", 0}, {"Metais Alcalinos", 0}, {"Metais Alcalinos-Terrosos", 0},
        {"Metais Duros ou Dúcteis", 0}, {"Metais Maleáveis", 0}, {"Não-Metais (Ametais)", 0},
        {"Nitrogenóides - Pnictogênios", -1}, {"Número Atômico", -1}, {"Propriedades", 0},
        {"Raio Atômico", 7}, {"Rede Cristalográfica", 6}, {"Semi-Metais (Metalóides)", 0},
        {"Supercondutores em Baixas Temperaturas", 4}, {"Terras Raras", -1}};
    // clang-format on
    for (const auto& [name, legend] : views)
        QTest::newRow(name) << QString::fromUtf8(name) << legend;
}

void TestViewSelector::everyViewColoursTheCellsAndShowsItsLegend() {
    QFETCH(QString, name);
    QFETCH(int, legend);
    // Leave the view first, so that this one is applied from another.
    chooseView(*window_, name == QLatin1String("Gases Nobres") ? "Halogênios" : "Gases Nobres");
    const QStringList looks = cellLooks(*window_);
    QVERIFY(chooseView(*window_, name));
    QCOMPARE(window_->windowTitle(), QStringLiteral(" Orvane - ") + name);
    QCOMPARE(visibleLegend(*window_), legend);
    const views::WindowColours start{[this](int i) { return std::to_string(startColours_[i]); },
                                     [](int swatch) -> std::optional<std::uint32_t> {
                                         for (const legends::Row& row : legends::rows())
                                             if (row.swatch == swatch)
                                                 return row.colour;
                                         return std::nullopt;
                                     }};
    const views::CellColours expected = views::cellColours(*views::findView(name.toStdString()), start);
    const std::vector<std::uint32_t> actual = cellColours(*window_);
    for (int i = 0; i < 118; ++i)
        QCOMPARE(actual[i], expected[i].value());
    QCOMPARE(cellLooks(*window_), looks);
}

void TestViewSelector::viewAppliedAgainChangesNothing() {
    QVERIFY(chooseView(*window_, "Raio Atômico"));
    cell(*window_, 5)->setBackColor(Qt::red);
    child(*window_, "pctLeg(3)")->show();
    window_->setWindowTitle(QStringLiteral("x"));
    QVERIFY(chooseView(*window_, "Raio Atômico"));
    QCOMPARE(cell(*window_, 5)->backColor(), QColor(Qt::red));
    QVERIFY(child(*window_, "pctLeg(3)")->isVisibleTo(window_.get()));
    QCOMPARE(window_->windowTitle(), QStringLiteral("x"));
    // The next view from "Propriedades" is "Raio Atômico"; the buttons stop at the ends.
    QVERIFY(chooseView(*window_, "Propriedades"));
    child<QPushButton>(*window_, "cmdP2")->click();
    QCOMPARE(viewList(*window_)->currentText(), QStringLiteral("Raio Atômico"));
}

void TestViewSelector::anySequenceEndsInTheStartColours() {
    RandomSource random(3);
    const QStringList looks = cellLooks(*window_);
    for (int round = 0; round < 40; ++round)
        viewList(*window_)->setListIndex(random.nearestOfScaled(25));
    QVERIFY(chooseView(*window_, "Número Atômico"));
    QVERIFY(chooseView(*window_, "Propriedades"));
    QVERIFY(cellColours(*window_) == startColours_);
    QCOMPARE(visibleLegend(*window_), 0);
    QCOMPARE(cellLooks(*window_), looks);
    QCOMPARE(highlightedCount(*window_), 1);
}

void TestViewSelector::entryWithoutViewKeepsColours() {
    QVERIFY(chooseView(*window_, "Número Atômico"));
    const std::vector<std::uint32_t> before = cellColours(*window_);
    viewList(*window_)->addItem(QStringLiteral("Tabela Nova"));
    QVERIFY(chooseView(*window_, "Tabela Nova"));
    QVERIFY(cellColours(*window_) == before);
    QCOMPARE(visibleLegend(*window_), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral(" Orvane - Tabela Nova"));
    viewList(*window_)->removeItem(viewList(*window_)->count() - 1);
    QVERIFY(chooseView(*window_, "Propriedades"));
}

void TestViewSelector::latticeViewReadsTheSwatches() {
    auto* swatch = child<QLabel>(*window_, "lblLegenda(35)"); // "Hexagonal Composta"
    const QPalette original = swatch->palette();
    QPalette changed = original;
    changed.setColor(QPalette::Window, QColor(1, 2, 3));
    swatch->setPalette(changed);
    QVERIFY(chooseView(*window_, "Rede Cristalográfica"));
    QCOMPARE(cell(*window_, 0)->backColor(), QColor(1, 2, 3));
    swatch->setPalette(original);
    QCOMPARE(child<QLabel>(*window_, "lblClass(25)")->text(), QStringLiteral("Supercondutores sob pressão"));
    QVERIFY(child<QLabel>(*window_, "lblClass(25)")->wordWrap());
    QVERIFY(chooseView(*window_, "Propriedades"));
}

void TestViewSelector::groupNumberingSwitch() {
    auto* families = child<QPushButton>(*window_, "optCol(0)");
    auto* iupac = child<QPushButton>(*window_, "optCol(1)");
    auto* wide = child(*window_, "lblfamilia(36)");
    auto* bracket = child(*window_, "lblfamilia(37)");
    window_->show();
    const QStringList start = headings(*window_);
    QCOMPARE(start.mid(0, 3), (QStringList{"1", "2", "3"}));
    QCOMPARE(start.mid(18, 3), (QStringList{"1A", "2A", "3B"}));
    child(*window_, "cmbN")->setFocus();
    families->click();
    families->click(); // the chosen option again: nothing is lost
    const QStringList switched = headings(*window_);
    QCOMPARE(switched.mid(7, 3), (QStringList{"8B", "8B", "8B"}));
    QCOMPARE(switched.mid(0, 18), start.mid(18, 18));
    QCOMPARE(switched[35], QStringLiteral("18"));
    QVERIFY(!wide->isVisible() && bracket->isVisible());
    QCOMPARE(window_->focusWidget(), child(*window_, "txtBusca"));
    iupac->click();
    iupac->click();
    QCOMPARE(headings(*window_), start);
    QVERIFY(wide->isVisible() && !bracket->isVisible());
    // Any other index changes no caption but still hands the focus to the search box.
    child(*window_, "cmbN")->setFocus();
    window_->optCol_Click(2);
    QCOMPARE(headings(*window_), start);
    QCOMPARE(window_->focusWidget(), child(*window_, "txtBusca"));
}

void TestViewSelector::startElementIsDrawnAtRandom() {
    std::set<int> starts;
    for (int copy = 0; copy < 6; ++copy)
        starts.insert(frm1().selectedIndex());
    QVERIFY(starts.size() > 1);
}

QTEST_MAIN(TestViewSelector)
#include "tst_viewselector.moc"
