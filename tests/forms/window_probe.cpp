// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the program's main window on whatever display the environment gives it, for the
// display-session tests: builds and shows the main window, waits until the display shows it, then
// prints the platform's name and whether the always-on-top box is offered ("wayland 0") and ends.
#include "forms/main/frm1.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    frm1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window, 10000))
        return 1;
    const auto* onTop = window.findChild<QPushButton*>(QStringLiteral("chkOnTop"));
    QTextStream(stdout) << QGuiApplication::platformName() << ' ' << int(onTop && onTop->isEnabled()) << '\n';
    return 0;
}
