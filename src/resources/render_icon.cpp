// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws an SVG picture as a PNG, square or of a given width and height.
//   render_icon IN.svg SIZE OUT.png
//   render_icon IN.svg WIDTHxHEIGHT OUT.png
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon IN.svg SIZE|WIDTHxHEIGHT OUT.png\n");
        return 2;
    }
    const QList<QByteArray> sides = QByteArray(argv[2]).split('x');
    const int width = sides.first().toInt();
    const int height = sides.size() > 1 ? sides.at(1).toInt() : width;
    if (width <= 0 || height <= 0 || sides.size() > 2) {
        std::fprintf(stderr, "render_icon: bad size %s\n", argv[2]);
        return 2;
    }
    const QPixmap picture = QIcon(QString::fromLocal8Bit(argv[1])).pixmap(width, height);
    return !picture.isNull() && picture.size() == QSize(width, height) &&
                   picture.save(QString::fromLocal8Bit(argv[3]))
               ? 0
               : 1;
}
