// SPDX-License-Identifier: GPL-3.0-or-later
// Arrow keys, animation, always-on-top, closing and the About window through the real window.
// The timers' handlers are called directly, one call a tick.
#include "data/AnimationDraws.h"
#include "FormTestSupport.h"
#include "forms/about/frmSobre.h"
#include "forms/info/frm2.h"
#include "forms/report/frm3.h"
#include "platform/BgrColour.h"
#include "platform/OnTop.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <cmath>
#include <vector>

namespace {

// The objects of the window, by name or class, that have a timer registered: each could wake the
// program up.
QStringList withTimers(const QWidget& window) {
    QStringList found;
    QList<QObject*> objects = window.findChildren<QObject*>();
    objects.prepend(const_cast<QWidget*>(&window));
    for (QObject* object : objects) {
        if (!QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty()) {
            const QString name = object->objectName();
            // An unnamed helper object by its class and the control that owns it.
            found << (name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) + QLatin1String(" of ") +
                                           object->parent()->objectName()
                                     : name);
        }
    }
    return found;
}

std::uint32_t background(const QWidget* widget) {
    return platform::toBgr(widget->palette().color(widget->backgroundRole()));
}

// What the group-numbering switch shows: the 38 headings' captions and which are visible.
QStringList numbering(const frm1& window) {
    QStringList shown;
    for (int n = 0; n < 38; ++n) {
        const TableLabel& heading = table(window)->heading(n);
        shown << heading.text + (heading.visible ? "" : " (hidden)");
    }
    return shown;
}

} // namespace

class TestKeysAndWindows : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void arrowKeysMoveTheSelection_data();
    void arrowKeysMoveTheSelection();
    void arrowKeysMoveFromEveryWindowOfTheProgram_data();
    void arrowKeysMoveFromEveryWindowOfTheProgram();
    void noMoveWhileAListHasTheFocus();
    void keyTimerRunsOnlyWhilePressesCome();
    void firstKeyTickFallsOnTheGrid();
    void nothingRunsAtRest();
    void leftAndRightStepAFocusedList_data();
    void leftAndRightStepAFocusedList();
    void anyOptionClickLeavesTheFocusInTheSearchBox_data();
    void anyOptionClickLeavesTheFocusInTheSearchBox();
    void enterPressesAFocusedButton_data();
    void enterPressesAFocusedButton();
    void tabToTheReportAndEnterOpensIt();
    void buttonsTakeTheFocusWhenClicked();
    void animationTicks();
    void alwaysOnTopForAllThreeWindows();
    void closingTheMainWindowClosesModalWindows();
    void escapeClosesNoModalWindow();
    void aboutWindow();
    void aboutWindowShowsThePicturesOfItsFirstOpening();

  private:
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    std::unique_ptr<frm1> window_;
};

void TestKeysAndWindows::init() {
    window_ = makeWindow();
    window_->show();
    QVERIFY(activate(window_.get()));
    child(*window_, "txtBusca")->setFocus();
}

void TestKeysAndWindows::cleanup() {
    window_.reset();
}

void TestKeysAndWindows::arrowKeysMoveTheSelection_data() {
    QTest::addColumn<int>("from"); // atomic numbers
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("to");
    // (Where each arrow leads from every element is checked without the window.)
    QTest::newRow("right at the end") << 118 << "R" << 118;
    QTest::newRow("up Ce to Rf") << 58 << "U" << 104;
    QTest::newRow("up Fe: nothing") << 26 << "U" << 26;
    QTest::newRow("right then down in one tick") << 58 << "RD" << 91;
    QTest::newRow("all four in one tick: right, left, up, down") << 30 << "DURL" << 48;
}

void TestKeysAndWindows::arrowKeysMoveTheSelection() {
    QFETCH(int, from);
    QFETCH(QString, keys);
    QFETCH(int, to);
    list(*window_, "cmbN")->setListIndex(from - 1);
    window_->tmtKeys_Timer(); // forget presses from before
    const std::map<QChar, Qt::Key> arrows = {
        {'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
    for (const QChar key : keys)
        press(arrows.at(key));
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex() + 1, to);
    // One press moves once.
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex() + 1, to);
}

