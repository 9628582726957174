// SPDX-License-Identifier: GPL-3.0-or-later
#include "VbColor.h"

namespace platform {

QColor bgrColor(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t toBgr(const QColor& color) {
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

std::optional<std::uint32_t> parseColorText(const QString& text) {
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    if (digits.isEmpty() || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
        return std::nullopt;
    const qulonglong value = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || value > 0xFFFFFF)
        return std::nullopt;
    return std::uint32_t(value);
}

} // namespace platform
