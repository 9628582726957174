// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - colour values laid out 0x00BBGGRR (red in the low byte) as Qt colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

// The colour of a 0x00BBGGRR value.
QColor bgrColour(std::uint32_t bgr);
// The 0x00BBGGRR value of a colour.
std::uint32_t toBgr(const QColor& colour);

} // namespace platform
