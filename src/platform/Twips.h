// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - layout units. The layout tables keep positions in twips (1440 per inch);
// at 96 dpi 15 twips make one logical pixel, and Qt's high-DPI scaling does the rest.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

inline int toPx(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

inline QPoint toPx(QPoint twips) {
    return {toPx(twips.x()), toPx(twips.y())};
}

inline QSize toPx(QSize twips) {
    return {toPx(twips.width()), toPx(twips.height())};
}

// A rectangle given as Left, Top, Width, Height in twips.
inline QRect twipsRect(int left, int top, int width, int height) {
    return {toPx(left), toPx(top), toPx(width), toPx(height)};
}

inline int toTwips(int px) {
    return px * kTwipsPerPixel;
}

} // namespace platform
