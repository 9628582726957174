// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the views, side by side in one run: a view change through the view list, merely
// setting the 118 cell colours, each with and without repainting the table, and the start-up
// walk over the first views against building the whole window. Not a test: run it by hand.
//   bench_views [ROUNDS]
#include "forms/main/PeriodicTable.h"
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

// Mean microseconds of one call over the rounds.
double meanMicros(int rounds, const std::function<void(int)>& step) {
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        step(round);
    return timer.nsecsElapsed() / 1e3 / rounds;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    frm1 window(std::make_unique<RandomSource>(7));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* views = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbTab"));
    QWidget* table = window.findChild<QWidget*>(QStringLiteral("pctTabela"));
    auto* cells = window.findChild<PeriodicTable*>(QStringLiteral("tableGrid"));
    const int biological = views->findText(QStringLiteral("Efeito Biológico"));
    const int radius = views->findText(QStringLiteral("Raio Atômico"));

    const auto changeView = [&](int round) { views->setListIndex(round % 2 ? biological : radius); };
    const auto setColours = [&](int round) {
        const QColor colour = round % 2 ? QColor(0x44, 0x99, 0xEE) : QColor(0x66, 0xBB, 0xFF);
        for (int i = 0; i < PeriodicTable::kCellCount; ++i)
            cells->setBackColor(i, colour);
    };
    const double viewChange = meanMicros(rounds, changeView);
    const double colourSetting = meanMicros(rounds, setColours);
    // The two other things a view change does: name the view in the caption and switch the legend.
    const double captionOnly = meanMicros(rounds, [&](int round) {
        window.setWindowTitle(round % 2 ? QStringLiteral(" Orvane - A") : QStringLiteral(" Orvane - B"));
    });
    QWidget* legendA = window.findChild<QWidget*>(QStringLiteral("pctLeg(1)"));
    QWidget* legendB = window.findChild<QWidget*>(QStringLiteral("pctLeg(7)"));
    const double legendOnly = meanMicros(rounds, [&](int round) {
        legendA->setVisible(round % 2);
        legendB->setVisible(!(round % 2));
    });
    const double viewChangePainted = meanMicros(rounds, [&](int round) {
        changeView(round);
        table->repaint();
    });
    const double colourSettingPainted = meanMicros(rounds, [&](int round) {
        setColours(round);
        table->repaint();
    });
    // What the user waits for: the handler and the repaint of whatever it changed.
    auto* elements = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbN"));
    const double selection = meanMicros(rounds, [&](int round) { elements->setListIndex(round % 2 ? 25 : 78); });
    const double selectionShown = meanMicros(rounds, [&](int round) {
        elements->setListIndex(round % 2 ? 25 : 78);
        QCoreApplication::processEvents();
    });
    // As the arrow keys go: each element after the one before, round the whole table.
    const double steppingShown = meanMicros(rounds, [&](int round) {
        elements->setListIndex(round % TPDEQ::kElementCount);
        QCoreApplication::processEvents();
    });
    const double viewChangeShown = meanMicros(rounds, [&](int round) {
        changeView(round);
        QCoreApplication::processEvents();
    });
    std::printf("selection               %8.1f us   (repainted %8.1f us)\n", selection, selectionShown);
    std::printf("selection, next element  repainted %8.1f us\n", steppingShown);
    std::printf("view change, repainted  %8.1f us\n", viewChangeShown);

    // The start-up walk: from the first entry through the views up to "Propriedades".
    const int defaultView = views->findText(QStringLiteral("Propriedades"));
    const double walk = meanMicros(rounds / 10 + 1, [&](int) {
        views->setListIndex(0);
        for (int k = 1; k <= defaultView; ++k)
            views->setListIndex(k);
    });
    const double build = meanMicros(rounds / 10 + 1, [](int) { frm1 another(std::make_unique<RandomSource>(7)); });

    std::printf("view change             %8.1f us   (with table repaint %8.1f us)\n", viewChange, viewChangePainted);
    std::printf("118 colours set         %8.1f us   (with table repaint %8.1f us)\n", colourSetting,
                colourSettingPainted);
    std::printf("  of which caption %.1f us, legend switch %.1f us\n", captionOnly, legendOnly);
    std::printf("start-up view walk      %8.1f us   (%d views)\n", walk, defaultView);
    std::printf("window built (Form_Load)%8.1f us   (without the walk about %.1f us)\n", build, build - walk);
    return 0;
}
