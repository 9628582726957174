// SPDX-License-Identifier: GPL-3.0-or-later
// The views through the real window: a view applied again, or an entry that names no view,
// changes no colour; the group-numbering switch; a start element drawn at random. (What each view
// paints, "Propriedades" after any other, and that any path of views ends looking as a fresh window
// does, are checked where the window is painted.)
#include "FormTestSupport.h"
#include "data/Views.h"
#include "platform/BgrColour.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QPushButton>
#include <set>

namespace {

bool chooseView(const frm1& window, const QString& name) {
    const int index = list(window, "cmbTab")->findText(name);
    if (index >= 0)
        list(window, "cmbTab")->setListIndex(index);
    return index >= 0;
}

// Background, caption and text colour of every cell.
struct Cells {
    std::vector<std::uint32_t> colours;
    QStringList looks;
};
Cells cells(const frm1& window) {
    Cells now;
    for (int i = 0; i < 118; ++i) {
        now.colours.push_back(platform::toBgr(table(window)->backColor(i)));
        now.looks << table(window)->text(i) + table(window)->textColour(i).name();
    }
    return now;
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
        captions << table(window)->headingText(n);
    return captions;
}

} // namespace

class TestViewSelector : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { start_ = cells(*window_); }
    void repeatedOrUnknownEntryKeepsTheColours();
    void groupNumberingSwitch();
    void startElementIsDrawnAtRandom();

  private:
    std::unique_ptr<frm1> window_ = makeWindow();
    Cells start_;
};



void TestViewSelector::repeatedOrUnknownEntryKeepsTheColours() {
    QVERIFY(chooseView(*window_, "Raio Atômico"));
    table(*window_)->setBackColor(5, Qt::red);
    child(*window_, "pctLeg(3)")->show();
    window_->setWindowTitle(QStringLiteral("x"));
    QVERIFY(chooseView(*window_, "Raio Atômico")); // the applied view: nothing at all changes
    QCOMPARE(table(*window_)->backColor(5), QColor(Qt::red));
    QCOMPARE(visibleLegend(*window_), -2);
    QCOMPARE(window_->windowTitle(), QStringLiteral("x"));
    // An entry that names no view keeps every colour, shows the families legend, names itself.
    list(*window_, "cmbTab")->addItem(QStringLiteral("Tabela Nova"));
    QVERIFY(chooseView(*window_, "Tabela Nova"));
    QCOMPARE(table(*window_)->backColor(5), QColor(Qt::red));
    QCOMPARE(visibleLegend(*window_), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral(" Orvane - Tabela Nova"));
    list(*window_, "cmbTab")->removeItem(26);
    // The lattice view reads its colours from the swatches as they are now. The swatches are
    // built when their panel first shows on screen.
    window_->show();
    QVERIFY(chooseView(*window_, "Rede Cristalográfica"));
    auto* swatch = child<QLabel>(*window_, "lblLegenda(35)"); // "Hexagonal Composta"
    QPalette changed = swatch->palette();
    changed.setColor(QPalette::Window, QColor(1, 2, 3));
    swatch->setPalette(changed);
    QVERIFY(chooseView(*window_, "Raio Atômico"));
    QVERIFY(chooseView(*window_, "Rede Cristalográfica"));
    QCOMPARE(table(*window_)->backColor(0), QColor(1, 2, 3));
    changed.setColor(QPalette::Window, platform::bgrColour(*legends::swatchColour(35)));
    swatch->setPalette(changed);
    window_->hide();
}


void TestViewSelector::groupNumberingSwitch() {
    // (What each numbering shows is compared where it is painted.) Choosing the chosen option
    // again loses no family name; any other index changes nothing; the focus goes to the search box.
    window_->show();
    const QStringList start = headings(*window_);
    child(*window_, "cmbN")->setFocus();
    child<QPushButton>(*window_, "optCol(0)")->click();
    child<QPushButton>(*window_, "optCol(0)")->click();
    QCOMPARE(headings(*window_).mid(0, 18), start.mid(18, 18));
    QCOMPARE(window_->focusWidget(), child(*window_, "txtBusca"));
    child<QPushButton>(*window_, "optCol(1)")->click();
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
