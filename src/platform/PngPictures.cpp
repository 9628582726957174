// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngPictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
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

QIcon readIcon(const QString& path, bool withDoubled) {
    QIcon icon;
    const QPixmap single = readPng(path, 1.0);
    if (single.isNull())
        return icon;
    icon.addPixmap(single);
    if (!withDoubled)
        return icon;
    QString doubled = path;
    doubled.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    if (QFile::exists(doubled))
        icon.addPixmap(readPng(doubled, 2.0));
    return icon;
}

// The icons read so far, for as long as the application object lives. A window made again (the
// About window is made at every opening) then shows the same icons: nothing is read twice, and
// Qt's pixmap cache finds the sizes it made of them before instead of filling up with copies.
QHash<QString, QIcon>& readIcons() {
    static QHash<QString, QIcon> icons;
    return icons;
}

void forgetIcons() {
    readIcons().clear();
}

} // namespace

QIcon pngIcon(const QString& path) {
    // As QIcon does for the files it is given: the larger drawing only where screens want it.
    const bool withDoubled = qApp->devicePixelRatio() > 1.0;
    const QString key = withDoubled ? path + QLatin1String("@2x") : path;
    QHash<QString, QIcon>& icons = readIcons();
    if (const auto known = icons.constFind(key); known != icons.constEnd())
        return *known;
    // The pixmaps go with the application object, not at the end of the process.
    if (icons.isEmpty())
        qAddPostRoutine(forgetIcons);
    return *icons.insert(key, readIcon(path, withDoubled));
}

QIcon pngIconSizes(const QString& pathPattern, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        if (const QPixmap pixmap = readPng(pathPattern.arg(size), 1.0); !pixmap.isNull())
            icon.addPixmap(pixmap);
    return icon;
}

} // namespace platform
