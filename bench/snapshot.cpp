// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window: one PNG per view named on the command line.
//   snapshot OUTPUT_DIR [--families] [--symbols] [--select Z] VIEW...
// With --families the group headings show the family names, with --symbols the cells show their
// symbols alone, and --select Z selects the element of atomic number Z. The pictures are compared
// across builds by compare_pictures.sh.
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"
#include "platform/FocusStyle.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's own style and font, so that the pictures are what its window shows.
    QApplication::setStyle(new platform::FocusStyle);
    QApplication::setFont(platform::uiFont(8.25));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: snapshot OUTPUT_DIR [--families] [--symbols] [--select Z] VIEW...\n");
        return 2;
    }
    const QDir out(args.first());
    const bool families = args.contains(QStringLiteral("--families"));
    const bool symbols = args.contains(QStringLiteral("--symbols"));
    const qsizetype selectAt = args.indexOf(QStringLiteral("--select"));
    const int selected = selectAt > 0 && selectAt + 1 < args.size() ? args[selectAt + 1].toInt() : 0;
    frm1 window(std::make_unique<RandomSource>(7));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (families)
        window.findChild<QPushButton*>(QStringLiteral("optCol(0)"))->click();
    if (symbols)
        window.findChild<QPushButton*>(QStringLiteral("cmdSimb1"))->click();
    if (selected > 0)
        window.findChild<platform::EventComboBox*>(QStringLiteral("cmbN"))->setListIndex(selected - 1);
    auto* views = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbTab"));
    for (qsizetype n = 1; n < args.size(); ++n) {
        const QString& name = args[n];
        if (name.startsWith(QLatin1String("--")) || (n == selectAt + 1 && selectAt > 0))
            continue;
        const int index = views->findText(name);
        if (index < 0) {
            std::fprintf(stderr, "no view named %s\n", qPrintable(name));
            continue;
        }
        views->setListIndex(index);
        QApplication::processEvents();
        const QString file = out.filePath(QString::number(index) + QStringLiteral(".png"));
        window.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
