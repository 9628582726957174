// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built: places and colours against the given numbers, the start-up state,
// the sorted view list, the caption modes, maximise and restore.
#include "CellGrid.h"
#include "FormTestSupport.h"
#include "platform/Fonts.h"
#include "platform/BgrColour.h"
#include "forms/main/MainLayout.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

using platform::twipsRect;

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void places_data();
    void places();
    void cellColours_data();
    void cellColours();
    void defaultColoursAreRemembered();
    void startUpState();
    void elementListAndToolTips();
    void viewListIsSortedByCollation();
    void viewSelectorRunsOnlyOnChange();
    void viewButtonsStopAtTheEnds();
    void symbolButtons();
    void maximiseAndRestore();
    void borderIsFixed();
    void picturesAreDrawnForBothScales();
    void toolTipsSetAtLoad_data();
    void toolTipsSetAtLoad();
};

void TestMainWindow::places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    // clang-format off
    const struct { const char* name; int l, t, w, h; } rows[] = {
        {"picTela", 180, 0, 10995, 8235}, {"lbl(0)", 390, 570, 435, 405},
        {"lbl(1)", 8040, 570, 435, 405}, {"lbl(4)", 5790, 990, 435, 405},
        {"lbl(25)", 3540, 1830, 435, 405}, {"lbl(56)", 1290, 3660, 435, 405},
        {"lbl(70)", 7590, 3660, 435, 405}, {"lbl(71)", 1740, 2670, 435, 405},
        {"lbl(86)", 390, 3090, 435, 405}, {"lbl(88)", 1290, 4080, 435, 405},
        {"lbl(102)", 7590, 4080, 435, 405}, {"lbl(103)", 1740, 3090, 435, 405},
        {"lbl(117)", 8040, 3090, 435, 405}, {"lblPeriodo(0)", 90, 690, 285, 255},
        {"lblPeriodo(8)", 540, 4170, 285, 255}, {"pctLeg(0)", 8760, 1140, 2205, 3045},
        {"imgLogo", 9480, 4260, 870, 240}, {"cmbTab", 570, 0, 4695, 360},
        {"txtBusca", 8340, 60, 2025, 390}, {"Picture2", 30, 5100, 10935, 3045},
        {"cmbN", 660, 90, 2460, 420}, {"lblNome(1)", 30, 30, 1905, 225},
        {"txtValor(1)", 30, 240, 1935, 360}, {"lblNome(4)", 7530, 600, 3345, 255},
        {"txtValor(4)", 7530, 840, 3345, 360}, {"lblNome(7)", 1650, 1200, 1725, 285},
        {"txtValor(15)", 8520, 1440, 2355, 360}, {"lblNome(20)", 3360, 1200, 1725, 255},
        {"txtValor(20)", 3360, 1440, 1725, 360}, {"lblNome(17)", 5580, 2370, 5295, 255},
        {"txtValor(17)", 5610, 2610, 5265, 360}, {"lblNome(19)", 30, 1800, 5055, 255},
        {"txtValor(21)", 5070, 2040, 1695, 360}, {"lblfamilia(0)", 405, 390, 405, 165},
        {"lblfamilia(1)", 855, 810, 405, 165}, {"lblfamilia(7)", 3555, 1650, 405, 165},
        {"lblfamilia(17)", 8055, 390, 405, 165}, {"lblfamilia(18)", 360, 60, 465, 225},
        {"lblfamilia(35)", 8010, 60, 465, 225}, {"lblfamilia(36)", 3510, 60, 1365, 225},
        {"lblfamilia(37)", 3630, 1590, 1185, 195},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QRect(row.l, row.t, row.w, row.h);
}