void TestKeysAndWindows::arrowKeysMoveFromEveryWindowOfTheProgram_data() {
    QTest::addColumn<QString>("opened");
    QTest::newRow("information window") << "frm2";
    QTest::newRow("report") << "frm3";
    QTest::newRow("About") << "frmSobre";
    QTest::newRow("message that nothing was found") << "message";
}

void TestKeysAndWindows::arrowKeysMoveFromEveryWindowOfTheProgram() {
    QFETCH(QString, opened);
    list(*window_, "cmbN")->setListIndex(40);
    window_->tmtKeys_Timer();
    const auto pressIn = [this](QWidget* other) {
        // (A window of the program counts as active while its main window is: ask for this one.)
        QApplication::setActiveWindow(other);
        QTRY_COMPARE(QApplication::activeWindow(), other);
        press(Qt::Key_Right);
        window_->tmtKeys_Timer();
    };
    auto* search = child<QLineEdit>(*window_, "txtBusca");
    if (opened == "frm2") {
        search->setText(QStringLiteral("Q.X.W.J."));
        window_->cmdBusca_Click();
        pressIn(window_->informationWindow());
    } else {
        search->setText(QStringLiteral("Xx"));
        const std::map<QString, void (frm1::*)()> open = {{"frm3", &frm1::cmdRel_Click},
                                                          {"frmSobre", &frm1::imgLogo_Click},
                                                          {"message", &frm1::cmdBusca_Click}};
        QVERIFY(whileModal([&] { (window_.get()->*open.at(opened))(); }, pressIn));
    }
    QCOMPARE(window_->selectedIndex(), 41);
}

void TestKeysAndWindows::noMoveWhileAListHasTheFocus() {
    list(*window_, "cmbN")->setListIndex(40);
    auto* views = list(*window_, "cmbTab");
    views->setFocus();
    QVERIFY(window_->comboHasFocus());
    press(Qt::Key_Right);
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 40);
    // The list stays focused for the keys while its drop-down is open, and a key typed there counts not.
    views->showPopup();
    QTRY_VERIFY(views->view()->isVisible());
    QVERIFY(window_->comboHasFocus());
    QTest::keyClick(views->view(), Qt::Key_Right);
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 40);
    views->hidePopup();
    QVERIFY(window_->comboHasFocus());
    // Keys typed into a window that is not the program's do not move the table either.
    child(*window_, "txtBusca")->setFocus();
    window_->tmtKeys_Timer();
    QLineEdit other;
    other.show();
    QVERIFY(activate(&other));
    other.setFocus();
    QTest::keyClick(&other, Qt::Key_Right);
    QVERIFY(activate(window_.get()));
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 40);
}

void TestKeysAndWindows::keyTimerRunsOnlyWhilePressesCome() {
    auto* keys = window_->findChild<QTimer*>(QStringLiteral("tmtKeys"));
    window_->tmtKeys_Timer();
    QVERIFY(!keys->isActive());
    list(*window_, "cmbN")->setListIndex(25);
    press(Qt::Key_Right);
    QVERIFY(keys->isActive());
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 26);
    QVERIFY(keys->isActive()); // a tick that found a press goes on
    QCOMPARE(keys->interval(), 100);
    window_->tmtKeys_Timer();
    QVERIFY(!keys->isActive()); // and the first that finds none stops
    // A press read while a list has the focus counts as found, though it moves nothing.
    list(*window_, "cmbTab")->setFocus();
    press(Qt::Key_Left);
    QVERIFY(keys->isActive());
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 26);
    window_->tmtKeys_Timer();
    QVERIFY(!keys->isActive());
}

