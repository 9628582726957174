// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one sans family the program draws its texts in, at point sizes given for 96 dpi.
#pragma once

#include <QFont>
#include <QFontMetrics>
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

// The font narrowed just enough for the text to fit the width in one line, as a narrower face
// would draw it; at most to 85 % of its width. Texts that fit keep the font as it is.
inline QFont fittedFont(QFont font, const QString& text, int widthPx) {
    for (int stretch = 100; stretch >= 85; stretch -= 1) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= widthPx)
            break;
    }
    return font;
}

} // namespace platform
