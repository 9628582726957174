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
// would draw it; at most to 85 % of its width; fits, if given, tells whether the text then fits.
// Texts that fit keep the font as it is, so they share its glyph cache. Each trial stretch loads
// a font of its own, so the first trial is the stretch that scales the text's advance down to the
// width: it nearly always fits, and is then the widest that does or one short of it.
inline QFont fittedFont(QFont font, const QString& text, int widthPx, bool* fits = nullptr) {
    constexpr int kNarrowest = 85;
    const QFontMetrics metrics(font);
    // No character is wider than the font's widest (a pixel more for rounding), so a text that
    // would fit even then fits as it is: only a text that comes near the width is laid out to be
    // measured, which costs far more than the check.
    if (text.size() * qint64(metrics.maxWidth() + 1) <= widthPx) {
        if (fits)
            *fits = true;
        return font;
    }
    int advance = metrics.horizontalAdvance(text);
    if (advance > widthPx) {
        int stretch = std::clamp(static_cast<int>(100LL * widthPx / advance), kNarrowest, 99);
        for (;; --stretch) {
            font.setStretch(stretch);
            advance = QFontMetrics(font).horizontalAdvance(text);
            if (advance <= widthPx || stretch == kNarrowest)
                break;
        }
    }
    if (fits)
        *fits = advance <= widthPx;
    return font;
}

} // namespace platform