void TestKeysAndWindows::firstKeyTickFallsOnTheGrid() {
    // Whenever a press starts the polling, its first tick falls on the window's one 100 ms grid,
    // within a precise timer's millisecond. The test cannot see the grid's origin, so it compares
    // the first ticks of presses at several moments: they lie a whole number of steps apart.
    auto* keys = window_->findChild<QTimer*>(QStringLiteral("tmtKeys"));
    QCOMPARE(keys->timerType(), Qt::PreciseTimer); // a coarse timer may fire 5 % late
    QElapsedTimer clock;                           // the monotonic clock the timers keep
    clock.start();
    struct Span { // when the first tick falls, in ms of clock
        qint64 from, to;
    };
    std::vector<Span> ticks;
    for (const int pause : {0, 13, 37, 58, 71}) {
        window_->tmtKeys_Timer(); // forget presses and stop
        QTest::qWait(pause);
        press(Qt::Key_Right);
        // Read before and after asking, so a pause anywhere widens the span and cannot fail it.
        const qint64 before = clock.elapsed();
        const int remaining = keys->remainingTime();
        const qint64 after = clock.elapsed();
        QVERIFY2(remaining >= 0 && remaining <= 100, qPrintable(QString::number(remaining)));
        ticks.push_back({before + remaining - 1, after + remaining + 1});
        window_->tmtKeys_Timer(); // the tick takes the press
        window_->tmtKeys_Timer(); // and the next one stops
    }
    for (const Span& tick : ticks) {
        const qint64 low = tick.from - ticks.front().to;
        const qint64 high = tick.to - ticks.front().from;
        const qint64 step = qint64(std::floor(high / 100.0)) * 100; // the last multiple of 100 up to high
        QVERIFY2(step >= low, qPrintable(QStringLiteral("%1..%2 ms after the first").arg(low).arg(high)));
    }
}

void TestKeysAndWindows::nothingRunsAtRest() {
    // Active and left alone: only the search box's text cursor blinks.
    QCoreApplication::processEvents();
    QCOMPARE(withTimers(*window_), QStringList() << QStringLiteral("QWidgetLineControl of txtBusca"));
    // Another program's window in front: nothing at all may wake the window up.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCoreApplication::processEvents();
    QCOMPARE(withTimers(*window_), QStringList());
    // Minimised too.
    window_->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(withTimers(*window_), QStringList());
}

void TestKeysAndWindows::leftAndRightStepAFocusedList_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to"); // the list index after the key; the handler ran if it changed
    // clang-format off
    QTest::newRow("cmbN right")             << "cmbN"   << 40 << int(Qt::Key_Right) << 41;
    QTest::newRow("cmbN left")              << "cmbN"   << 40 << int(Qt::Key_Left)  << 39;
    QTest::newRow("cmbN down, the same")    << "cmbN"   << 40 << int(Qt::Key_Down)  << 41;
    QTest::newRow("cmbN left at the start") << "cmbN"   <<  0 << int(Qt::Key_Left)  <<  0;
    QTest::newRow("cmbN right at the end")  << "cmbN"   << 117 << int(Qt::Key_Right) << 117;
    QTest::newRow("cmbTab right")           << "cmbTab" <<  3 << int(Qt::Key_Right) <<  4;
    QTest::newRow("cmbTab left")            << "cmbTab" <<  3 << int(Qt::Key_Left)  <<  2;
    QTest::newRow("cmbTab up, the same")    << "cmbTab" <<  3 << int(Qt::Key_Up)    <<  2;
    // clang-format on
}

void TestKeysAndWindows::leftAndRightStepAFocusedList() {
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    auto* focused = list(*window_, qPrintable(name));
    focused->setListIndex(from);
    focused->setFocus();
    const int selected = window_->selectedIndex();
    window_->tmtKeys_Timer();
    QSignalSpy handler(focused, &platform::EventComboBox::listClicked);
    press(Qt::Key(key));
    QCOMPARE(focused->listIndex(), to);
    QCOMPARE(handler.count(), to == from ? 0 : 1);
    // The handler did its work: the element or the view of the new entry is shown.
    if (name == "cmbN")
        QCOMPARE(window_->selectedIndex(), to);
    else
        QCOMPARE(window_->windowTitle(), " Orvane - " + focused->itemText(to));
    // The polling leaves the key to the list.
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), name == "cmbN" ? to : selected);
    QCOMPARE(focused->listIndex(), to);
    QVERIFY(focused->hasFocus());
}

