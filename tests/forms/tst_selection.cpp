// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting elements through the real window: the list, mouse presses on cells, the previous and
// next buttons; the highlight, the boxes' stored blanks and the read-only boxes.
#include "data/ElementTable.h"
#include "FormTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

class TestSelection : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void everyElementFillsEveryBox();
    void sameElementTwiceStaysHighlighted();
    void navigationStopsAtTheEnds();
    void mousePressWithAnyButton_data();
    void mousePressWithAnyButton();
    void listFocusIsTracked();
    void detailBoxesAreReadOnly();

  private:
    std::unique_ptr<frm1> window_;
    void select(int index) { list(*window_, "cmbN")->setListIndex(index); }
    QString text(int box) const { return ::box(*window_, box)->text(); }
    QString card(const char* name) const {
        return child<QLabel>(*window_, QString::fromLatin1(name))->text();
    }
};

void TestSelection::init() {
    window_ = makeWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestSelection::cleanup() {
    window_.reset();
}



void TestSelection::everyElementFillsEveryBox() {
    // (What each box shows for every element is compared with the record where it is painted.)
    // Trailing blanks and dots outside the comma boxes stay as stored.
    select(116);
    QCOMPARE(text(14), QStringLiteral("--- "));
    QCOMPARE(text(16), QStringLiteral("IUPAC - Do latim Unonoctium: um-um-sete."));
    select(32);
    QCOMPARE(text(16), QStringLiteral("Do lat. cient. arsenium"));
    QCOMPARE(text(6), QStringLiteral("817°C a 28 atm"));
    QCOMPARE((*window_->currentRecord())[TPDEQ::ElementField::name], std::string("Arsênio"));
}

void TestSelection::sameElementTwiceStaysHighlighted() {
    select(40);
    window_->cmbN_Click();
    QVERIFY(table(*window_)->isHighlighted(40));
    select(41);
    select(40);
    QVERIFY(table(*window_)->isHighlighted(40));
    QVERIFY(!table(*window_)->isHighlighted(41));
    QCOMPARE(highlightedCount(*window_), 1);
}

void TestSelection::navigationStopsAtTheEnds() {
    auto* previous = child<QPushButton>(*window_, "cmdA");
    auto* next = child<QPushButton>(*window_, "cmdP");
    select(0);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(window_->selectedIndex(), 0);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window_->selectedIndex(), 1);
    QCOMPARE(card("lblSimb"), QStringLiteral("He"));
    QTest::mouseClick(previous, Qt::LeftButton); // back to the first
    QCOMPARE(window_->selectedIndex(), 0);
    select(116);
    QTest::mouseClick(next, Qt::LeftButton); // on to the last
    QCOMPARE(window_->selectedIndex(), 117);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window_->selectedIndex(), 117);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(window_->selectedIndex(), 116);
    QCOMPARE(highlightedCount(*window_), 1);
    // A press released outside the button does nothing.
    QTest::mousePress(previous, Qt::LeftButton);
    QTest::mouseRelease(previous, Qt::LeftButton, {}, previous->rect().bottomRight() + QPoint(3, 3));
    QCOMPARE(window_->selectedIndex(), 116);
}

void TestSelection::mousePressWithAnyButton_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("index");
    QTest::newRow("left on iron") << int(Qt::LeftButton) << 25;
    QTest::newRow("right on gold") << int(Qt::RightButton) << 78;
    QTest::newRow("middle on hydrogen") << int(Qt::MiddleButton) << 0;
    QTest::newRow("left on 118") << int(Qt::LeftButton) << 117;
}

void TestSelection::mousePressWithAnyButton() {
    QFETCH(int, button);
    QFETCH(int, index);
    select(index == 25 ? 24 : 25);
    child(*window_, "cmbN")->setFocus();
    const QPoint centre = table(*window_)->cellRect(index).center();
    QTest::mousePress(table(*window_), Qt::MouseButton(button), {}, centre);
    QCOMPARE(window_->selectedIndex(), index);
    QCOMPARE(list(*window_, "cmbN")->listIndex(), index);
    QVERIFY(table(*window_)->isHighlighted(index));
    QCOMPARE(highlightedCount(*window_), 1);
    QCOMPARE(window_->focusWidget(), child(*window_, "txtBusca"));
    QTest::mouseRelease(table(*window_), Qt::MouseButton(button), {}, centre);
    QCOMPARE(window_->selectedIndex(), index);
}

void TestSelection::listFocusIsTracked() {
    QVERIFY(activate(window_.get()));
    auto* elements = list(*window_, "cmbN");
    elements->setFocus();
    QTRY_VERIFY(window_->comboHasFocus());
    // The list handles its own arrow keys, and every change runs the selection.
    select(10);
    QTest::keyClick(elements, Qt::Key_Down);
    QCOMPARE(window_->selectedIndex(), 11);
    QCOMPARE(card("lblSimb"), QStringLiteral("Mg"));
    QTest::mousePress(table(*window_), Qt::LeftButton, {}, table(*window_)->cellRect(3).center());
    QTRY_VERIFY(!window_->comboHasFocus());
    list(*window_, "cmbTab")->setFocus();
    QTRY_VERIFY(window_->comboHasFocus());
}

void TestSelection::detailBoxesAreReadOnly() {
    select(25);
    for (int n : {0, 2, 4, 15, 17}) {
        auto* value = box(*window_, n);
        const QString before = value->text();
        value->setFocus();
        QTest::keyClicks(value, "abc.1");
        QTest::keyClick(value, Qt::Key_Delete);
        QTest::keyClick(value, Qt::Key_Backspace);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(value, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(value->text(), before);
        QTest::mouseClick(value, Qt::LeftButton, {}, QPoint(4, value->height() / 2));
        QCOMPARE(value->selectedText(), before);
        QTest::keyClick(value, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), before);
    }
}

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
