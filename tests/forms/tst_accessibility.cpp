// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader announces: every control, cell and value box of the main window has a
// Portuguese name through QAccessible.
#include "FormTestSupport.h"
#include "platform/FocusStyle.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private slots:
    void everyControlIsNamed();
    void namesSayWhatTheControlIs_data();
    void namesSayWhatTheControlIs();
    void keyboardFocusShowsOnPictureButtons();
};

void TestAccessibility::everyControlIsNamed() {
    const auto window = makeWindow();
    window->show();
    int named = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<ElementCell*>(widget);
        if (!control || widget->objectName().isEmpty())
            continue;
        QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
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
    QWidget* widget = child(*window, control);
    QCOMPARE(accessibleName(widget), name);
    if (qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QAbstractButton*>(widget)->text().size())
        QCOMPARE(widget->toolTip(), name);
}

void TestAccessibility::keyboardFocusShowsOnPictureButtons() {
    QApplication::setStyle(new platform::FocusStyle);
    const auto window = makeWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (const char* name : {"cmdRel", "cmdA2", "cmdBusca"}) {
        QWidget* button = child(*window, QString::fromLatin1(name));
        child(*window, "txtBusca")->setFocus();
        const QImage before = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        // The frame two pixels inside the edge takes the selection colour.
        const QColor highlight = button->palette().color(QPalette::Highlight);
        QCOMPARE(focused.pixelColor(focused.width() / 2, 2), highlight);
        QVERIFY(before.pixelColor(before.width() / 2, 2) != highlight);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