void TestKeysAndWindows::anyOptionClickLeavesTheFocusInTheSearchBox_data() {
    QTest::addColumn<QList<int>>("clicks"); // options clicked in turn; the last one is the chosen one
    QTest::newRow("IUPAC again") << QList<int>{1};
    QTest::newRow("Famílias, then again") << QList<int>{0, 0};
    QTest::newRow("Famílias, IUPAC, then IUPAC again") << QList<int>{0, 1, 1};
}

void TestKeysAndWindows::anyOptionClickLeavesTheFocusInTheSearchBox() {
    QFETCH(QList<int>, clicks);
    QWidget* search = child(*window_, "txtBusca");
    QStringList before;
    for (const int n : clicks) {
        auto* option = child<QPushButton>(*window_, QStringLiteral("optCol(%1)").arg(n));
        child(*window_, "cmdP")->setFocus();
        before = numbering(*window_);
        QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(option->isChecked());
        QCOMPARE(window_->focusWidget(), search);
    }
    // Clicking the chosen option changed nothing, and an arrow key then moves the table, not the numbering.
    QCOMPARE(numbering(*window_), before);
    list(*window_, "cmbN")->setListIndex(40);
    window_->tmtKeys_Timer();
    press(Qt::Key_Right);
    window_->tmtKeys_Timer();
    QCOMPARE(window_->selectedIndex(), 41);
    QCOMPARE(numbering(*window_), before);
    QVERIFY(child<QPushButton>(*window_, QStringLiteral("optCol(%1)").arg(clicks.last()))->isChecked());
}

void TestKeysAndWindows::enterPressesAFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("presses");
    // clang-format off
    QTest::newRow("next element, Return")        << "cmdP"      << int(Qt::Key_Return) << int(Qt::NoModifier)     << true;
    QTest::newRow("next element, keypad Enter")  << "cmdP"      << int(Qt::Key_Enter)  << int(Qt::KeypadModifier) << true;
    QTest::newRow("next view, Return")           << "cmdP2"     << int(Qt::Key_Return) << int(Qt::NoModifier)     << true;
    QTest::newRow("Famílias, keypad Enter")      << "optCol(0)" << int(Qt::Key_Enter)  << int(Qt::KeypadModifier) << true;
    // A check box changes by a click or Space, never by Enter.
    QTest::newRow("always on top, Return")       << "chkOnTop"  << int(Qt::Key_Return) << int(Qt::NoModifier)     << false;
    QTest::newRow("always on top, keypad Enter") << "chkOnTop"  << int(Qt::Key_Enter)  << int(Qt::KeypadModifier) << false;
    QTest::newRow("always on top, Space")        << "chkOnTop"  << int(Qt::Key_Space)  << int(Qt::NoModifier)     << true;
    // clang-format on
}

void TestKeysAndWindows::enterPressesAFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, presses);
    list(*window_, "cmbN")->setListIndex(40);
    list(*window_, "cmbTab")->setListIndex(3);
    const QStringList numbers = numbering(*window_);
    auto* pressed = child<QPushButton>(*window_, button);
    const bool checked = pressed->isChecked();
    pressed->setFocus(Qt::TabFocusReason);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    // Held down, it shows pressed; it clicks once, when the key comes up.
    QTest::keyPress(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(pressed->isDown(), presses);
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicks.count(), presses ? 1 : 0);
    QCOMPARE(window_->selectedIndex(), button == "cmdP" ? 41 : 40);
    QCOMPARE(list(*window_, "cmbTab")->listIndex(), button == "cmdP2" ? 4 : 3);
    QCOMPARE(numbering(*window_) == numbers, button != "optCol(0)");
    QCOMPARE(pressed->isChecked() != checked, presses && pressed->isCheckable());
}

