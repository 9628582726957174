// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws an SVG picture as a square PNG of the given size, for the desktop's icon theme.
//   render_icon IN.svg SIZE OUT.png
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon IN.svg SIZE OUT.png\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    const QPixmap picture = QIcon(QString::fromLocal8Bit(argv[1])).pixmap(size, size);
    return !picture.isNull() && picture.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
