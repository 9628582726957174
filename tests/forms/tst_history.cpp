// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever path led to it, a state looks the same: after a random, seeded sequence of user steps
// the window paints exactly what a fresh window brought straight to the same element, view,
// caption mode, numbering and window state paints.
#include "FormTestSupport.h"
#include "PaintRecord.h"
#include "data/RandomSource.h"

namespace {

// What the steps lead to, kept apart from the window.
struct State {
    int z = 0;
    int view = 20; // the list position of "Propriedades"
    bool numbers = true;
    bool families = false;
    bool maximised = false;
};

void click(frm1& window, const char* name) {
    QTest::mouseClick(child(window, QString::fromLatin1(name)), Qt::LeftButton);
}

// One user step, drawn at random, and what it should lead to; returns its description.
QString step(frm1& window, RandomSource& random, State& state) {
    const int pick = random.nearestOfScaled(11);
    const int z = random.nearestOfScaled(117) + 1;
    const bool odd = z % 2;
    auto* search = child<QLineEdit>(window, "txtBusca");
    switch (pick) {
    case 0:
        QTest::mouseClick(table(window), Qt::LeftButton, {}, table(window)->cellRect(z - 1).center());
        return state.z = z, QStringLiteral("click on cell %1").arg(z);
    case 1:
        list(window, "cmbN")->setListIndex(z - 1);
        return state.z = z, QStringLiteral("element list: %1").arg(z);
    case 2:
        click(window, odd ? "cmdP" : "cmdA");
        state.z = std::clamp(state.z + (odd ? 1 : -1), 1, 118);
        return odd ? QStringLiteral("next element") : QStringLiteral("previous element");
    case 3:
        list(window, "cmbTab")->setListIndex(state.view = z % 26);
        return QStringLiteral("view %1").arg(state.view);
    case 4:
        click(window, odd ? "cmdP2" : "cmdA2");
        state.view = std::clamp(state.view + (odd ? 1 : -1), 0, 25);
        return odd ? QStringLiteral("next view") : QStringLiteral("previous view");
    case 5:
        search->setText(QString::number(z));
        QTest::keyClick(search, Qt::Key_Return);
        return state.z = z, QStringLiteral("search for %1").arg(z);
    case 6:
        click(window, (state.numbers = odd) ? "cmdSimb2" : "cmdSimb1");
        return odd ? QStringLiteral("symbols and numbers") : QStringLiteral("symbols only");
    case 7:
        click(window, (state.families = odd) ? "optCol(0)" : "optCol(1)");
        return odd ? QStringLiteral("families") : QStringLiteral("IUPAC numbers");
    case 8: {
        search->setFocus();
        QTest::keyClick(search, std::array{Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}[z % 4]);
        window.tmtKeys_Timer();
        state.z = window.selectedIndex() + 1; // where each arrow leads is checked elsewhere
        return QStringLiteral("arrow key %1").arg(z % 4);
    }
    case 9:
        (state.maximised = odd) ? window.showMaximized() : window.showNormal();
        return odd ? QStringLiteral("maximise") : QStringLiteral("restore");
    case 10:
        window.showMinimized();
        window.restoreIfTitled(window.windowTitle()); // a second copy of the program asks for the window
        state.maximised = false;
        return QStringLiteral("minimise, then a hand-over");
    default:
        whileModal([&] { odd ? window.cmdRel_Click() : window.imgLogo_Click(); });
        return odd ? QStringLiteral("open and close the report") : QStringLiteral("open and close About");
    }
}

// The window as a person working in it sees it: active, the search box empty and with the focus.
PaintRecord look(frm1& window) {
    QApplication::setActiveWindow(&window);
    child<QLineEdit>(window, "txtBusca")->clear();
    child(window, "txtBusca")->setFocus();
    QCoreApplication::processEvents();
    return PaintRecord::of(window);
}

// The first entry where the window's record differs from that of a fresh window in the same state.
std::optional<QString> difference(frm1& window, const State& state) {
    const PaintRecord shown = look(window);
    const auto fresh = makeWindow();
    fresh->show();
    list(*fresh, "cmbN")->setListIndex(state.z - 1);
    list(*fresh, "cmbTab")->setListIndex(state.view);
    if (!state.numbers)
        fresh->cmdSimb1_Click();
    if (state.families)
        fresh->optCol_Click(0);
    if (state.maximised)
        fresh->showMaximized();
    const PaintRecord expected = look(*fresh);
    for (qsizetype n = 0; n < std::max(shown.items.size(), expected.items.size()); ++n) {
        const Painted a = shown.items.value(n);
        const Painted b = expected.items.value(n);
        const auto describe = [](const Painted& p) {
            return QStringLiteral("%1 %2 \"%3\" %4 %5")
                .arg(p.kind)
                .arg(QDebug::toString(p.rect), p.text, p.colour.name(), p.font.toString());
        };
        if (a.kind != b.kind || a.rect != b.rect || a.text != b.text || a.font != b.font ||
            a.colour != b.colour)
            return QStringLiteral("entry %1: %2, not %3").arg(n).arg(describe(a), describe(b));
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
