// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: draws an SVG picture as a PNG, square or of a given width and height.
//   render_icon IN.svg SIZE OUT.png
//   render_icon IN.svg WIDTHxHEIGHT OUT.png
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
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
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (!QFileInfo(in).isReadable()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    // Qt draws SVG only through its SVG plugins, which Debian ships apart from Qt's own libraries.
    if (!QImageReader::supportedImageFormats().contains("svg")) {
        std::fprintf(stderr, "render_icon: this Qt has no SVG plugin, so %s cannot be drawn; install "
                             "qt6-svg-plugins (Debian 13 and later) or libqt6svg6 (Debian 12)\n",
                     argv[1]);
        return 1;
    }
    const QPixmap picture = QIcon(in).pixmap(width, height);
    if (picture.isNull() || picture.size() != QSize(width, height)) {
        std::fprintf(stderr, "render_icon: %s gave no %dx%d picture (is it a valid SVG file?)\n", argv[1],
                     width, height);
        return 1;
    }
    if (!picture.save(out)) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