void TestMainWindow::places() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const auto window = makeWindow();
    QCOMPARE(child(*window, name)->geometry(),
             twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestMainWindow::cellColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("text"); // -1: the system's window-text colour
    QTest::newRow("H") << "lbl(0)" << 0xE0E0E0 << 0x000080;
    QTest::newRow("He") << "lbl(1)" << 0x00D189 << 0x000080;
    QTest::newRow("Li") << "lbl(2)" << 0xDA8536 << -1;
    QTest::newRow("Be") << "lbl(3)" << 0xE8A44F << -1;
    QTest::newRow("B") << "lbl(4)" << 0x00CCFF << -1;
    QTest::newRow("C") << "lbl(5)" << 0x8594EB << -1;
    QTest::newRow("S") << "lbl(15)" << 0x99A8FF << 0x000000;
    QTest::newRow("Fe") << "lbl(25)" << 0xFFBB66 << -1;
    QTest::newRow("Cu") << "lbl(28)" << 0xFFBB66 << 0x000000;
    QTest::newRow("Br") << "lbl(34)" << 0xC4C2FF << 0xC00000;
    QTest::newRow("Sn") << "lbl(49)" << 0xEE9944 << -1;
    QTest::newRow("La") << "lbl(56)" << 0x50EEFF << -1;
    QTest::newRow("Hg") << "lbl(79)" << 0xFFBB66 << 0xC00000;
    QTest::newRow("Ac") << "lbl(88)" << 0x5E8BAD << -1;
    QTest::newRow("Mt") << "lbl(108)" << 0xFFBB66 << 0x000000;
    QTest::newRow("Uub") << "lbl(111)" << 0xFFBB66 << 0xC00000;
    QTest::newRow("Uut") << "lbl(112)" << 0xEF9A45 << 0x404040;
    QTest::newRow("Uuq") << "lbl(113)" << 0xEE9944 << -1;
    QTest::newRow("Uus") << "lbl(116)" << 0xC4C2FF << 0x404040;
    QTest::newRow("Uuo") << "lbl(117)" << 0x00D189 << 0x000000;
    QTest::newRow("lblLan1") << "lblLan1" << 0x60FEFF << -1;
    QTest::newRow("lblAct2") << "lblAct2" << 0x6E9BBD << -1;
    QTest::newRow("table") << "pctTabela" << 0x3B3322 << -1;
    QTest::newRow("detail panel") << "Picture2" << 0x6B6352 << -1;
    QTest::newRow("content") << "picTela" << 0xA09887 << -1;
    QTest::newRow("caption") << "lblNome(5)" << 0xC5C6BB << -1;
    QTest::newRow("box") << "txtValor(5)" << 0x000000 << 0x2FFFAD;
    QTest::newRow("CAS box") << "txtValor(0)" << 0x3B3322 << 0x2FFFAD;
    QTest::newRow("heading") << "lblfamilia(20)" << 0x6B6352 << 0xFFFFFF;
    QTest::newRow("period") << "lblPeriodo(3)" << 0x3B3322 << 0xC5C6BB;
}

void TestMainWindow::cellColours() {
    QFETCH(QString, name);
    QFETCH(int, back);
    QFETCH(int, text);
    const auto window = makeWindow();
    const QWidget* control = child(*window, name);
    // A cell paints its own background; every other control paints its palette's.
    const auto* elementCell = qobject_cast<const ElementCell*>(control);
    const QColor background =
        elementCell ? elementCell->backColor() : control->palette().color(control->backgroundRole());
    QCOMPARE(platform::toBgr(background), std::uint32_t(back));
    const QColor textColour = control->palette().color(control->foregroundRole());
    if (text >= 0)
        QCOMPARE(platform::toBgr(textColour), std::uint32_t(text));
    else
        QCOMPARE(textColour, QApplication::palette().color(QPalette::WindowText));
}

void TestMainWindow::defaultColoursAreRemembered() {
    const auto window = makeWindow();
    // The start view gives every cell the colour the grid builds it with, and each caption starts
    // with the symbol that the card and the search use.
    QCOMPARE(grid::defaultCellColour(1), 14737632u);
    for (int i = 0; i < 118; ++i) {
        QCOMPARE(platform::toBgr(cell(*window, i)->backColor()), grid::defaultCellColour(i + 1));
        QCOMPARE(cell(*window, i)->text().section(QLatin1Char('\n'), 0, 0), platform::qtText(grid::cellSymbol(i + 1)));
    }
    QCOMPARE(grid::cellSymbol(112), "Uub");
}

void TestMainWindow::startUpState() {
    const auto window = makeWindow(11);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Propriedades"));
    QCOMPARE(list(*window, "cmbTab")->currentText(), QStringLiteral("Propriedades"));
    QCOMPARE(window->lastViewIndex(), 20);
    for (int n = 0; n < 9; ++n)
        QCOMPARE(child(*window, QStringLiteral("pctLeg(%1)").arg(n))->isVisibleTo(window.get()), n == 0);
    QCOMPARE(highlightedCount(*window), 1);
    const int selected = window->selectedIndex();
    QVERIFY(cell(*window, selected)->isHighlighted());
    QCOMPARE(list(*window, "cmbN")->listIndex(), selected);
    // The start element is the seeded draw scaled to 0 ... 117.
    RandomSource same{11};
    QCOMPARE(selected, same.nearestOfScaled(117));
    QCOMPARE(window->panelHome(), platform::toPx(QPoint(180, 0)));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    QVERIFY(!child(*window, "lblfamilia(37)")->isVisibleTo(window.get()));
    QVERIFY(child<QPushButton>(*window, "optCol(1)")->isChecked());
    // Symbol over atomic number, 8 pt.
    QCOMPARE(cell(*window, 25)->text(), QStringLiteral("Fe\n26"));
    for (int i = 0; i < 118; ++i)
        QCOMPARE(cell(*window, i)->font().pixelSize(), platform::fontPx(8));
}

