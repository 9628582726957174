// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built: places and colours against the given numbers, the start-up state,
// the sorted view list, the caption modes, maximise and restore, the point sizes, the headings of
// both numberings and the part of the drawn table that answers a point.
#include "data/CellGrid.h"
#include "FormTestSupport.h"
#include "../data/NumberList.h"
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
    void colourTablesCoverEveryCell_data();
    void colourTablesCoverEveryCell();
    void startUpState();
    void elementListAndToolTips();
    void viewListIsSortedByCollation();
    void viewSelectorRunsOnlyOnChange();
    void viewButtonsStopAtTheEnds();
    void symbolButtons();
    void maximiseAndRestore();
    void borderIsFixed();
    void picturesAreDrawnForBothScales();
    void headingCaptionsAtLoad_data();
    void headingCaptionsAtLoad();
    void pointSizes_data();
    void pointSizes();
    void headingsInBothNumberings_data();
    void headingsInBothNumberings();
    void partUnderAPoint_data();
    void partUnderAPoint();
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
    const auto part = tablePart(*window, name);
    QCOMPARE(part ? part->place : child(*window, name)->geometry(),
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
    // The drawn table keeps the colours of its parts; every other control paints its palette's.
    const auto part = tablePart(*window, name);
    const QWidget* control = part ? nullptr : child(*window, name);
    const QColor background = part ? part->back : control->palette().color(control->backgroundRole());
    QCOMPARE(platform::toBgr(background), std::uint32_t(back));
    const QColor textColour = part ? part->fore : control->palette().color(control->foregroundRole());
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
        QCOMPARE(platform::toBgr(table(*window)->backColor(i)), grid::defaultCellColour(i + 1));
        QCOMPARE(table(*window)->text(i).section(QLatin1Char('\n'), 0, 0), platform::qtText(grid::cellSymbol(i + 1)));
    }
    QCOMPARE(grid::cellSymbol(112), "Uub");
}