void TestKeysAndWindows::tabToTheReportAndEnterOpensIt() {
    child(*window_, "chkOnTop")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(*window_, "cmdRel"));
    QString title;
    QVERIFY(whileModal([this] { press(Qt::Key_Return); }, [&title](QWidget* modal) { title = modal->objectName(); }));
    QCOMPARE(title, QStringLiteral("frm3"));
}

void TestKeysAndWindows::buttonsTakeTheFocusWhenClicked() {
    for (const char* name : {"cmdP", "cmdA2", "chkOnTop", "optCol(0)"}) {
        list(*window_, "cmbN")->setFocus();
        QVERIFY(window_->comboHasFocus());
        QTest::mouseClick(child(*window_, QString::fromLatin1(name)), Qt::LeftButton);
        QVERIFY2(!window_->comboHasFocus(), name);
    }
    QTest::mouseClick(child(*window_, "cmdP"), Qt::LeftButton);
    QCOMPARE(window_->focusWidget(), child(*window_, "cmdP"));
    child<QPushButton>(*window_, "chkOnTop")->setChecked(false);
}

void TestKeysAndWindows::animationTicks() {
    // The window was built with seed 7 and drew its start element; the ticks go on from there.
    RandomSource replay(7);
    replay.nearestOfScaled(117);
    child<QPushButton>(*window_, "cmdAni")->click();
    QVERIFY(window_->findChild<QTimer*>(QStringLiteral("tmp"))->isActive());
    for (int tick = 0; tick < 5; ++tick) {
        window_->tmp_Timer();
        const animation::Draw draw = animation::next(replay);
        QVERIFY(child<QPushButton>(*window_, QStringLiteral("optCol(%1)").arg(draw.numbering))->isChecked());
        QCOMPARE(window_->selectedIndex(), draw.elementIndex);
        QCOMPARE(list(*window_, "cmbTab")->listIndex(), draw.viewIndex);
        QCOMPARE(highlightedCount(*window_), 1);
    }
    const QString title = window_->windowTitle();
    const int selected = window_->selectedIndex();
    child<QPushButton>(*window_, "cmdAni")->click();
    QVERIFY(!window_->findChild<QTimer*>(QStringLiteral("tmp"))->isActive());
    QCOMPARE(window_->windowTitle(), title);
    QCOMPARE(window_->selectedIndex(), selected);
}

void TestKeysAndWindows::alwaysOnTopForAllThreeWindows() {
    int hides = 0;
    struct HideCounter : QObject {
        int& count;
        explicit HideCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Hide;
            return false;
        }
    } counter(hides);
    window_->installEventFilter(&counter);
    auto* onTop = child<QPushButton>(*window_, "chkOnTop");
    onTop->click();
    QVERIFY(platform::isTopmost(*window_));
    QVERIFY(window_->informationWindow() && platform::isTopmost(*window_->informationWindow()));
    QVERIFY(window_->reportWindow() && platform::isTopmost(*window_->reportWindow()));
    QVERIFY(!window_->informationWindow()->isVisible() && !window_->reportWindow()->isVisible());
    onTop->click();
    QVERIFY(!platform::isTopmost(*window_) && !platform::isTopmost(*window_->reportWindow()));
    QVERIFY(window_->isVisible());
    QCOMPARE(hides, 0);
}

void TestKeysAndWindows::closingTheMainWindowClosesModalWindows() {
    for (const auto open : {&frm1::cmdRel_Click, &frm1::imgLogo_Click}) {
        window_->show();
        QVERIFY(whileModal([&] { (window_.get()->*open)(); }, [this](QWidget* modal) {
            window_->close();
            QVERIFY(!modal->isVisible());
        }));
        QVERIFY(!window_->isVisible());
        for (const QWidget* left : QApplication::topLevelWidgets())
            QVERIFY(!left->isVisible());
    }
}

