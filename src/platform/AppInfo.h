// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the product name and version the windows show.
#pragma once

#include <QString>

namespace platform {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 164;

inline QString productName() {
    return QStringLiteral("Orvane");
}

// "1.0.164"
inline QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

// The main window's caption at start-up, " Orvane - 1.0.164": a second copy looks for exactly this.
inline QString startupTitle() {
    return QLatin1Char(' ') + productName() + QStringLiteral(" - ") + versionText();
}

} // namespace platform