void TestMainWindow::colourTablesCoverEveryCell_data() {
    // Each cell's background and text colour at start, row by row, 0x00BBGGRR.
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("elements");
    // clang-format off
    const struct { bool text; int colour; const char* elements; } rows[] = {
        {false, 0xE0E0E0, "1"},
        {false, 0xDA8536, "3, 11, 19, 37, 55, 87"},
        {false, 0xE8A44F, "4, 12, 20, 38, 56, 88"},
        {false, 0xFFBB66, "21-30, 39-48, 72-80, 104-112"},
        {false, 0xEE9944, "13, 31, 49, 50, 81, 82, 83, 114, 115, 116"},
        {false, 0xEF9A45, "113"},
        {false, 0x00CCFF, "5, 14, 32, 33, 51, 52, 84"},
        {false, 0x8594EB, "6, 7, 15"},
        {false, 0x99A8FF, "8, 16, 34"},
        {false, 0xC4C2FF, "9, 17, 35, 53, 85, 117"},
        {false, 0x00D189, "2, 10, 18, 36, 54, 86, 118"},
        {false, 0x50EEFF, "57-71"},
        {false, 0x5E8BAD, "89-103"},
        {true,  0x000080, "1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86"},
        {true,  0xC00000, "35, 80, 112"},
        {true,  0x404040, "113, 115, 117"},
        {true,  0x000000, "16, 29, 34, 109, 118"},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::addRow("%s %06X", row.text ? "text" : "back", row.colour)
            << row.text << row.colour << QString::fromLatin1(row.elements);
}

void TestMainWindow::colourTablesCoverEveryCell() {
    QFETCH(bool, text);
    QFETCH(int, colour);
    QFETCH(QString, elements);
    // A window text colour of its own, so that the cells that have none tell from the black ones.
    const QPalette before = QApplication::palette();
    QPalette palette = before;
    palette.setColor(QPalette::WindowText, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(palette);
    const auto window = makeWindow();
    QApplication::setPalette(before);
    const PeriodicTable& drawn = *table(*window);
    for (const int z : numberList(elements.toStdString())) {
        const QColor shown = text ? drawn.textColour(z - 1) : drawn.backColor(z - 1);
        QVERIFY2(platform::toBgr(shown) == std::uint32_t(colour), qPrintable(QString::number(z)));
    }
    // The 22 cells listed in the text rows have their own colour; the other 96 the window text's.
    int plain = 0;
    for (int i = 0; i < PeriodicTable::kCellCount; ++i)
        plain += drawn.textColour(i) == palette.color(QPalette::WindowText);
    QCOMPARE(plain, 96);
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
    QVERIFY(table(*window)->isHighlighted(selected));
    QCOMPARE(list(*window, "cmbN")->listIndex(), selected);
    // The start element is the seeded draw scaled to 0 ... 117.
    RandomSource same{11};
    QCOMPARE(selected, same.nearestOfScaled(117));
    QCOMPARE(window->panelHome(), platform::toPx(QPoint(180, 0)));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    QVERIFY(!tablePart(*window, "lblfamilia(37)")->visible);
    QVERIFY(child<QPushButton>(*window, "optCol(1)")->isChecked());
    // Symbol over atomic number, 8 pt.
    QCOMPARE(table(*window)->text(25), QStringLiteral("Fe\n26"));
    for (int i = 0; i < 118; ++i)
        QCOMPARE(table(*window)->cellFont(i).pixelSize(), platform::fontPx(8));
}

void TestMainWindow::elementListAndToolTips() {
    const auto window = makeWindow();
    const auto* elements = list(*window, "cmbN");
    QCOMPARE(elements->count(), 118);
    QCOMPARE(elements->itemText(0), QStringLiteral("Hidrogênio - 001"));
    QCOMPARE(elements->itemText(25), QStringLiteral("Ferro - 026"));
    QCOMPARE(elements->itemText(117), QStringLiteral("Unonóctio - 118"));
    QCOMPARE(table(*window)->cellToolTip(0), QStringLiteral("1 - Hidrogênio"));
    QCOMPARE(table(*window)->cellToolTip(117), QStringLiteral("118 - Unonóctio"));
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
    table(*window)->setBackColor(25, Qt::red);
    views->setListIndex(20);
    QCOMPARE(platform::toBgr(table(*window)->backColor(25)), 0xFFBB66u);
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
    QCOMPARE(table(*window)->text(25), QStringLiteral("Fe"));
    QCOMPARE(table(*window)->cellFont(0).pixelSize(), platform::fontPx(12));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    symbolsOnly->click();
    QCOMPARE(table(*window)->text(117), QStringLiteral("Uuo"));
    withNumbers->click();
    withNumbers->click();
    QCOMPARE(table(*window)->text(25), QStringLiteral("Fe\n26"));
    QCOMPARE(table(*window)->text(117), QStringLiteral("Uuo\n118"));
    QCOMPARE(table(*window)->cellFont(25).pixelSize(), platform::fontPx(8));
    // The highlight's bold survives a change of caption mode.
    QVERIFY(table(*window)->cellFont(window->selectedIndex()).bold());
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

void TestMainWindow::headingCaptionsAtLoad_data() {
    // The captions the load step leaves (their tool tips are checked with every other text).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::newRow("period")       << "lblPeriodo(4)"  << "5";
    QTest::newRow("heading")      << "lblfamilia(30)" << "3A";
    QTest::newRow("group number") << "lblfamilia(11)" << "12";
    QTest::newRow("wide 8B")      << "lblfamilia(36)" << "8B";
    QTest::newRow("bracket")      << "lblfamilia(37)" << "|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|";
    QTest::newRow("number")       << "lblNome(1)"     << "Número Atômico";
    QTest::newRow("mass caption") << "lblNome(2)"     << "Massa Atômica";
    QTest::newRow("pauling")      << "lblNome(13)"    << "Eletronegatividade";
    // clang-format on
}

void TestMainWindow::headingCaptionsAtLoad() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const auto window = makeWindow();
    const auto part = tablePart(*window, name);
    QCOMPARE(part ? part->text : child<QLabel>(*window, name)->text(), caption);
}

void TestMainWindow::pointSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    // clang-format off
    const std::pair<const char*, double> rows[] = {
        {"lblLan1", 18},         {"lblAct1", 18},          {"lblLan2", 18},       {"lblAct2", 18},
        {"lblSimb", 13.5},       {"txtValor(0)", 12},      {"cmbN", 12},          {"txtBusca", 12},
        {"txtValor(1)", 9.75},   {"txtValor(17)", 9.75},   {"txtValor(21)", 9.75},
        {"lblClass(0)", 8.25},   {"lblClass(25)", 8.25},   {"lblClass(62)", 8.25},
    };
    // clang-format on
    for (const auto& [name, points] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << points;
}

void TestMainWindow::pointSizes() {
    QFETCH(QString, name);
    QFETCH(double, points);
    const auto window = makeWindow();
    window->show();
    for (int n = 0; n < 9; ++n) // a legend panel builds its rows when it first shows
        child(*window, QStringLiteral("pctLeg(%1)").arg(n))->show();
    const QWidget* control = child(*window, name);
    // A value box may draw a long value narrower, never smaller: its own font is the one given.
    const auto* value = qobject_cast<const platform::ReadOnlyLineEdit*>(control);
    const QFont font = value ? value->ownFont() : control->font();
    QCOMPARE(font.pixelSize(), int(std::lround(points * 96 / 72))); // points at 96 dpi
}

void TestMainWindow::headingsInBothNumberings_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("captions"); // lblfamilia(0) ... lblfamilia(37)
    QTest::addColumn<bool>("wide8BShown");     // lblfamilia(36) shown, the bracket lblfamilia(37) hidden
    QStringList numbers;
    for (int group = 1; group <= 18; ++group)
        numbers << QString::number(group);
    const QStringList names = {"1A", "2A", "3B", "4B", "5B", "6B", "7B", "8B", "8B",
                               "8B", "1B", "2B", "3A", "4A", "5A", "6A", "7A", "8A"};
    const QStringList ends = {"8B", "|¨¨¨¨¨¨ 8B ¨¨¨¨¨¨|"};
    QTest::newRow("IUPAC") << 1 << numbers + names + ends << true;
    QTest::newRow("Famílias") << 0 << names + numbers + ends << false;
}

void TestMainWindow::headingsInBothNumberings() {
    QFETCH(int, option);
    QFETCH(QStringList, captions);
    QFETCH(bool, wide8BShown);
    const auto window = makeWindow();
    child<QPushButton>(*window, QStringLiteral("optCol(%1)").arg(option))->click();
    QStringList shown;
    for (int n = 0; n < PeriodicTable::kHeadingCount; ++n)
        shown << tablePart(*window, QStringLiteral("lblfamilia(%1)").arg(n))->text;
    QCOMPARE(shown, captions);
    QCOMPARE(tablePart(*window, "lblfamilia(36)")->visible, wide8BShown);
    QCOMPARE(tablePart(*window, "lblfamilia(37)")->visible, !wide8BShown);
}

void TestMainWindow::partUnderAPoint_data() {
    // A point in twips, in both numberings, and the place of the part that answers it: the one
    // on top where parts overlap, never a hidden one. Cell -1: not a cell; an empty place: none.
    QTest::addColumn<int>("option");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("cell");
    const QPoint heading8(3735, 165); // group 8 in the heading row, under the wide 8B
    const QPoint small8(3750, 1725);  // group 8's small label, under the bracket
    // clang-format off
    QTest::newRow("wide 8B over group 8")      << 1 << heading8 << QRect(3510, 60, 1365, 225) << -1;
    QTest::newRow("group 8, wide 8B hidden")   << 0 << heading8 << QRect(3510, 60, 465, 225)  << -1;
    QTest::newRow("small 8, bracket hidden")   << 1 << small8   << QRect(3555, 1650, 405, 165) << -1;
    QTest::newRow("bracket over small 8")      << 0 << small8   << QRect(3630, 1590, 1185, 195) << -1;
    QTest::newRow("iron")                      << 1 << QPoint(3750, 2025) << QRect(3540, 1830, 435, 405) << 25;
    QTest::newRow("uranium")                   << 0 << QPoint(2850, 4275) << QRect(2640, 4080, 435, 405) << 91;
    QTest::newRow("period 7 by the actinides")  << 1 << QPoint(690, 4290) << QRect(540, 4170, 285, 255) << -1;
    QTest::newRow("between Li and Be")         << 1 << QPoint(825, 1200)  << QRect()                      << -1;
    // clang-format on
}

void TestMainWindow::partUnderAPoint() {
    QFETCH(int, option);
    QFETCH(QPoint, point);
    QFETCH(QRect, place);
    QFETCH(int, cell);
    const auto window = makeWindow();
    child<QPushButton>(*window, QStringLiteral("optCol(%1)").arg(option))->click();
    const auto hit = table(*window)->partAt(platform::toPx(point));
    QCOMPARE(hit.has_value(), !place.isNull());
    if (!hit)
        return;
    QCOMPARE(hit->place, twipsRect(place.x(), place.y(), place.width(), place.height()));
    QCOMPARE(hit->cell.value_or(-1), cell);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
