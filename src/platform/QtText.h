// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - texts between the Qt-free library (UTF-8 std::string) and the widgets (QString).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline std::string stdText(const QString& text) {
    return text.toStdString();
}

} // namespace platform
