// SPDX-License-Identifier: GPL-3.0-or-later
// Search, report and information window through the real window: typed text and Enter, the
// message, the reserved word, random texts that end in exactly one outcome, and the report.
#include "FormTestSupport.h"
#include "data/RandomSource.h"
#include "data/Search.h"
#include "forms/info/frm2.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

QLineEdit* searchBox(const frm1& window) {
    return child<QLineEdit>(window, "txtBusca");
}

} // namespace

class TestSearchReport : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void enterSearchesAndLeavesTheText();
    void nothingFoundShowsTheTextAsTyped();
    void focusComingBackSelectsTheText_data();
    void focusComingBackSelectsTheText();
    void reservedWordOpensOneInformationWindow();
    void randomTextsEndInExactlyOneOutcome();
    void reportOfTheShownValues();
    void noReportWhileTheAnimationRuns();

  private:
    std::unique_ptr<frm1> window_;
};

void TestSearchReport::init() {
    window_ = makeWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestSearchReport::cleanup() {
    window_.reset();
}

void TestSearchReport::enterSearchesAndLeavesTheText() {
    QLineEdit* box = searchBox(*window_);
    box->setFocus();
    QTest::keyClicks(box, "cob");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(window_->selectedIndex(), 26);
    QCOMPARE(box->text(), QStringLiteral("cob"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, "Gold");
    QTest::keyClick(box, Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(window_->selectedIndex(), 78);
    // At most 15 characters, typed or pasted.
    QApplication::clipboard()->setText(QStringLiteral("Hidrogênio e mais alguma coisa"));
    box->clear();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("Hidrogênio e ma"));
    QCOMPARE(box->toolTip(), QStringLiteral("Digite o nome (pode ser em inglês), o  nº de oxidação ou o símbolo "
                                            "do elemento e aperte \"Enter\""));
}

void TestSearchReport::nothingFoundShowsTheTextAsTyped() {
    searchBox(*window_)->setText(QStringLiteral("<b>Xx</b>"));
    const int before = window_->selectedIndex();
    QVERIFY(whileModal([this] { child<QPushButton>(*window_, "cmdBusca")->click(); }, [](QWidget* modal) {
        auto* message = qobject_cast<QMessageBox*>(modal);
        QVERIFY(message);
        QCOMPARE(message->windowTitle(), QStringLiteral("Orvane - Localizar"));
        QCOMPARE(message->text(), QStringLiteral("Nenhuma ocorrência encontrada para: \n<b>Xx</b>"));
        QCOMPARE(message->textFormat(), Qt::PlainText);
        QCOMPARE(message->icon(), QMessageBox::Warning);
    }));
    QCOMPARE(window_->selectedIndex(), before);
    QCOMPARE(searchBox(*window_)->text(), QStringLiteral("<b>Xx</b>"));
    // An empty box does nothing at all.
    searchBox(*window_)->clear();
    QVERIFY(!whileModal([this] { window_->cmdBusca_Click(); }));
}

void TestSearchReport::focusComingBackSelectsTheText_data() {
    // A search, then the focus comes back to the box (or stays there), then "cobre" is typed.
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("typed"); // the box's text after "cobre"
    // clang-format off
    QTest::newRow("stays after a search")            << "ferro" << ""                   << "cobre";
    QTest::newRow("a click on a cell")               << "ferro" << "click inside, cell" << "cobre";
    QTest::newRow("Tab")                             << "ferro" << "tab"                << "cobre";
    QTest::newRow("back from the message")           << "xx"    << ""                   << "cobre";
    QTest::newRow("a click inside places the caret") << "ferro" << "click inside"       << "ferrocobre";
    // clang-format on
}

void TestSearchReport::focusComingBackSelectsTheText() {
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(QString, typed);
    QVERIFY(activate(window_.get()));
    QLineEdit* box = searchBox(*window_);
    box->setFocus();
    QTest::keyClicks(box, first);
    whileModal([box] { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(activate(window_.get())); // back from the message, as a window manager gives it back
    QVERIFY(box->hasFocus());
    if (then.startsWith("click inside")) // the caret goes where the click is, nothing selected
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center() + QPoint(box->width() / 3, 0));
    if (then.endsWith("cell")) {
        PeriodicTable* cells = table(*window_);
        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->cellRect(5).center());
        QCOMPARE(window_->selectedIndex(), 5);
    } else if (then == "tab") {
        list(*window_, "cmbN")->setFocus();
        for (int step = 0; step < 60 && !box->hasFocus(); ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, "cobre");
    QCOMPARE(box->text(), typed);
}

void TestSearchReport::reservedWordOpensOneInformationWindow() {
    searchBox(*window_)->setText(QStringLiteral("Q.X.W.J."));
    window_->cmdBusca_Click();
    QPointer<frm2> info = window_->informationWindow();
    QVERIFY(info && info->isVisible());
    QCOMPARE(info->windowTitle(), QStringLiteral("Informações"));
    const QString facts = child<QLineEdit>(*info, "txt1")->text();
    QVERIFY(facts.contains(QStringLiteral("  taskvisible:Verdadeiro ThreadID= ")));
    QVERIFY(child<QLineEdit>(*info, "txt2")->text().startsWith(QStringLiteral("tst_searchreport  ")));
    child<QLineEdit>(*info, "txt1")->setText(QStringLiteral("edited"));
    info->showMinimized();
    window_->cmdBusca_Click(); // again while open: the same window, its texts kept, back from the task bar
    QCOMPARE(window_->informationWindow(), info.data());
    QCOMPARE(child<QLineEdit>(*info, "txt1")->text(), QStringLiteral("edited"));
    QVERIFY(info->isVisible() && !info->isMinimized());
    // It belongs to the main window: once that closes, no window is left that would keep the
    // program running (a window that belongs to another does not).
    window_->close();
    for (const QWindow* left : QGuiApplication::topLevelWindows())
        QVERIFY(!left->isVisible() || left->transientParent());
}



void TestSearchReport::randomTextsEndInExactlyOneOutcome() {
    RandomSource random(99);
    const QString pool = QStringLiteral("aeiouAEIOU çÇãõéÍ Ó.Q.X.W.J.0123456789 \t😀\u0301\u05D0\u0627<&>%");
    auto* views = list(*window_, "cmbTab");
    for (int round = 0; round < 300; ++round) {
        QString typed;
        for (int length = random.nearestOfScaled(15); length > 0; --length)
            typed += pool.at(random.nearestOfScaled(int(pool.size()) - 1));
        searchBox(*window_)->setText(typed);
        typed = searchBox(*window_)->text();
        const search::Result expected = search::run(typed.toStdU32String());
        const int selectedBefore = window_->selectedIndex();
        const bool message = whileModal([this] { window_->cmdBusca_Click(); });
        QCOMPARE(message, expected.outcome == search::Outcome::NotFound);
        QCOMPARE(window_->selectedIndex(),
                 expected.outcome == search::Outcome::Found ? expected.atomicNumber - 1 : selectedBefore);
        QCOMPARE(window_->informationWindow() != nullptr, expected.outcome == search::Outcome::InfoWindow);
        if (window_->informationWindow())
            delete window_->informationWindow();
        QCOMPARE(searchBox(*window_)->text(), typed);
        QCOMPARE(views->currentText(), QStringLiteral("Propriedades"));
        QCOMPARE(highlightedCount(*window_), 1);
    }
}

void TestSearchReport::reportOfTheShownValues() {
    list(*window_, "cmbN")->setListIndex(25);
    QString first;
    QVERIFY(whileModal([this] { child<QPushButton>(*window_, "cmdRel")->click(); }, [&](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral(" Orvane - Dados do elemento: Ferro - 026"));
        auto* text = child<QPlainTextEdit>(*modal, "txtRel");
        first = text->toPlainText();
        // Read-only: typing, Enter, Backspace and paste change nothing; the caret moves and copies.
        text->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClicks(text, "abc");
        for (int key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
            QTest::keyClick(text, Qt::Key(key));
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), first);
        QTest::keyClick(text, Qt::Key_Down);
        QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Símbolo = Fe"));
    }));
    // (What the report shows, line by line, is compared where it is painted.)
    QCOMPARE(window_->focusWidget(), searchBox(*window_));
    // A second report holds only the second element.
    list(*window_, "cmbN")->setListIndex(0);
    QVERIFY(whileModal([this] { window_->cmdRel_Click(); }, [](QWidget* modal) {
        const QString text = child<QPlainTextEdit>(*modal, "txtRel")->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Nome = Hidrogênio - 001\n")));
        QVERIFY(!text.contains(QStringLiteral("Ferro")));
    }));
}

void TestSearchReport::noReportWhileTheAnimationRuns() {
    window_->findChild<QTimer*>(QStringLiteral("tmp"))->start();
    QVERIFY(!whileModal([this] { window_->cmdRel_Click(); }));
    window_->findChild<QTimer*>(QStringLiteral("tmp"))->stop();
}

QTEST_MAIN(TestSearchReport)
#include "tst_searchreport.moc"
