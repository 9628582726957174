// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window for looking at by hand: one PNG per view named on the command line.
//   snapshot OUTPUT_DIR [--families] VIEW...
// With --families the group headings show the family names. Not a test.
#include "forms/main/frm1.h"
#include "platform/EventComboBox.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: snapshot OUTPUT_DIR [--families] VIEW...\n");
        return 2;
    }
    const QDir out(args.first());
    const bool families = args.contains(QStringLiteral("--families"));
    frm1 window(std::make_unique<RandomSource>(7));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (families)
        window.findChild<QPushButton*>(QStringLiteral("optCol(0)"))->click();
    auto* views = window.findChild<platform::EventComboBox*>(QStringLiteral("cmbTab"));
    for (const QString& name : args.mid(1)) {
        if (name.startsWith(QLatin1String("--")))
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
