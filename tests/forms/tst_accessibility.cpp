// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces: every control, cell and value box of the main window has a
// Portuguese name through QAccessible.
#include "FormTestSupport.h"
#include "platform/FocusStyle.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(const QColor& colour) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::unique_ptr<frm1> activeWindow() {
    auto window = makeWindow();
    window->show();
    if (!activate(window.get()))
        qFatal("the window did not become active");
    return window;
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The interface of cell i as a screen reader reaches it: through the table, at its row and column.
QAccessibleInterface* accessibleCell(const frm1& window, int i) {
    const PeriodicTable* drawn = table(window);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table(window));
    if (!accessible || !accessible->tableInterface())
        return nullptr;
    return accessible->tableInterface()->cellAt(drawn->cellRow(i), drawn->cellColumn(i));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void everyControlIsNamed();
    void namesSayWhatTheControlIs_data();
    void namesSayWhatTheControlIs();
    void tableOfCells_data();
    void tableOfCells();
    void initTestCase();
    void keyboardFocusShowsOnPictureButtons();
    void focusRingStandsOut_data();
    void focusRingStandsOut();
    void chosenOptionLooksPressed();
};

void TestAccessibility::everyControlIsNamed() {
    const auto window = makeWindow();
    window->show();
    int named = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget);
        if (!control || widget->objectName().isEmpty())
            continue;
        QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
        ++named;
    }
    QCOMPARE(accessibleName(table(*window)), QStringLiteral("Tabela periódica"));
    for (int i = 0; i < PeriodicTable::kCellCount; ++i) {
        QAccessibleInterface* cell = accessibleCell(*window, i);
        QVERIFY2(cell && !cell->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(QString::number(i)));
        ++named;
    }
    QCOMPARE(named, 118 + 22 + 2 + 1 + 12); // cells, value boxes, lists, search box, buttons
}

void TestAccessibility::namesSayWhatTheControlIs_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("cell")            << "lbl(25)"     << "Ferro, número 26, grupo 8";
    QTest::newRow("lanthanide")      << "lbl(57)"     << "Cério, número 58, lantanídeo";
    QTest::newRow("actinide")        << "lbl(91)"     << "Urânio, número 92, actinídeo";
    QTest::newRow("value box")       << "txtValor(6)" << "Fusão";
    QTest::newRow("CAS box")         << "txtValor(0)" << "CAS-ID";
    QTest::newRow("previous view")   << "cmdA2"       << "Tabela anterior";
    QTest::newRow("next element")    << "cmdP"        << "Próximo elemento";
    QTest::newRow("report")          << "cmdRel"      << "Exibe os dados como um relatório";
    QTest::newRow("element list")    << "cmbN"        << "Ferro - 026"; // on Linux a list is named by its entry
    QTest::newRow("option")          << "optCol(0)"   << "Famílias";
    // clang-format on
}

void TestAccessibility::namesSayWhatTheControlIs() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    const auto window = makeWindow();
    list(*window, "cmbN")->setListIndex(25);
    if (const auto part = tablePart(*window, control)) {
        QAccessibleInterface* cell = accessibleCell(*window, control.section(QLatin1Char('('), 1).chopped(1).toInt());
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), name);
        return;
    }
    QWidget* widget = child(*window, control);
    QCOMPARE(accessibleName(widget), name);
    if (qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QAbstractButton*>(widget)->text().size())
        QCOMPARE(widget->toolTip(), name);
}

void TestAccessibility::tableOfCells_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("hydrogen") << 0 << 0 << 0;
    QTest::newRow("helium") << 1 << 0 << 17;
    QTest::newRow("iron") << 25 << 3 << 7;
    QTest::newRow("oganesson") << 117 << 6 << 17;
    QTest::newRow("cerium") << 57 << 7 << 3;
    QTest::newRow("lawrencium") << 102 << 8 << 16;
}

void TestAccessibility::tableOfCells() {
    QFETCH(int, index);
    QFETCH(int, row);
    QFETCH(int, column);
    const auto window = makeWindow();
    window->show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(table(*window));
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Table);
    QAccessibleTableInterface* grid = accessible->tableInterface();
    QVERIFY(grid);
    QCOMPARE(grid->columnCount(), 18);
    QCOMPARE(grid->rowCount(), 9);
    QCOMPARE(accessible->childCount(), 118);
    QVERIFY(!grid->cellAt(0, 1)); // the gap between hydrogen and helium
    QVERIFY(!grid->cellAt(7, 0));
    QAccessibleInterface* cell = grid->cellAt(row, column);
    QVERIFY(cell);
    QCOMPARE(cell, accessible->child(index));
    QCOMPARE(accessible->indexOfChild(cell), index);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->parent(), accessible);
    QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
    QCOMPARE(accessible->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    // Selecting the element marks its cell, and only its cell, selected.
    list(*window, "cmbN")->setListIndex(index == 0 ? 1 : 0);
    QVERIFY(!cell->state().selected);
    list(*window, "cmbN")->setListIndex(index);
    QVERIFY(cell->state().selected);
    QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface*>{cell});
    QCOMPARE(grid->selectedCellCount(), 1);
}

