// SPDX-License-Identifier: GPL-3.0-or-later
#include "BgrColour.h"

namespace platform {

QColor bgrColour(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t toBgr(const QColor& colour) {
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 | std::uint32_t(colour.blue()) << 16;
}

} // namespace platform
