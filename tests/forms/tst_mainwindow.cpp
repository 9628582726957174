// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as built: the start-up state, the sorted view list, the caption modes' buttons,
// maximise and restore, the fixed border, the pictures and the part of the drawn table that
// answers a point. (What it paints, control by control, is compared with the layout elsewhere.)
#include "FormTestSupport.h"
#include "LayoutData.h"
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
    void startUpState();
    void elementListAndToolTips();
    void viewListIsSortedByCollation();
    void viewSelectorRunsOnlyOnChange();
    void viewButtonsStopAtTheEnds();
    void symbolButtons();
    void maximiseAndRestore();
    void borderIsFixed();
    void picturesAreDrawnForBothScales();
    void partUnderAPoint_data();
    void partUnderAPoint();
};








void TestMainWindow::startUpState() {
    const auto window = makeWindow(11);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Orvane - Propriedades"));
    QCOMPARE(list(*window, "cmbTab")->currentText(), QStringLiteral("Propriedades"));
    QCOMPARE(window->lastViewIndex(), 20); // (its legend alone shows: checked where it is painted)
    QCOMPARE(highlightedCount(*window), 1);
    const int selected = window->selectedIndex();
    QVERIFY(table(*window)->isHighlighted(selected));
    QCOMPARE(list(*window, "cmbN")->listIndex(), selected);
    // The start element is the seeded draw scaled to 0 ... 117.
    RandomSource same{11};
    QCOMPARE(selected, same.nearestOfScaled(117));
    QCOMPARE(window->panelHome(), platform::toPx(QPoint(180, 0)));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    QVERIFY(child<QPushButton>(*window, "optCol(1)")->isChecked());
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
    QStringList expected(26);
    for (const CsvRow& view : layoutTable("views.csv"))
        expected[view.value("position").toInt()] = view.value("view");
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
    previous->click(); // back to the first
    QCOMPARE(views->listIndex(), 0);
    views->setListIndex(24);
    next->click(); // on to the last
    QCOMPARE(views->listIndex(), 25);
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
    // (What the cells show in each mode is compared where it is painted.) Pressed again, a mode
    // changes nothing; either button leaves the focus in the search box.
    child(*window, "cmbN")->setFocus();
    symbolsOnly->click();
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
    symbolsOnly->click();
    QCOMPARE(table(*window)->text(117), QStringLiteral("Uuo"));
    child(*window, "cmbN")->setFocus();
    withNumbers->click();
    withNumbers->click();
    QCOMPARE(table(*window)->text(117), QStringLiteral("Uuo\n118"));
    QCOMPARE(window->focusWidget(), child(*window, "txtBusca"));
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