void TestAccessibility::initTestCase() {
    QApplication::setStyle(new platform::FocusStyle);
}

void TestAccessibility::keyboardFocusShowsOnPictureButtons() {
    const auto window = activeWindow();
    for (const char* name : {"cmdRel", "cmdA2", "cmdBusca"}) {
        QWidget* button = child(*window, QString::fromLatin1(name));
        child(*window, "txtBusca")->setFocus();
        const QImage before = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        // A frame inside the edge takes the caption's colour.
        const QColor ring = button->palette().color(QPalette::ButtonText);
        QCOMPARE(focused.pixelColor(focused.width() / 2, 2), ring);
        QVERIFY(before.pixelColor(before.width() / 2, 2) != ring);
    }
}

void TestAccessibility::focusRingStandsOut_data() {
    QTest::addColumn<QString>("control");
    for (const char* name :
         {"cmbN", "cmbTab", "txtBusca", "cmdA", "cmdP2", "cmdRel", "chkOnTop", "optCol(0)", "optCol(1)"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// On each side of the focused control, walking in from its edge, the ring is the first run of one
// colour that stands out from the unfocused look: at least 2 px wide and at 3:1 or more against
// the pixels on both sides of it.
void TestAccessibility::focusRingStandsOut() {
    QFETCH(QString, control);
    const auto window = activeWindow();
    QWidget* widget = child(*window, control);
    child(*window, control == "txtBusca" ? "cmdBusca" : "txtBusca")->setFocus();
    const QImage before = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    const QImage after = widget->grab().toImage();
    const int w = after.width();
    const int h = after.height();
    const struct {
        const char* side;
        QPoint edge, step;
    } sides[] = {{"top", {w / 2, 0}, {0, 1}},
                 {"bottom", {w / 2, h - 1}, {0, -1}},
                 {"left", {0, h / 2}, {1, 0}},
                 {"right", {w - 1, h / 2}, {-1, 0}}};
    for (const auto& side : sides) {
        const auto at = [&](const QImage& image, int i) {
            return image.pixelColor(side.edge + side.step * i);
        };
        int start = 0;
        while (start < 8 && contrast(at(after, start), at(before, start)) < 3)
            ++start;
        int end = start;
        while (end < 12 && at(after, end + 1) == at(after, start))
            ++end;
        const QColor ring = at(after, start);
        const QString where = control + " " + side.side;
        QVERIFY2(start > 0 && start < 8, qPrintable(where));
        QVERIFY2(end - start + 1 >= 2, qPrintable(where));
        QVERIFY2(contrast(ring, at(after, start - 1)) >= 3, qPrintable(where));
        QVERIFY2(contrast(ring, at(after, end + 1)) >= 3, qPrintable(where));
    }
}

// The chosen option is sunken on a clearly darker face, the other raised, and they swap on a switch.
void TestAccessibility::chosenOptionLooksPressed() {
    const auto window = activeWindow();
    for (const int chosen : {1, 0}) {
        auto* picked = child<QPushButton>(*window, QStringLiteral("optCol(%1)").arg(chosen));
        picked->click();
        child(*window, "txtBusca")->setFocus();
        QImage looks[2];
        for (int n = 0; n < 2; ++n)
            looks[n] = child(*window, QStringLiteral("optCol(%1)").arg(n))->grab().toImage();
        const QImage& on = looks[chosen];
        const QImage& off = looks[1 - chosen];
        const QPoint face(6, on.height() / 2);
        QVERIFY(luminance(on.pixelColor(face)) < luminance(off.pixelColor(face)));
        QVERIFY(contrast(on.pixelColor(face), off.pixelColor(face)) >= 1.8);
        const auto topDarker = [](const QImage& image) {
            return luminance(image.pixelColor(image.width() / 2, 0)) <
                   luminance(image.pixelColor(image.width() / 2, image.height() - 1));
        };
        QVERIFY(topDarker(on));   // lit from the top left: a dark top edge is sunken
        QVERIFY(!topDarker(off)); // and a light one raised
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