void TestKeysAndWindows::escapeClosesNoModalWindow() {
    // The report and the About window close by their own controls and the close box only.
    for (const auto open : {&frm1::cmdRel_Click, &frm1::imgLogo_Click}) {
        QVERIFY(whileModal([&] { (window_.get()->*open)(); },
                           [](QWidget* modal) {
                               QWidget* focused = modal->focusWidget();
                               QTest::keyClick(focused ? focused : modal, Qt::Key_Escape);
                               QVERIFY(modal->isVisible());
                               modal->close(); // the close box
                               QVERIFY(!modal->isVisible());
                           }));
    }
}

void TestKeysAndWindows::aboutWindow() {
    child<QPushButton>(*window_, "cmdAni")->click();
    auto* logo = child(*window_, "imgLogo");
    QVERIFY(whileModal([logo] { QTest::mouseClick(logo, Qt::LeftButton); }, [this](QWidget* modal) {
        QVERIFY(!window_->findChild<QTimer*>(QStringLiteral("tmp"))->isActive()); // the animation stopped
        QCOMPARE(modal->windowTitle(), QStringLiteral(" Sobre Orvane"));
        QCOMPARE(child<QLabel>(*modal, "lblName")->text(), QStringLiteral("Orvane"));
        QCOMPARE(child<QLabel>(*modal, "lblVersao")->text(), QStringLiteral("Versão: 1.0.164"));
        QVERIFY(platform::isTopmost(*modal));
        QCOMPARE(modal->geometry().size(), platform::toPx(QSize(5460, 2790)));
        QCOMPARE(modal->focusWidget(), child(*modal, "txtSite"));
        auto* site = child<QLineEdit>(*modal, "txtSite");
        QCOMPARE(site->selectedText(), site->text()); // selected on opening, ready for Ctrl+C
        // The address boxes select their whole text on a click and take no typing.
        auto* mail = child<QLineEdit>(*modal, "txtMail");
        QTest::mouseClick(mail, Qt::LeftButton, {}, QPoint(4, mail->height() / 2));
        QCOMPARE(mail->selectedText(), mail->text());
        QTest::keyClicks(mail, "x");
        QCOMPARE(mail->text(), QStringLiteral("orvane@example.org"));
        // "OK" darkens while pressed and closes on the click.
        auto* ok = child<QLabel>(*modal, "lblOk");
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) { // any button darkens it
            QTest::mousePress(ok, button);
            QCOMPARE(background(ok), 0x3B3322u);
            QTest::mouseRelease(ok, button);
            QCOMPARE(background(ok), 0x6B6352u);
            QVERIFY(modal->isVisible()); // only the left button clicks
        }
        QTest::mousePress(ok, Qt::LeftButton); // released outside it, the press clicks nothing
        QTest::mouseRelease(ok, Qt::LeftButton, {}, ok->rect().bottomRight() + QPoint(3, 3));
        QCOMPARE(background(ok), 0x6B6352u);
        QVERIFY(modal->isVisible());
        QTest::mousePress(ok, Qt::LeftButton);
        QCOMPARE(background(ok), 0x3B3322u);
        QTest::mouseRelease(ok, Qt::LeftButton);
        QCOMPARE(background(ok), 0x6B6352u);
        QVERIFY(!modal->isVisible());
    }));
}

void TestKeysAndWindows::aboutWindowShowsThePicturesOfItsFirstOpening() {
    // The About window is made at every opening; its pictures are read once, so Qt's pixmap cache
    // does not gain a copy of each picture at every opening.
    frmSobre first(window_.get());
    frmSobre again(window_.get());
    for (const char* name : {"Image1", "Image2", "imgMaker"}) {
        const QPixmap picture = child<QLabel>(first, name)->pixmap();
        QVERIFY(!picture.isNull());
        QCOMPARE(child<QLabel>(again, name)->pixmap().cacheKey(), picture.cacheKey());
    }
}

QTEST_MAIN(TestKeysAndWindows)
#include "tst_keysandwindows.moc"
