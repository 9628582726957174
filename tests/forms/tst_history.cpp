// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever path led to it, a state looks the same: after a random, seeded sequence of user steps
// the window paints exactly what a fresh window brought straight to the same element, view,
// caption mode, numbering and window state paints.
#include "FormTestSupport.h"
#include "PaintRecord.h"
#include "data/RandomSource.h"

#include <QPushButton>

namespace {

// What the steps lead to, kept apart from the window.
struct State {
    int z = 0;
    int view = 20; // the list position of "Propriedades"
    bool numbers = true;
    bool families = false;
    bool maximised = false;
};

void click(frm1& window, const QString& name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

// One user step, drawn at random; it updates the state as the step should.
QString step(frm1& window, RandomSource& random, State& state) {
    auto* elements = list(window, "cmbN");
    auto* views = list(window, "cmbTab");
    const int pick = random.nearestOfScaled(11);
    const int z = random.nearestOfScaled(117) + 1;
    switch (pick) {
    case 0: {
        PeriodicTable* cells = table(window);
        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->cellRect(z - 1).center());
        state.z = z;
        return QStringLiteral("click on cell %1").arg(z);
    }
    case 1:
        elements->setListIndex(z - 1);
        state.z = z;
        return QStringLiteral("element list: %1").arg(z);
    case 2: {
        const bool next = z % 2;
        click(window, next ? "cmdP" : "cmdA");
        state.z = std::clamp(state.z + (next ? 1 : -1), 1, 118);
        return next ? QStringLiteral("next element") : QStringLiteral("previous element");
    }
    case 3:
        state.view = z % views->count();
        views->setListIndex(state.view);
        return QStringLiteral("view %1").arg(views->itemText(state.view));
    case 4: {
        const bool next = z % 2;
        click(window, next ? "cmdP2" : "cmdA2");
        state.view = std::clamp(state.view + (next ? 1 : -1), 0, views->count() - 1);
        return next ? QStringLiteral("next view") : QStringLiteral("previous view");
    }
    case 5: {
        auto* search = child<QLineEdit>(window, "txtBusca");
        search->setText(QString::number(z));
        QTest::keyClick(search, Qt::Key_Return);
        state.z = z;
        return QStringLiteral("search for %1").arg(z);
    }
    case 6:
        state.numbers = z % 2;
        click(window, state.numbers ? "cmdSimb2" : "cmdSimb1");
        return state.numbers ? QStringLiteral("symbols and numbers") : QStringLiteral("symbols only");
    case 7:
        state.families = z % 2;
        click(window, state.families ? "optCol(0)" : "optCol(1)");
        return state.families ? QStringLiteral("families") : QStringLiteral("IUPAC numbers");
    case 8: {
        const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down};
        child(window, "txtBusca")->setFocus();
        QTest::keyClick(child(window, "txtBusca"), keys[z % 4]);
        window.tmtKeys_Timer();
        state.z = window.selectedIndex() + 1; // where each arrow leads is checked elsewhere
        return QStringLiteral("arrow key %1").arg(z % 4);
    }
    case 9:
        state.maximised = z % 2;
        state.maximised ? window.showMaximized() : window.showNormal();
        return state.maximised ? QStringLiteral("maximise") : QStringLiteral("restore");
    case 10:
        window.showMinimized();
        window.restoreIfTitled(window.windowTitle()); // a second copy of the program asks for the window
        state.maximised = false;
        return QStringLiteral("minimise, then a hand-over");
    default:
        whileModal([&] { z % 2 ? window.cmdRel_Click() : window.imgLogo_Click(); });
        return z % 2 ? QStringLiteral("open and close the report") : QStringLiteral("open and close About");
    }
}

// The window as a person working in it sees it: active, the search box empty and with the focus.
PaintRecord look(frm1& window) {
    QApplication::setActiveWindow(&window);
    auto* search = child<QLineEdit>(window, "txtBusca");
    search->clear();
    search->setFocus();
    QCoreApplication::processEvents();
    return PaintRecord::of(window);
}

std::unique_ptr<frm1> straightTo(const State& state) {
    auto window = makeWindow();
    window->show();
    list(*window, "cmbN")->setListIndex(state.z - 1);
    list(*window, "cmbTab")->setListIndex(state.view);
    if (!state.numbers)
        window->cmdSimb1_Click();
    if (state.families)
        window->optCol_Click(0);
    if (state.maximised)
        window->showMaximized();
    return window;
}

// The first entry where the window's record differs from a fresh window's in the same state.
std::optional<QString> difference(frm1& window, const State& state) {
    const PaintRecord shown = look(window);
    const PaintRecord expected = look(*straightTo(state));
    for (qsizetype n = 0; n < std::max(shown.items.size(), expected.items.size()); ++n) {
        const Painted a = shown.items.value(n);
        const Painted b = expected.items.value(n);
        if (a.kind != b.kind || a.rect != b.rect || a.text != b.text || a.font != b.font ||
            a.colour != b.colour)
            return QStringLiteral("entry %1: %2 %3 \"%4\" %5 %6, not %7 %8 \"%9\" %10 %11")
                .arg(n)
                .arg(a.kind)
                .arg(QDebug::toString(a.rect), a.text, a.colour.name(), a.font.toString())
                .arg(b.kind)
                .arg(QDebug::toString(b.rect), b.text, b.colour.name(), b.font.toString());
    }
    return std::nullopt;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
  private slots:
    void sameStateLooksTheSameWhateverThePath_data();
    void sameStateLooksTheSameWhateverThePath();
};

void TestHistory::sameStateLooksTheSameWhateverThePath_data() {
    QTest::addColumn<std::uint64_t>("seed");
    for (const std::uint64_t seed : {1u, 2u, 3u})
        QTest::addRow("seed %llu", qulonglong(seed)) << seed;
}

void TestHistory::sameStateLooksTheSameWhateverThePath() {
    QFETCH(std::uint64_t, seed);
    constexpr int kSteps = 200;
    // The seed's steps on a new window, compared with a fresh window at the end, or after each
    // step: the steps taken and the first difference found.
    const auto run = [seed](bool afterEach) -> std::pair<QStringList, std::optional<QString>> {
        auto window = makeWindow();
        window->show();
        State state{window->selectedIndex() + 1};
        RandomSource random(seed);
        QStringList path;
        for (int n = 0; n < kSteps; ++n) {
            path << step(*window, random, state);
            QCoreApplication::processEvents(); // what the event loop does between two user steps
            if (afterEach || n == kSteps - 1)
                if (const auto different = difference(*window, state))
                    return {path, different};
        }
        return {path, std::nullopt};
    };
    const auto end = run(false).second;
    if (!end)
        return;
    const auto [path, first] = run(true); // the first step after which the window looks different
    QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3): %4")
                         .arg(seed)
                         .arg(path.size())
                         .arg(path.last(), first.value_or(*end))));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
