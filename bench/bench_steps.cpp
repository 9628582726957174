// SPDX-License-Identifier: GPL-3.0-or-later
// One user step with its repaint, for counting instructions under callgrind: the window is built
// and shown first, then only the chosen step is counted, ten times over.
//   valgrind --tool=callgrind --collect-atstart=no bench_steps selection|view
// "selection" alternates between two elements through the element list, "view" between two views
// through the view list; each is followed by the repaint it causes. Divide the count by ten.
// Not a test: run it by hand.
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"
#include "platform/FocusStyle.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <valgrind/callgrind.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new platform::FocusStyle);
    QApplication::setFont(platform::uiFont(8.25));
    const QString step = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (step != QLatin1String("selection") && step != QLatin1String("view")) {
        std::fprintf(stderr, "usage: bench_steps selection|view\n");
        return 2;
    }
    frm1 window(std::make_unique<RandomSource>(7));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* elements = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbN"));
    auto* views = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbTab"));
    const int first = step == QLatin1String("view") ? views->findText(QStringLiteral("Efeito Biológico")) : 25;
    const int second = step == QLatin1String("view") ? views->findText(QStringLiteral("Raio Atômico")) : 78;
    platform::EventComboBox* list = step == QLatin1String("view") ? views : elements;
    // Once each beforehand, so that what is made on first use is not counted.
    list->setListIndex(first);
    list->setListIndex(second);
    QCoreApplication::processEvents();
    for (int round = 0; round < 10; ++round) {
        CALLGRIND_TOGGLE_COLLECT;
        list->setListIndex(round % 2 ? second : first);
        QCoreApplication::processEvents();
        CALLGRIND_TOGGLE_COLLECT;
    }
    return 0;
}
