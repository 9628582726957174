// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one sans family the program draws its texts in, at point sizes given for 96 dpi.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
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
// would draw it; at most to 85 % of its width. Texts that fit keep the font as it is, so they share
// its glyph cache. Advances scale with the stretch, so the first guess is nearly always the answer;
// each further trial loads another font, which is why there are so few.
inline QFont fittedFont(QFont font, const QString& text, int widthPx) {
    constexpr int kNarrowest = 85;
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= widthPx)
        return font;
    int stretch = std::clamp(static_cast<int>((100LL * widthPx + natural - 1) / natural), kNarrowest, 99);
    for (font.setStretch(stretch); stretch > kNarrowest; font.setStretch(--stretch))
        if (QFontMetrics(font).horizontalAdvance(text) <= widthPx)
            break;
    return font;
}

} // namespace platform
