// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - colour values laid out 0x00BBGGRR (red in the low byte), as numbers or as text.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// The colour of a 0x00BBGGRR value.
QColor bgrColor(std::uint32_t bgr);
// The 0x00BBGGRR value of a colour.
std::uint32_t toBgr(const QColor& color);
// Parses "13748664" (decimal) or "&H00D189" (hexadecimal after "&H"); nullopt for anything else.
std::optional<std::uint32_t> parseColorText(const QString& text);

} // namespace platform
