// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace platform {
namespace {

QPixmap readPng(const QString& path, qreal pixelRatio) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace

QIcon pngIcon(const QString& path) {
    QIcon icon;
    const QPixmap single = readPng(path, 1.0);
    if (single.isNull())
        return icon;
    icon.addPixmap(single);
    // As QIcon does for the files it is given: the larger drawing only where screens want it.
    if (qApp->devicePixelRatio() <= 1.0)
        return icon;
    QString doubled = path;
    doubled.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    if (QFile::exists(doubled))
        icon.addPixmap(readPng(doubled, 2.0));
    return icon;
}

QIcon pngIconSizes(const QString& pathPattern, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        if (const QPixmap pixmap = readPng(pathPattern.arg(size), 1.0); !pixmap.isNull())
            icon.addPixmap(pixmap);
    return icon;
}

} // namespace platform