void TestMainWindow::elementListAndToolTips() {
    const auto window = makeWindow();
    const auto* elements = list(*window, "cmbN");
    QCOMPARE(elements->count(), 118);
    QCOMPARE(elements->itemText(0), QStringLiteral("Hidrogênio - 001"));
    QCOMPARE(elements->itemText(25), QStringLiteral("Ferro - 026"));
    QCOMPARE(elements->itemText(117), QStringLiteral("Unonóctio - 118"));
    QCOMPARE(cell(*window, 0)->toolTip(), QStringLiteral("1 - Hidrogênio"));
    QCOMPARE(cell(*window, 117)->toolTip(), QStringLiteral("118 - Unonóctio"));
    for (int i = 0; i < 118; ++i)
        QCOMPARE(elements->itemText(i).right(3).toInt(), i + 1);
}

void TestMainWindow::viewListIsSortedByCollation() {
    const auto window = makeWindow();
    const QStringList expected = {"Actinídios",
                                  "Aluminóides",
                                  "Blocos s, p, d, f",
                                  "Calcogênios",
                                  "Carbonóides",
                                  "Condutividade Térmica a 300K",
                                  "Data da Descoberta",
                                  "Efeito Biológico",
                                  "Estado a 25°C",
                                  "Estado a 700°C",
                                  "Gases Nobres",
                                  "Halogênios",
                                  "Lantanídeos",
                                  "Metais Alcalinos",
                                  "Metais Alcalinos-Terrosos",
                                  "Metais Duros ou Dúcteis",
                                  "Metais Maleáveis",
                                  "Não-Metais (Ametais)",
                                  "Nitrogenóides - Pnictogênios",
                                  "Número Atômico",
                                  "Propriedades",
                                  "Raio Atômico",
                                  "Rede Cristalográfica",
                                  "Semi-Metais (Metalóides)",
                                  "Supercondutores em Baixas Temperaturas",
                                  "Terras Raras"};
    const auto* views = list(*window, "cmbTab");
    QStringList actual;
    for (int k = 0; k < views->count(); ++k)
        actual << views->itemText(k);
    QCOMPARE(actual, expected);
}

void TestMainWindow::viewSelectorRunsOnlyOnChange() {
    const auto window = makeWindow();
    auto* views = list(*window, "cmbTab");
    views->setListIndex(10); // "Gases Nobres"
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Gases Nobres"));
    QCOMPARE(window->lastViewIndex(), 10);
    // Running the handler again for the view already applied changes nothing.
    window->setWindowTitle(QStringLiteral("changed"));
    window->cmbTab_Click();
    QCOMPARE(window->windowTitle(), QStringLiteral("changed"));
    // "Propriedades" gives every cell its start colour back.
    cell(*window, 25)->setBackColor(Qt::red);
    views->setListIndex(20);
    QCOMPARE(platform::toBgr(cell(*window, 25)->backColor()), 0xFFBB66u);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Propriedades"));
    int visibleLegends = 0;
    for (int n = 0; n < 9; ++n)
        visibleLegends += child(*window, QStringLiteral("pctLeg(%1)").arg(n))->isVisibleTo(window.get());
    QCOMPARE(visibleLegends, 1);
}

void TestMainWindow::viewButtonsStopAtTheEnds() {
    const auto window = makeWindow();
    auto* views = list(*window, "cmbTab");
    auto* previous = child<QPushButton>(*window, "cmdA2");
    auto* next = child<QPushButton>(*window, "cmdP2");
    views->setListIndex(0);
    previous->click();
    QCOMPARE(views->listIndex(), 0);
    next->click();
    QCOMPARE(views->listIndex(), 1);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Aluminóides"));
    views->setListIndex(25);
    next->click();
    QCOMPARE(views->listIndex(), 25);
    previous->click();
    QCOMPARE(views->listIndex(), 24);
}

