// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one sans family the program draws its texts in, at point sizes given for 96 dpi.
#pragma once

#include <QFont>
#include <cmath>

namespace platform {

inline QString uiFamily() {
    return QStringLiteral("Liberation Sans");
}

// Pixel size of a point size at 96 dpi, the same scale as the twips of the layout tables.
inline int fontPx(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

inline QFont uiFont(double points) {
    QFont font(uiFamily());
    font.setPixelSize(fontPx(points));
    return font;
}

} // namespace platform
