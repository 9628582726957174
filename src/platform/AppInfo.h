// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the product name and version the windows show.
#pragma once

#include "Version.h"

#include <QString>

namespace platform {

inline QString productName() {
    return QString::fromLatin1(version::kProductName.data(), qsizetype(version::kProductName.size()));
}

// "1.0.164"
inline QString versionText() {
    return QString::fromLatin1(version::kText.data(), qsizetype(version::kText.size()));
}

// The main window's caption: a blank and the product name, " Orvane".
inline QString caption() {
    return QLatin1Char(' ') + productName();
}

// The caption with what the window shows, " Orvane - Gases Nobres".
inline QString caption(const QString& showing) {
    return caption() + QStringLiteral(" - ") + showing;
}

// The main window's caption at start-up, " Orvane - 1.0.164": a second copy looks for exactly this.
inline QString startupTitle() {
    return caption(versionText());
}

} // namespace platform