void TestMainWindow::symbolButtons() {
    const auto window = makeWindow();
    window->show();
    auto* symbolsOnly = child<QPushButton>(*window, "cmdSimb1");
    auto* withNumbers = child<QPushButton>(*window, "cmdSimb2");
    child(*window, "cmbN")->setFocus();
    symbolsOnly->click();
    QCOMPARE(cell(*window, 25)->text(), QStringLiteral("Fe"));
    QCOMPARE(cell(*window, 0)->font().pixelSize(), platform::fontPx(12));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    symbolsOnly->click();
    QCOMPARE(cell(*window, 117)->text(), QStringLiteral("Uuo"));
    withNumbers->click();
    withNumbers->click();
    QCOMPARE(cell(*window, 25)->text(), QStringLiteral("Fe\n26"));
    QCOMPARE(cell(*window, 117)->text(), QStringLiteral("Uuo\n118"));
    QCOMPARE(cell(*window, 25)->font().pixelSize(), platform::fontPx(8));
    // The highlight's bold survives a change of caption mode.
    QVERIFY(cell(*window, window->selectedIndex())->font().bold());
}

void TestMainWindow::maximiseAndRestore() {
    const auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QWidget* content = child(*window, "picTela");
    const QRect screen = window->screen()->geometry();
    window->move(3, 4);
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    QCOMPARE(content->pos(),
             QPoint((screen.width() - content->width()) / 2, (screen.height() - content->height()) / 3));
    window->showNormal();
    QTRY_VERIFY(!window->isMaximized());
    QCOMPARE(content->pos(), platform::toPx(QPoint(180, 0)));
    QCOMPARE(window->size(), frm1::designSize());
    const QRect outer = window->frameGeometry();
    QVERIFY(std::abs(outer.x() - (screen.width() - outer.width()) / 2) <= 1);
    QVERIFY(std::abs(outer.y() - (screen.height() - outer.height()) / 2) <= 1);
}

void TestMainWindow::borderIsFixed() {
    const auto window = makeWindow();
    window->show();
    window->resize(900, 700);
    QCOMPARE(window->size(), frm1::designSize());
    QCOMPARE(frm1::designSize(), QSize(757, 542));
}

void TestMainWindow::picturesAreDrawnForBothScales() {
    // The pictures are PNGs drawn by the build; a missing one would leave a blank button.
    const auto window = makeWindow();
    for (const auto& row : layout::mainControls()) {
        if (!*row.icon)
            continue;
        const QWidget* control = child(*window, QString::fromLatin1(row.name));
        QSize shown = control->size();
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            shown = button->iconSize();
            QCOMPARE(button->icon().pixmap(shown, 1.0).deviceIndependentSize(), QSizeF(shown));
        } else {
            QCOMPARE(qobject_cast<const QLabel*>(control)->pixmap().size(), shown);
        }
        QString doubled = QString::fromLatin1(row.icon);
        doubled.insert(doubled.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QCOMPARE(QImageReader(doubled).size(), shown * 2);
    }
    QCOMPARE(window->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
}

void TestMainWindow::toolTipsSetAtLoad_data() {
    // The tool tips that the load step sets, and the one box whose tip differs from its caption's.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("caption"); // of a label; empty: not checked
    const QString massTip = QStringLiteral("Valores incertos estão entre parênteses. Entre colchetes, "
                                           "valores do isótopo mais estável. O valores têm "
                                           "como referência o isótopo 12 do carbono");
    // clang-format off
    QTest::newRow("period")       << "lblPeriodo(4)"  << "Períodos" << "5";
    QTest::newRow("heading")      << "lblfamilia(30)" << "Grupos"   << "3A";
    QTest::newRow("group number") << "lblfamilia(11)" << "Grupos"   << "12";
    QTest::newRow("wide 8B")      << "lblfamilia(36)" << "Grupos"   << "8B";
    QTest::newRow("bracket")      << "lblfamilia(37)" << "Grupos"   << "|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|";
    QTest::newRow("number")       << "lblNome(1)"     << "Nº de oxidação" << "Número Atômico";
    QTest::newRow("mass caption") << "lblNome(2)"     << massTip    << "Massa Atômica";
    QTest::newRow("mass box")     << "txtValor(2)"    << massTip    << "";
    QTest::newRow("pauling")      << "lblNome(13)"    << "Escala de Linus Pauling"  << "Eletronegatividade";
    QTest::newRow("pauling box")  << "txtValor(13)"   << "Escala de Linus Pauling " << "";
    // clang-format on
}

void TestMainWindow::toolTipsSetAtLoad() {
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QFETCH(QString, caption);
    const auto window = makeWindow();
    const QWidget* control = child(*window, name);
    QCOMPARE(control->toolTip(), toolTip);
    if (!caption.isEmpty())
        QCOMPARE(qobject_cast<const QLabel*>(control)->text(), caption);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
